// Frame time of a full redraw: documents of growing size in three view styles, on the QImage
// canvas the window's back buffer uses and on the recording canvas (the model's own cost); and
// one step of a turning drag, from the command to the drawn pixels.
#include "commands/command_layer.h"
#include "platform/qt/image_canvas.h"
#include "platform/recording_canvas.h"
#include "sample_chain.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace trelvix {
namespace {

constexpr int pageWidth = 1024;
constexpr int pageHeight = 768;

// Carbon-rich with some O, N and H, the mix of an organic molecule.
constexpr int elementCycle[] = { 6, 6, 8, 6, 7, 6, 1, 6 };

/// n atoms filling the page the way a large molecule fills the window: layers of a 24-pixel grid
/// 40 x 30 atoms wide, each layer 24 units deeper and shifted a little, every row a zig-zag chain
/// of single bonds.
void fillPage(tDrawing& doc, int n)
{
  constexpr int columns = 40;
  constexpr int rows = 30;
  addChain(doc, n, [](int i) {
    const int layer = i / (columns * rows);
    const int row = (i / columns) % rows;
    const int column = i % columns;
    return ChainAtom{ elementCycle[i % std::size(elementCycle)],
                      20 + 24.0 * column + 7 * layer,
                      20 + 24.0 * row + 5 * layer + (column % 2) * 6,
                      24.0 * layer,
                      column != 0 };
  });
}

struct FrameDocument : CurrentDocument
{
  explicit FrameDocument(int n) { fillPage(doc, n); }
};

/// The QImage canvas drawing every shaded sphere as its four ellipses, for comparison.
class DiscImageCanvas : public ImageCanvas
{
public:
  using ImageCanvas::ImageCanvas;
  void shadedSphere(Point centre, int r, Colour colour) override
  {
    Canvas::shadedSphere(centre, r, colour);
  }
};

template<class C>
void frames(benchmark::State& state, C& canvas)
{
  FrameDocument frame(static_cast<int>(state.range(0)));
  frame.doc.viewMode = static_cast<std::uint8_t>(state.range(1));
  for (auto _ : state) {
    canvas.fillSurface(white);
    frame.doc.print(canvas);
    if constexpr (std::is_same_v<C, RecordingCanvas>) {
      benchmark::DoNotOptimize(canvas.ops().size());
      canvas.clear();
    }
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_FrameImage(benchmark::State& state)
{
  ImageCanvas canvas(pageWidth, pageHeight);
  frames(state, canvas);
}

void BM_FrameImageDiscs(benchmark::State& state)
{
  DiscImageCanvas canvas(pageWidth, pageHeight);
  frames(state, canvas);
}

void BM_FrameRecording(benchmark::State& state)
{
  RecordingCanvas canvas;
  frames(state, canvas);
}

/// One move event of a middle-button drag: the layer turns the model by half a degree about two
/// axes (merged into the drag's one undo step) and the back buffer is drawn again. The window
/// then only copies the buffer to the screen.
void BM_TurnStep(benchmark::State& state)
{
  ScriptedShell shell;
  setCurrentShell(&shell);
  {
    auto doc = std::make_unique<tDrawing>();
    setCurrentDrawing(doc.get());
    fillPage(*doc, static_cast<int>(state.range(0)));
    doc->viewMode = static_cast<std::uint8_t>(state.range(1));
    CommandLayer layer(std::move(doc));
    ImageCanvas canvas(pageWidth, pageHeight);
    layer.TurnView(0, 0.5, 0, true);
    for (auto _ : state) {
      layer.TurnView(0.5, 0.5, 0, false);
      canvas.fillSurface(white);
      layer.Print(canvas);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
  }
  setCurrentShell(nullptr);
}

// Views: 0 Normal, 10 Color Spheres, 8 Color Balls+Rods.
void sizesAndViews(benchmark::internal::Benchmark* b)
{
  b->ArgNames({ "atoms", "view" })->Unit(benchmark::kMillisecond);
  for (int view : { 0, 10, 8 }) {
    for (int n : { 100, 1000, 10000 })
      b->Args({ n, view });
  }
}

BENCHMARK(BM_FrameImage)->Apply(sizesAndViews);
BENCHMARK(BM_FrameRecording)->Apply(sizesAndViews);
BENCHMARK(BM_TurnStep)
  ->ArgNames({ "atoms", "view" })
  ->Unit(benchmark::kMillisecond)
  ->Args({ 1000, 10 })
  ->Args({ 1000, 0 })
  ->Args({ 10000, 10 });
BENCHMARK(BM_FrameImageDiscs)
  ->ArgNames({ "atoms", "view" })
  ->Unit(benchmark::kMillisecond)
  ->Args({ 1000, 10 })
  ->Args({ 10000, 10 });

} // namespace
} // namespace trelvix

// Fonts and painting need a QGuiApplication; the offscreen platform needs no display.
int main(int argc, char** argv)
{
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
