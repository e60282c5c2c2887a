#pragma once

#include <QString>

// What the user is told once a document has been written from a template.
namespace documents {

// Whether the desktop names a program that opens files like this one. On a
// desktop following the freedesktop rules it is asked ("xdg-mime"); without
// an answer no program is known. Elsewhere one is assumed.
bool desktopOpens(const QString& path);

// Opens the written document where a program for it is known, then tells the
// file written, with "Atidaryti aplanką" for its folder, and says so when no
// program opens documents of its kind.
void tellWritten(const QString& path, const QString& title);

} // namespace documents
