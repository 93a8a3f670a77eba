#pragma once
// The main frame's commands beyond the calculator's own menu and key table: the desktop's
// usual shortcuts shown in the menus, copy and paste, the recent tapes and the CSV export.

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <memory>

class QKeyEvent;
class QWidget;

namespace zovrek::qt {

class CMainFrame;
class ClipboardCommands;
class RecentTapesMenu;
class TapeExport;

class DesktopCommands : public QObject {
    Q_OBJECT
public:
    /// Once the frame's actions exist: gives them their keys, makes the clipboard's, and
    /// takes those keys at their turn among the program's key handlers.
    explicit DesktopCommands(CMainFrame& frame);
    ~DesktopCommands() override;

    /// Once the menus exist: the recent tapes in the File menu.
    void addToMenus();
    /// Runs one of the commands above; false when `id` is none of them.
    bool onCommand(int id);

    RecentTapesMenu& recentTapes() { return *recent_; }
    /// The CSV export, made by its first use.
    TapeExport* tapeExport() const { return export_; }

private:
    bool claim(QWidget& target, QKeyEvent& event) const;

    CMainFrame& frame_;
    QList<QKeySequence> keys_;
    std::unique_ptr<ClipboardCommands> clipboard_;
    RecentTapesMenu* recent_ = nullptr;
    TapeExport* export_ = nullptr;
};

}  // namespace zovrek::qt
