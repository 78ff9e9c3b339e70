#pragma once

#include <optional>
#include <string>

namespace trelvix {

class CliSession;

/// What the render command was asked for, as given on the command line.
struct RenderRequest
{
  std::string file;
  std::string output;
  std::optional<int> view;
  /// WIDTHxHEIGHT of the page; given, it draws the page.
  std::string size;
  /// The window's page instead of the drawing's frame.
  bool page = false;
  /// PNG pixels per inch (100: one pixel per drawing pixel).
  std::optional<int> dpi;
  bool transparent = false;
};

/// `render FILE.tvx -o OUT.png|OUT.svg|OUT.pdf [--view CODE] [--page] [--size WxH] [--dpi N]
/// [--transparent]`: draws the document's frame with a margin of half a bond, or with --page the
/// main window's page of the given size (default 640 x 480). Returns the exit status.
int runRender(CliSession& session, const RenderRequest& request);

/// Readies Qt for drawing into images and files without a display (fonts need a GUI application,
/// the offscreen platform and a quiet runtime folder); call before making the application.
void prepareOffscreenQt();

} // namespace trelvix
