#pragma once

#include <QDate>
#include <QList>
#include <QMetaType>
#include <QPair>
#include <QString>
#include <QVariant>

namespace vx {

// Outcome of Read and Save: Code 0 means success, otherwise Message says why.
struct Status {
    int Code = 0;
    QString Message;

    bool ok() const { return Code == 0; }
    static Status success() { return {}; }
    static Status failure(const QString& message, int code = 1) { return {code, message}; }
};

// Outcome of named properties, methods and calls: Value carries the answer
// (a record set, an editor, a card, a period record or a list of values).
struct CallResult {
    int Code = 0;
    QString Message;
    QVariant Value;

    bool ok() const { return Code == 0; }
    static CallResult success(QVariant value = {}) { return {0, QString(), std::move(value)}; }
    static CallResult failure(const QString& message, int code = 1) { return {code, message, QVariant()}; }
};

struct MenuItem {
    QString Caption;
    QString Key;
    QVariantList SubItems; // always empty
    bool Flag = false;     // always false

    friend bool operator==(const MenuItem&, const MenuItem&) = default;
};
using MenuItems = QList<MenuItem>;

// What the host does after a menu click.
enum ClickAction : int {
    ActionNothing = 0,
    ActionShowCard = 1,   // Value holds a CardRef
    ActionDeleted = 2,
    ActionShowList = 4,   // Value holds a QVariantList {record set, filter text}
    ActionReloadList = 5,
};

struct ClickResult {
    int Action = ActionNothing;
    QVariant Value;
};

struct ComponentEntry {
    QString Info; // always empty
    QString Key;
    QString Caption;
    int Kind = 0;

    friend bool operator==(const ComponentEntry&, const ComponentEntry&) = default;
};
using ComponentEntries = QList<ComponentEntry>;

// The period a list of trip sheets is limited to. The fifth member, Caption, is
// the host's own description of the chosen period (for example
// "2026.11.01 – 2026.11.30" or "Paskutinės 30 d."); the module only copies and
// compares it, so choosing the same dates under another description still
// counts as a change of view.
struct PeriodRecord {
    QDate PeriodFrom;
    QDate PeriodTo;
    qint16 DaysBack = 0;
    bool UsePeriod = false;
    QString Caption;

    friend bool operator==(const PeriodRecord&, const PeriodRecord&) = default;
};

// Icon key -> icon resource name, in insertion order: names only, the host
// loads the icons.
using IconTable = QList<QPair<QString, QString>>;

} // namespace vx

Q_DECLARE_METATYPE(vx::PeriodRecord)
Q_DECLARE_METATYPE(vx::MenuItem)
