#include "platform/shell/window_memory.h"

#include "platform/shell/host_services.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QMainWindow>
#include <QScopeGuard>
#include <QScreen>
#include <QSplitter>
#include <QTreeView>

namespace shell {
namespace {

const QString hostType = QStringLiteral("Kelmira");
const QString windowsSection = QStringLiteral("Windows");
const QString mainSection = QStringLiteral("MainWindow");
const QString listSection = QStringLiteral("List");
const char* shownSizeProperty = "rememberedShownSize";
const char* shownColumnsProperty = "rememberedShownColumns";

QString numbers(const QList<int>& values)
{
    QStringList texts;
    for (int v : values)
        texts << QString::number(v);
    return texts.join(QLatin1Char(','));
}

QList<int> numbersOf(const QString& text)
{
    QList<int> values;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int v = part.toInt(&ok);
        if (!ok || v < 0)
            return {};
        values << v;
    }
    return values;
}

// The key a window's size is kept under; empty for windows that are no card or dialog.
QString windowKey(const QWidget* widget)
{
    if (!widget->isWindow())
        return {};
    const QString key = widget->property("sizeKey").toString();
    if (!key.isEmpty())
        return key;
    return widget->objectName().startsWith(QLatin1String("frm")) ? widget->objectName() : QString();
}

// A list's columns as they are kept: "widths;sort column;order", e.g.
// "120,80,64;2;1".
QString columnsText(const QTreeView& view)
{
    const QHeaderView* header = view.header();
    QList<int> widths;
    for (int c = 0; c < header->count(); ++c)
        widths << header->sectionSize(c);
    const int column = view.isSortingEnabled() ? header->sortIndicatorSection() : -1;
    const int order = header->sortIndicatorOrder() == Qt::DescendingOrder ? 1 : 0;
    return QStringLiteral("%1;%2;%3").arg(numbers(widths)).arg(column).arg(order);
}

} // namespace

WindowMemory::WindowMemory(std::shared_ptr<HostServices> services, QObject* parent)
    : QObject(parent), services_(std::move(services))
{
    qApp->installEventFilter(this);
}

QString WindowMemory::read(const QString& section, const QString& key) const
{
    return services_ ? services_->Environment().GetSetting(hostType, key, QString(), section) : QString();
}

void WindowMemory::save(const QString& section, const QString& key, const QString& value)
{
    if (services_ && !services_->session()->readOnly() && read(section, key) != value)
        services_->Environment().SaveSetting(hostType, key, value, section);
}

void WindowMemory::restoreMainWindow(QMainWindow& window, QSplitter& splitter)
{
    const QByteArray geometry = QByteArray::fromBase64(read(mainSection, QStringLiteral("Geometry")).toLatin1());
    if (!geometry.isEmpty())
        window.restoreGeometry(geometry);
    const QList<int> sizes = numbersOf(read(mainSection, QStringLiteral("Splitter")));
    if (sizes.size() == splitter.count())
        splitter.setSizes(sizes);
}

void WindowMemory::saveMainWindow(const QMainWindow& window, const QSplitter& splitter)
{
    save(mainSection, QStringLiteral("Geometry"), QString::fromLatin1(window.saveGeometry().toBase64()));
    save(mainSection, QStringLiteral("Splitter"), numbers(splitter.sizes()));
}

// A list whose columns changed since takes the widths of the columns it still has.
bool WindowMemory::restoreColumns(const QString& listType, QTreeView& view)
{
    const QStringList parts = read(listSection, listType).split(QLatin1Char(';'));
    const auto shown = qScopeGuard([&view] { view.setProperty(shownColumnsProperty, columnsText(view)); });
    if (parts.size() != 3)
        return false;
    const QList<int> widths = numbersOf(parts.at(0));
    QHeaderView* header = view.header();
    for (int c = 0; c < std::min<int>(widths.size(), header->count()); ++c)
        if (widths.at(c) > 0)
            header->resizeSection(c, widths.at(c));
    bool ok = false;
    const int column = parts.at(1).toInt(&ok);
    if (ok && column < header->count())
        view.sortByColumn(column, parts.at(2) == QLatin1String("1") ? Qt::DescendingOrder : Qt::AscendingOrder);
    return true;
}

void WindowMemory::saveColumns(const QString& listType, const QTreeView& view)
{
    // Widths fitted to the rows are no choice of the user's: only a change is kept.
    const QString columns = columnsText(view);
    if (listType.isEmpty() || view.header()->count() == 0 || columns == view.property(shownColumnsProperty).toString())
        return;
    save(listSection, listType, columns);
}

// A window gets its size back as it is shown (never larger than the screen
// leaves free) and keeps the size it is hidden with, when the user changed it.
bool WindowMemory::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) && !event->spontaneous() && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        const QString key = windowKey(widget);
        if (!key.isEmpty() && event->type() == QEvent::Show) {
            const QList<int> size = numbersOf(read(windowsSection, key));
            if (size.size() == 2) {
                QSize wanted(size.at(0), size.at(1));
                if (const QScreen* screen = widget->screen())
                    wanted = wanted.boundedTo(screen->availableGeometry().size());
                widget->resize(wanted);
            }
            widget->setProperty(shownSizeProperty, widget->size());
        } else if (!key.isEmpty() && widget->property(shownSizeProperty).toSize() != widget->size()) {
            save(windowsSection, key, numbers({widget->width(), widget->height()}));
            widget->setProperty(shownSizeProperty, widget->size());
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace shell
