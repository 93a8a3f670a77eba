#pragma once
// The last four tapes used, at the end of the File menu above Exit: "&1 name" to "&4 name"
// (tapes of the same name with the folders that tell them apart), each with its full path as
// tool tip and status text.

#include <QList>
#include <QObject>
#include <functional>

class QAction;
class QMenu;

namespace zovrek::shell {
class RecentFiles;
}

namespace zovrek::qt {

class CMainFrame;

class RecentTapesMenu : public QObject {
    Q_OBJECT
public:
    /// Puts the (hidden) items into the menu that holds `exit`, just above it.
    RecentTapesMenu(CMainFrame& frame, QAction* exit);

    /// The list to show; `changed` keeps it after an entry has been taken off.
    void setList(shell::RecentFiles* list, std::function<void()> changed);
    /// Shows the list as it is now (done each time the menu opens).
    void update();
    /// Opens entry `index` as File Open does. A file that has gone, a folder and a name too
    /// long for the system are reported and taken off the list instead.
    void open(int index);

    /// The four items, in order; those beyond the list are hidden.
    const QList<QAction*>& items() const { return items_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CMainFrame& frame_;
    QMenu* menu_ = nullptr;
    QList<QAction*> items_;
    QAction* separator_ = nullptr;
    shell::RecentFiles* list_ = nullptr;
    std::function<void()> changed_;
};

}  // namespace zovrek::qt
