#include "platform/contract/search_text.h"

namespace vx::search {
namespace {

bool isDash(QChar c)
{
    // Hyphens, the en and em dashes, the minus sign and other dash punctuation.
    return c.category() == QChar::Punctuation_Dash || c == QChar(0x2212);
}

} // namespace

QString folded(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.isMark())
            continue;
        out += isDash(c) ? QChar(u'-') : c;
    }
    return out.toCaseFolded();
}

bool contains(const QString& text, const QString& wanted)
{
    return wanted.isEmpty() || folded(text).contains(folded(wanted));
}

} // namespace vx::search
