#include "platform/shell/script/script_controls.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>

namespace shell::script {
namespace {

bool isNamed(const QWidget* w)
{
    return !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"));
}

// A caption as the program shows it: a mnemonic's marker is not shown, "&&" shows one "&".
QString shown(const QString& caption)
{
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && ++i == caption.size())
            break;
        text += caption.at(i);
    }
    return text;
}

std::optional<QString> textOf(QWidget* w)
{
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* e = qobject_cast<QTextEdit*>(w))
        return e->toPlainText();
    if (auto* e = qobject_cast<QPlainTextEdit*>(w))
        return e->toPlainText();
    if (auto* c = qobject_cast<QComboBox*>(w))
        return c->currentText();
    if (auto* s = qobject_cast<QAbstractSpinBox*>(w))
        return s->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return shown(b->text());
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return shown(g->title());
    if (auto* t = qobject_cast<QTabWidget*>(w))
        return shown(t->tabText(t->currentIndex()));
    if (w->isWindow())
        return w->windowTitle();
    return std::nullopt;
}

std::optional<QString> captionOf(QWidget* w)
{
    if (w->isWindow())
        return w->windowTitle();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return shown(g->title());
    if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w))
        return textOf(w);
    // A card on the desktop is captioned by its tab.
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(p)) {
            const int index = tabs->indexOf(w);
            if (index >= 0)
                return shown(tabs->tabText(index));
        }
    return std::nullopt;
}

std::optional<bool> checkedOf(QWidget* w)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isCheckable())
        return b->isChecked();
    if (auto* g = qobject_cast<QGroupBox*>(w); g && g->isCheckable())
        return g->isChecked();
    return std::nullopt;
}

QModelIndex searchRows(const QAbstractItemModel* model, const QModelIndex& parent, const QString& key, int role)
{
    for (int r = 0; r < model->rowCount(parent); ++r) {
        const QModelIndex index = model->index(r, 0, parent);
        if (index.data(role).toString() == key)
            return index;
        const QModelIndex found = searchRows(model, index, key, role);
        if (found.isValid())
            return found;
    }
    return {};
}

std::optional<QString> cell(QWidget* w, const QString& property, QString* error)
{
    auto* view = qobject_cast<QAbstractItemView*>(w);
    const QStringList parts = property.split(QLatin1Char(':'));
    bool columnOk = false;
    const int column = parts.size() == 3 ? parts.at(2).toInt(&columnOk) : -1;
    if (!view || !view->model() || !columnOk) {
        *error = view ? QStringLiteral("write cell:KEY:N or cell:#R:N") : QStringLiteral("%1 is not a list").arg(w->objectName());
        return std::nullopt;
    }
    QModelIndex row;
    if (parts.at(1).startsWith(QLatin1Char('#')))
        row = view->model()->index(parts.at(1).mid(1).toInt(), 0, view->rootIndex());
    else
        row = findRow(view, parts.at(1));
    if (!row.isValid() || column < 0 || column >= view->model()->columnCount(row.parent())) {
        *error = QStringLiteral("%1 has no cell %2:%3").arg(w->objectName(), parts.at(1)).arg(column);
        return std::nullopt;
    }
    return row.siblingAtColumn(column).data().toString();
}

} // namespace

QString boolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QWidget* findControl(QWidget* root, const QString& name)
{
    if (!root)
        return nullptr;
    if (root->objectName() == name)
        return root;
    return root->findChild<QWidget*>(name);
}

QModelIndex findRow(QAbstractItemView* view, const QString& key)
{
    const QAbstractItemModel* model = view->model();
    if (!model)
        return {};
    const QModelIndex byKey = searchRows(model, view->rootIndex(), key, Qt::UserRole);
    return byKey.isValid() ? byKey : searchRows(model, view->rootIndex(), key, Qt::DisplayRole);
}

std::optional<QString> readProperty(QWidget* w, const QString& property, QString* error)
{
    std::optional<QString> value;
    if (property == QLatin1String("text"))
        value = textOf(w);
    else if (property == QLatin1String("caption"))
        value = captionOf(w);
    else if (property == QLatin1String("tooltip"))
        value = w->toolTip();
    else if (property == QLatin1String("enabled"))
        value = boolText(w->isEnabled());
    else if (property == QLatin1String("visible"))
        value = boolText(w->isVisibleTo(w->window()) && !w->window()->isHidden());
    else if (property == QLatin1String("checked")) {
        if (const std::optional<bool> checked = checkedOf(w))
            value = boolText(*checked);
    } else if (property == QLatin1String("rows")) {
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model())
            value = QString::number(view->model()->rowCount(view->rootIndex()));
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            value = QString::number(combo->count());
    } else if (property.startsWith(QLatin1String("cell:"))) {
        return cell(w, property, error);
    } else {
        *error = QStringLiteral("unknown property %1").arg(property);
        return std::nullopt;
    }
    if (!value)
        *error = QStringLiteral("%1 (%2) has no %3").arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()), property);
    return value;
}

QString focusedControl(QWidget* root)
{
    // The window's focused control, kept while another window is active.
    for (QWidget* w = root->window()->focusWidget(); w && (w == root || root->isAncestorOf(w)); w = w->parentWidget())
        if (isNamed(w))
            return w->objectName();
    return {};
}

QStringList describeControls(QWidget* root)
{
    QList<QWidget*> ordered;
    for (QWidget* w = root->nextInFocusChain(); w && w != root; w = w->nextInFocusChain())
        if (root->isAncestorOf(w) && isNamed(w) && (w->focusPolicy() & Qt::TabFocus) && !ordered.contains(w))
            ordered << w;
    for (QWidget* w : root->findChildren<QWidget*>())
        if (isNamed(w) && !ordered.contains(w))
            ordered << w;
    QStringList lines;
    for (QWidget* w : ordered) {
        const std::optional<bool> checked = checkedOf(w);
        QString text = textOf(w).value_or(QString());
        text.replace(QLatin1Char('\n'), QStringLiteral("\\n")).replace(QLatin1Char('\r'), QStringLiteral("\\r"));
        lines << QStringList{w->objectName(), QString::fromLatin1(w->metaObject()->className()), text,
                             QStringLiteral("enabled=") + boolText(w->isEnabled()),
                             QStringLiteral("visible=") + boolText(w->isVisibleTo(root)),
                             QStringLiteral("checked=") + (checked ? boolText(*checked) : QStringLiteral("-"))}
                     .join(QLatin1Char('\t'));
    }
    return lines;
}

} // namespace shell::script
