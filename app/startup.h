#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

namespace trelvix {

/// The program's name as the user reads it, in message boxes with no caption of their own.
inline constexpr const char* programCaption = "Trelvix3D";

/// Names the application ("trelvix3d") without a display name of its own: the desktop appends a
/// display name to every window caption, which already begins with the program's name.
void configureApplication();

/// The document to open at start: the last command-line argument (the program's own path when
/// there is none), cut to 79 characters, when its upper-cased copy contains ".TVX" anywhere;
/// nothing otherwise.
std::optional<std::string> startupDocumentName(const QStringList& arguments);

/// The file-name part of a document's name: the text after its last folder separator ('/', '\'
/// or ':').
QString fileNamePart(const std::string& name);

/// The window caption for a document name: "Trelvix3D [name]" right after start and after a Save
/// that ran the file dialog, "Trelvix3D [ name ]" after New, Open and Save As.
QString tightCaption(const std::string& name);
QString spacedCaption(const std::string& name);

} // namespace trelvix
