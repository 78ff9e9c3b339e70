#pragma once

#include <QString>
#include <string>

namespace trelvix {

/// The most characters an editor's text line takes for a label.
inline constexpr int editorTextLength = 64;

/// text as the document keeps it: UTF-8, cut at a whole character to at most bytes bytes, so a
/// stored label never ends in half a character.
inline std::string documentText(const QString& text, int bytes = editorTextLength)
{
  QString fit = text;
  QByteArray utf8 = fit.toUtf8();
  while (utf8.size() > bytes) {
    fit.chop(fit.size() >= 2 && fit.at(fit.size() - 1).isLowSurrogate() ? 2 : 1);
    utf8 = fit.toUtf8();
  }
  return utf8.toStdString();
}

} // namespace trelvix
