#pragma once

#include <QString>
#include <QStringList>

namespace trelvix {

/// The documents opened or saved last, newest first: at most ten absolute paths, kept one a line
/// in the file "recent-documents" beside the defaults file, so the list outlives the session.
class RecentDocuments
{
public:
  static constexpr int capacity = 10;

  /// Reads the list from the file in folder (empty when there is none).
  explicit RecentDocuments(const QString& folder);

  const QStringList& paths() const { return m_paths; }
  /// Puts path first (once), drops what falls beyond ten and writes the file.
  void remember(const QString& path);
  /// Takes path out (a document that no longer opens) and writes the file.
  void forget(const QString& path);

private:
  void write() const;

  QString m_file;
  QStringList m_paths;
};

} // namespace trelvix
