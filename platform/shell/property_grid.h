#pragma once

#include "platform/bo/object_types.h"
#include "platform/bo/session.h"
#include "platform/contract/vx_grid_control.h"

#include <QHash>
#include <QSet>

class QListWidget;
class QTabWidget;
class QTableWidget;

namespace shell {

// The host's property grid over the session's store, owned by `parent`.
vx::VxGridControl* createPropertyGrid(const bo::SessionPtr& session, QWidget* parent);

// The host's property grid: a page of two columns, the field's caption and an
// editor by the field's type (text, number, date, check, a chooser of the
// referenced record through the host's object selector), for the current
// record; with several records a list of rows beside it picks the current one.
// Further pages hold report lists their owner fills.
class PropertyGrid final : public vx::VxGridControl {
    Q_OBJECT
public:
    PropertyGrid(bo::SessionPtr session, QWidget* parent = nullptr);

    void setVxS(const vx::VxSPtr& services) override { services_ = services; }
    void setVxObjectUIO(const vx::VxObjectUIOPtr& editor) override;
    void setVxObjects(const QList<vx::VxObjectUIOPtr>& editors, int current = 0) override;
    QList<vx::VxObjectUIOPtr> vxObjects() const override { return records_; }
    void setCaptionWidth(int twips) override;
    int captionWidth() const override { return captionTwips_; }
    QTreeWidget* addPage(const QString& caption, const QString& key) override;
    void showRecord() override;
    vx::VxObjectUIOPtr currentRecord() const override;
    int currentRow() const override { return current_; }
    void setCurrentRow(int row) override;
    void refreshField(const QString& fieldName) override;
    int save() override;
    QString errorText() const override { return error_; }

    // The editor of a field of the current record ("txtDistance", "selUserID", ...).
    QWidget* fieldEditor(const QString& fieldName) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        bo::ColumnDef column;
        QWidget* editor = nullptr;
    };
    void showRows();
    void fillRecordList();
    void editorChanged(const QString& fieldName);
    QString pageKeyOf(QObject* watched, const QPoint& position) const;

    bo::SessionPtr session_;
    vx::VxSPtr services_;
    QList<vx::VxObjectUIOPtr> records_;
    int current_ = -1;
    int captionTwips_ = 2000;
    QTabWidget* pages_ = nullptr;
    QListWidget* recordList_ = nullptr;
    QTableWidget* table_ = nullptr;
    QList<Row> rows_;
    QStringList pageKeys_;
    QSet<int> changed_;                        // rows of records written since the last save
    QHash<int, QHash<QString, QString>> typed_; // text that is no number, by row and field
    QString error_;
    bool showing_ = false;
};

} // namespace shell
