#include "platform/shell/passwords.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

namespace shell::passwords {
namespace {
constexpr int iterations = 120000;
constexpr int keyLength = 32;

QByteArray derive(const QString& password, const QByteArray& salt, int rounds)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt, rounds, keyLength);
}
} // namespace

QString hash(const QString& password)
{
    QByteArray salt(16, Qt::Uninitialized);
    QRandomGenerator::system()->generate(salt.begin(), salt.end());
    return QStringLiteral("pbkdf2-sha256$%1$%2$%3")
        .arg(iterations)
        .arg(QString::fromLatin1(salt.toBase64()), QString::fromLatin1(derive(password, salt, iterations).toBase64()));
}

bool matches(const QString& password, const QString& stored)
{
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4 || parts.at(0) != QLatin1String("pbkdf2-sha256"))
        return false;
    bool ok = false;
    const int rounds = parts.at(1).toInt(&ok);
    if (!ok || rounds < 1)
        return false;
    const QByteArray salt = QByteArray::fromBase64(parts.at(2).toLatin1());
    const QByteArray expected = QByteArray::fromBase64(parts.at(3).toLatin1());
    const QByteArray actual = derive(password, salt, rounds);
    // Compare without stopping at the first difference.
    if (actual.size() != expected.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < actual.size(); ++i)
        difference |= static_cast<unsigned char>(actual.at(i) ^ expected.at(i));
    return difference == 0;
}

} // namespace shell::passwords
