#include "app/recent_documents.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

namespace trelvix {

RecentDocuments::RecentDocuments(const QString& folder)
  : m_file(QDir(folder).filePath(QStringLiteral("recent-documents")))
{
  QFile file(m_file);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
    return;
  QTextStream in(&file);
  while (!in.atEnd() && m_paths.size() < capacity) {
    const QString line = in.readLine().trimmed();
    if (!line.isEmpty() && !m_paths.contains(line))
      m_paths << line;
  }
}

void RecentDocuments::remember(const QString& path)
{
  const QString absolute = QFileInfo(path).absoluteFilePath();
  m_paths.removeAll(absolute);
  m_paths.prepend(absolute);
  while (m_paths.size() > capacity)
    m_paths.removeLast();
  write();
}

void RecentDocuments::forget(const QString& path)
{
  if (m_paths.removeAll(QFileInfo(path).absoluteFilePath()) > 0)
    write();
}

void RecentDocuments::write() const
{
  // The list is a convenience: a folder that cannot be written only loses it.
  QDir().mkpath(QFileInfo(m_file).absolutePath());
  QSaveFile file(m_file);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
    return;
  QTextStream out(&file);
  for (const QString& path : m_paths)
    out << path << '\n';
  out.flush();
  file.commit();
}

} // namespace trelvix
