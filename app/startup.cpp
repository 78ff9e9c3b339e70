#include "app/startup.h"

#include <QCoreApplication>

namespace trelvix {

namespace {
constexpr qsizetype maxNameLength = 79;
} // namespace

void configureApplication()
{
  QCoreApplication::setApplicationName(QStringLiteral("trelvix3d"));
}

std::optional<std::string> startupDocumentName(const QStringList& arguments)
{
  if (arguments.isEmpty())
    return std::nullopt;
  const QString name = arguments.last().left(maxNameLength);
  if (!name.toUpper().contains(QStringLiteral(".TVX")))
    return std::nullopt;
  return name.toStdString();
}

QString fileNamePart(const std::string& name)
{
  const QString full = QString::fromStdString(name);
  qsizetype cut = -1;
  for (const QChar sep : { QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(':') })
    cut = std::max(cut, full.lastIndexOf(sep));
  return full.mid(cut + 1);
}

QString tightCaption(const std::string& name)
{
  return QStringLiteral("Trelvix3D [%1]").arg(fileNamePart(name));
}

QString spacedCaption(const std::string& name)
{
  return QStringLiteral("Trelvix3D [ %1 ]").arg(fileNamePart(name));
}

} // namespace trelvix
