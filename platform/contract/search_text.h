#pragma once

#include <QString>

// Searching as people type: a search for "zil" finds "Žilinskas", "siauliai"
// finds "Šiauliai" and "-" finds a dash of any kind. Both the text searched
// and the text looked for are folded the same way, then compared as they are.
namespace vx::search {

// Lower case, letters without their marks (ą č ę ė į š ų ū ž and others),
// every dash and minus as "-".
QString folded(const QString& text);

// Whether `text` holds `wanted` once both are folded; an empty `wanted` is in every text.
bool contains(const QString& text, const QString& wanted);

} // namespace vx::search
