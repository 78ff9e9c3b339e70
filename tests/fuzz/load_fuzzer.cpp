// libFuzzer target: any bytes given to the document reader must give a document or a message,
// never a crash, a hang or a runaway allocation.
#include "document/drawing.h"
#include "document/file_format.h"
#include "platform/scripted_shell.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  trelvix::ScriptedShell shell;
  trelvix::setCurrentShell(&shell);
  {
    std::unique_ptr<trelvix::tDrawing> drawing =
      trelvix::readDrawing(std::vector<std::uint8_t>(data, data + size));
    if (drawing) {
      // What was read must survive the rest of the program's life cycle too.
      trelvix::setCurrentDrawing(drawing.get());
      std::unique_ptr<trelvix::tDrawing> copy = drawing->clone();
      trelvix::writeDrawing(*copy);
      trelvix::setCurrentDrawing(nullptr);
    }
  }
  trelvix::setCurrentShell(nullptr);
  return 0;
}
