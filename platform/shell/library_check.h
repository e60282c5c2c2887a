#pragma once

#include <QString>
#include <QStringList>

namespace shell {

// Whether a component library file may be loaded into this host, decided from
// the file alone before any of its code runs: it is a shared library, it
// exports the four entry points and it carries a description naming
// `expectedName` (any name when empty), this host's contract version and build id.
// Returns the Lithuanian refusal naming what is wrong; empty when it may be loaded.
QString refusalOf(const QString& filePath, const QString& expectedName);

// "Biblioteka FILE nėra komponentų biblioteka: trūksta A, B."
QString missingPartsText(const QString& filePath, const QStringList& missing);

} // namespace shell
