#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>

#include <memory>

class QMainWindow;
class QSplitter;
class QTreeView;

namespace shell {

class HostServices;

// Remembers, per user in the store's settings, the sizes a user gave: the
// main window's geometry and splitter, each list's column widths and sort
// (per listed object type), and the size of every card and dialog window
// (a top-level window named "frm…", or after its "sizeKey" property). Sizes
// come back when the window or list is shown again, after a restart too.
// A read-only store remembers nothing, so closing a window never fails.
class WindowMemory final : public QObject {
    Q_OBJECT
public:
    // Watches every window of the application from now on.
    WindowMemory(std::shared_ptr<HostServices> services, QObject* parent);

    void restoreMainWindow(QMainWindow& window, QSplitter& splitter);
    void saveMainWindow(const QMainWindow& window, const QSplitter& splitter);

    // False when nothing is stored for the list of this type.
    bool restoreColumns(const QString& listType, QTreeView& view);
    void saveColumns(const QString& listType, const QTreeView& view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString read(const QString& section, const QString& key) const;
    void save(const QString& section, const QString& key, const QString& value);

    std::shared_ptr<HostServices> services_;
};

} // namespace shell
