#pragma once

namespace trelvix {

class tDrawing;

/// Puts the document's frame pictures (renderFrame) on the clipboard as one entry: the SVG for
/// office programs, the PNG and the bitmap for image editors. False, and the clipboard untouched,
/// when there is nothing to draw or it cannot be drawn.
bool copyFrameToClipboard(const tDrawing& drawing);

} // namespace trelvix
