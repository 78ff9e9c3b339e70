// libFuzzer target for one exchange reader (the format chosen at build time): any bytes read as
// that format, the way the program reads them, must give a document or a message, never a crash,
// a hang or a runaway allocation; what is read is written back to the same format and to a
// document file.
#include "document/drawing.h"
#include "document/file_format.h"
#include "exchange/molecule_export.h"
#include "exchange/molecule_import.h"
#include "platform/scripted_shell.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  constexpr trelvix::ExchangeFormat format = trelvix::ExchangeFormat::TRELVIX_FUZZ_FORMAT;
  trelvix::ScriptedShell shell;
  trelvix::setCurrentShell(&shell);
  {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    trelvix::ImportResult read = trelvix::readMolecules(text, format, "fuzz");
    if (read.drawing) {
      trelvix::setCurrentDrawing(read.drawing.get());
      trelvix::exportDrawing(*read.drawing, format);
      trelvix::writeDrawing(*read.drawing);
      trelvix::setCurrentDrawing(nullptr);
    }
  }
  trelvix::setCurrentShell(nullptr);
  return 0;
}
