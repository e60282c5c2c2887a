#pragma once

#include "module/card_pattern/card_base.h"
#include "platform/contract/host_records.h"

class QAction;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class QTreeWidget;

namespace vx {
class VxGridControl;
}

// The route segment card, for a segment of the route catalogue or a group of
// segments. The record's own fields are edited in the host's property grid;
// the card adds the frame around it: the parent group, saving and cancelling,
// a new record in the same group, deleting and closing, and for a segment the
// page "Kelionės lapai" with the trip sheets whose route lines used it within
// the user's period.
//
// Files: the card, loading, the parent group, saving and the panel buttons
// (route_card.cpp); the traffic page, its menu and its period
// (route_card_traffic.cpp).
class frmTransportRoute final : public CardBase {
    Q_OBJECT
public:
    frmTransportRoute();
    ~frmTransportRoute() override;

    bool isGroup() const { return isGroup_; }
    bool isNew() const;
    const vx::PeriodRecord& period() const { return period_; }
    // The traffic page's list; null for a group.
    QTreeWidget* trafficList() const { return traffic_; }
    // The menu of the traffic page, as the next right-click there would show it.
    QMenu* trafficMenu() const { return mnuMain; }
    // Runs the traffic page's menu item as if chosen.
    void runTrafficMenu(QAction* item);
    // What the traffic page asks "TripRoutes" for: the segment and the period's dates.
    QString trafficParameter() const;
    // A host window showing the card while its caller waits: the card lets it
    // go after its next save.
    bool setShowVxObject(const vx::VxShowVxObjectPtr& window) override;

    QGroupBox* SOPanel = nullptr;
    vx::VxGridControl* VxGrid = nullptr;
    QLineEdit* txtGroup = nullptr;
    QToolButton* cmdParentGroup = nullptr;
    QPushButton* cmdEnter = nullptr;
    QPushButton* cmdCancel = nullptr;
    QToolButton* SSCNew = nullptr;
    QToolButton* SSCClose = nullptr;
    QMenu* mnuMain = nullptr;
    QAction* mnuToDeskTop = nullptr;
    QAction* mnuPreview = nullptr;
    QAction* mnuRefresh = nullptr;

protected:
    void loadForm() override;
    QString closingDetails() const override;
    // Unsaved changes are what "Įrašyti" would save.
    bool hasUnsavedChanges() const override;
    // Deleting from the close button asks with the segment's name and needs a saved record.
    void deleteRecord(const QString& component) override;

private:
    void buildControls();
    void showTitle();
    void setEditing(bool editing);
    void showParent();
    QString askParentGroup();
    void chooseParent();
    void write();
    void cancel();
    void newRecord();

    // route_card_traffic.cpp
    void buildTrafficMenu();
    void fillTraffic();
    void pageSelected(int index);
    void pageMouseDown(Qt::MouseButton button, const QString& key);
    void putOnDesktop();
    void choosePeriod();

    qint64 parent_ = 0;
    bool isGroup_ = false;
    QTreeWidget* traffic_ = nullptr;
    int trafficIndex_ = -1;
    int page_ = 0;
    vx::PeriodRecord period_;
    vx::VxShowVxObjectPtr showVxObject_;
};
