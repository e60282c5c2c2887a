#pragma once

#include <QString>

// Passwords are kept only as salted, slow hashes:
// "pbkdf2-sha256$<iterations>$<salt, base64>$<hash, base64>".
namespace shell::passwords {

QString hash(const QString& password);
bool matches(const QString& password, const QString& stored);

} // namespace shell::passwords
