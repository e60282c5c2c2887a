#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace shell {

// What the host learns from a component library's file without loading it:
// the symbols it exports and the bytes of one named section.
struct LibraryFile {
    QString error;               // why the file is no shared library this host can read; empty otherwise
    QStringList exportedSymbols; // defined symbols of its dynamic symbol table
    QByteArray section;          // the asked-for section; empty when the file has none
};

// Reads a 64-bit little-endian ELF shared library, as this host is built.
LibraryFile readLibraryFile(const QString& filePath, const char* sectionName);

} // namespace shell
