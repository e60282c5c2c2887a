#pragma once

#include "platform/contract/vx_object_ui.h"
#include "platform/contract/vx_object_uio.h"
#include "platform/contract/vx_services.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <QWidget>

class QTreeWidget;

namespace vx {

// The host's property grid: edits the fields of the records it is given, one
// caption and one editor per field, and saves them. The concrete control is
// the host's (created through HostFactory::createGridControl); a module sees
// only this interface.
//
// The grid holds one record (a card's editor) or several (one row each, for
// editing a list of records in one place); the current record is the one its
// fields show. Typing into a field writes the value into that record's
// `Fields` at once and then tells so (fieldChanged); nothing is stored until
// save(). Besides the record's own page the grid can carry further pages, each
// a report list its owner fills.
class VxGridControl : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    ~VxGridControl() override;

    // The host's services; references are chosen through the host's selector.
    virtual void setVxS(const VxSPtr& services) = 0;
    // One record to edit; it becomes the current record.
    virtual void setVxObjectUIO(const VxObjectUIOPtr& editor) = 0;
    // Several records, one row each; `current` (clamped) becomes the current record.
    virtual void setVxObjects(const QList<VxObjectUIOPtr>& editors, int current = 0) = 0;
    virtual QList<VxObjectUIOPtr> vxObjects() const = 0;

    // The width of the caption column in twips (15 twips to a pixel).
    virtual void setCaptionWidth(int twips) = 0;
    virtual int captionWidth() const = 0;

    // Adds a page after the record's own page and returns its report list,
    // which the grid owns. Pages are numbered from 0, the record's page first.
    virtual QTreeWidget* addPage(const QString& caption, const QString& key) = 0;
    // Shows the current record's fields; called once the record and pages are set.
    virtual void showRecord() = 0;

    // The record the fields show; none before a record is given.
    virtual VxObjectUIOPtr currentRecord() const = 0;
    virtual int currentRow() const = 0;
    virtual void setCurrentRow(int row) = 0;

    // Shows a field of the current record again from its `Fields` (after the
    // owner wrote it); tells nothing back.
    virtual void refreshField(const QString& fieldName) = 0;

    // Saves every record that changed; 0 when all are saved, otherwise the
    // code of the first refusal, whose reason errorText() gives. The refused
    // record becomes the current one.
    virtual int save() = 0;
    virtual QString errorText() const = 0;

signals:
    // A field of the current record changed: its name and its new value.
    void fieldChanged(const QString& fieldName, const QVariant& value);
    // Another record became the current one.
    void currentRowChanged(int row);
    // A page was selected (its index, the record's page being 0).
    void pageSelected(int index);
    // A mouse button was pressed over a page's tab or its list.
    void pageMouseDown(Qt::MouseButton button, const QString& pageKey);
};

} // namespace vx
