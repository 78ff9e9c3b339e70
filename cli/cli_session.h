#pragma once

#include "cli/interrupt.h"

#include <memory>
#include <string>

namespace trelvix {

class CommandLayer;
class tDrawing;

/// What every command shares: the headless shell whose messages go to standard error, and the
/// defaults (read from the defaults file, never written; --scale overrides the bond length).
class CliSession
{
public:
  CliSession();
  ~CliSession();

  /// Reads the defaults file and applies the scale option when one was given (0: none).
  void loadDefaults(int scaleOption);
  /// Prints and forgets the messages shown so far, one per line, to standard error; suffix (when
  /// not empty) goes after the last one.
  void flushMessages(const std::string& suffix = {});

  /// Loads a document and makes it current; nullptr (message printed) when it cannot be read
  /// whole. A message about the file itself is followed by the path and the reason in plain words
  /// ("I/O Error  2: a.tvx: No such file or directory", "end of file: a.tvx: the file ends
  /// before its last section").
  std::unique_ptr<tDrawing> load(const std::string& path);
  /// What a load of source (a path, "standard input") gave: drawing with the reader's reason.
  /// Prints the messages shown with the reason after them; nullptr when the load failed or
  /// read the document only in part, else the drawing, made current.
  std::unique_ptr<tDrawing> accept(std::unique_ptr<tDrawing> drawing,
                                   const std::string& source,
                                   const std::string& reason);
  /// Saves drawing to path; false (message printed, with the path and the reason) on failure.
  bool save(tDrawing& drawing, const std::string& path);
  /// Saves the layer's document to path through the layer, as save does for a drawing.
  bool save(CommandLayer& layer, const std::string& path);

  CliShell& shell() { return m_shell; }

private:
  CliShell m_shell;
};

} // namespace trelvix
