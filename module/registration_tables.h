#pragma once

#include <QList>
#include <QString>

// The module's fixed registration tables: nothing here is read from storage.
namespace module {

inline constexpr char libraryNameText[] = "Kelmira";
inline const QString libraryName = QLatin1String(libraryNameText);
inline const QString layoutId = QStringLiteral("L40010011");
inline const QString layoutKey = QStringLiteral("CTransportLayout");
inline const QString layoutCaption = QStringLiteral("Transportas");

struct ObjectTypeEntry {
    QString typeId;
    QString caption;
};

struct TreeNodeEntry {
    QString key;
    QString caption;
    QString nodeType;
    QString shows; // what the node shows: an object type id, possibly with a parameter
};

struct IconEntry {
    QString key;
    QString resourceName;
};

struct ComponentRow {
    QString key;
    QString caption;
    int kind;
};

const QList<ObjectTypeEntry>& objectTypes();
const QList<TreeNodeEntry>& treeNodes();
const QList<IconEntry>& mainIcons();
const QList<IconEntry>& icons();
const QList<ComponentRow>& securityComponents();

// "DLL|L40010011": the key of the module as a whole.
QString moduleComponentKey();
// The reports node: key "CVxReportLock" + the trip sheet type, showing the
// host's reports for that type.
QString reportsNodeKey();
QString reportsNodeShows();

// The list controller and editor class names of an object type id.
QString listControllerClass(const QString& typeId);
QString editorClass(const QString& typeId);

} // namespace module
