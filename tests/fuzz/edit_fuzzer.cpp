// libFuzzer target: a document read from any bytes, then edited and drawn through the command
// layer as the window would, must never crash, hang or leave the layer holding freed objects.
// The input is the document's bytes followed by up to 32 commands of six bytes each and, last,
// the number of commands.
#include "commands/command_layer.h"
#include "document/code_table.h"
#include "document/drawing.h"
#include "document/file_format.h"
#include "mechanics/stop_tool.h"
#include "platform/checked.h"
#include "platform/recording_canvas.h"
#include "platform/scripted_shell.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace {

using namespace trelvix;

constexpr std::size_t commandSize = 6;
constexpr std::size_t maxCommands = 32;
// Optimising is tried only on small documents, so one input stays well inside the time limit.
constexpr int maxOptimisedAtoms = 24;

constexpr std::string_view keys[] = { "Delete", "K", "1", "2", "3", "4", "5", "T", "A",
                                      "C",      "H", "N", "O", "U", "D", "+", "-" };

void perform(CommandLayer& layer, std::span<const std::uint8_t, commandSize> c)
{
  const double x = static_cast<std::int16_t>(c[2] | c[3] << 8);
  const double y = static_cast<std::int16_t>(c[4] | c[5] << 8);
  const std::span<const BuildCodeItem> codes = buildCodeItems();
  switch (c[0] % 8) {
    case 0:
      layer.BuildAt(x, y, codes[c[1] % codes.size()].code);
      break;
    case 1:
      layer.KeyUp(keys[c[1] % std::size(keys)], x, y);
      break;
    case 2:
      layer.SetView(c[1] % 2 == 0 ? c[1] % 20 : 100 + c[1] % 20);
      break;
    case 3: {
      // The render path: a picture of the document, an overflow being a message.
      RecordingCanvas canvas;
      try {
        layer.Print(canvas);
      } catch (const OverflowError&) {
      }
      break;
    }
    case 4:
      layer.Undo();
      break;
    case 5:
      if (layer.drawing().Atoms.Count() <= maxOptimisedAtoms) {
        StopTool stop;
        layer.Optimize(OptimiseCommand::OptimizeGeometry, stop);
      }
      break;
    case 6:
      layer.AddProtons2D();
      break;
    default:
      layer.BuildAt(x, y, 524); // Link Atoms
      break;
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  if (size == 0)
    return 0;
  const std::size_t count = std::min<std::size_t>(data[size - 1], maxCommands);
  const std::size_t commandBytes = count * commandSize;
  if (commandBytes + 1 > size)
    return 0;
  const std::size_t documentBytes = size - 1 - commandBytes;
  ScriptedShell shell;
  setCurrentShell(&shell);
  {
    std::unique_ptr<tDrawing> drawing =
      readDrawing(std::vector<std::uint8_t>(data, data + documentBytes));
    if (drawing) {
      CommandLayer layer(std::move(drawing));
      for (std::size_t i = 0; i < count; ++i)
        perform(layer,
                std::span<const std::uint8_t, commandSize>(data + documentBytes + i * commandSize,
                                                           commandSize));
    }
  }
  setCurrentDrawing(nullptr);
  setCurrentShell(nullptr);
  return 0;
}
