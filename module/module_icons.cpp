#include "module/module_icons.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace module {
namespace {
QString resourcePath(const QString& name)
{
    return QStringLiteral(":/kelmira/icons/%1.svg").arg(name);
}
} // namespace

QStringList iconResourceNames()
{
    return {QStringLiteral("CLOCK"),
            QStringLiteral("LAYOUT"),
            QStringLiteral("TRANSPORTCAR"),
            QStringLiteral("TRANSPORTCARFUELNORM"),
            QStringLiteral("TRANSPORTCHEQUE"),
            QStringLiteral("TRANSPORTTRIP"),
            QStringLiteral("TRANSPORTTRIPFUELTANK"),
            QStringLiteral("TRANSPORTTRIPROUTE"),
            QStringLiteral("TRANSPORTTYRE"),
            QStringLiteral("TRANSPORTTYREHISTORY")};
}

bool hasIconResource(const QString& name)
{
    return QFile::exists(resourcePath(name));
}

QIcon loadIcon(const QString& name)
{
    // Rendered here rather than through an icon-engine plugin, so the icons
    // do not depend on which image plugins the machine has.
    QSvgRenderer renderer(resourcePath(name));
    if (!renderer.isValid())
        return QIcon();
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

vx::Picture picture(const QString& name)
{
    return {name, loadIcon(name)};
}

} // namespace module
