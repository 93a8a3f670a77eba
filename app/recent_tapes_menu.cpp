#include "app/recent_tapes_menu.h"

#include <QAction>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMenu>
#include <QToolTip>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "app/calculator_view.h"
#include "app/main_frame.h"
#include "menus/desktop_commands.h"
#include "shell/qt/modal.h"
#include "shell/recent_files.h"
#include "tape/qt/file_names.h"
#include "tape/qt/tape_printing.h"

namespace zovrek::qt {
namespace {

QString fromPath(const std::filesystem::path& path) { return displayName(path.native()); }

/// Why an entry can never open, so that it leaves the list; empty while it may. A folder that
/// can't be looked into is no proof: the open reports what it finds and the entry stays.
QString neverOpens(const std::filesystem::path& path) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (ec == std::errc::filename_too_long)
        return RecentTapesMenu::tr("the name is too long for the system");
    if (status.type() == std::filesystem::file_type::not_found)
        return RecentTapesMenu::tr("the file is no longer there");
    if (!ec && std::filesystem::is_directory(status))
        return RecentTapesMenu::tr("it is a folder, not a tape");
    return {};
}

}  // namespace

RecentTapesMenu::RecentTapesMenu(CMainFrame& frame, QAction* exit) : QObject(&frame), frame_(frame) {
    for (QObject* o : exit->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(o)) menu_ = menu;
    for (int i = 0; i < cmd::RecentFileCount; ++i) {
        auto* item = new QAction(this);
        const int id = cmd::RecentFile1 + i;
        connect(item, &QAction::triggered, this, [this, id] { frame_.runCommand(id); });
        item->setVisible(false);
        menu_->insertAction(exit, item);
        items_.push_back(item);
    }
    separator_ = menu_->insertSeparator(exit);
    separator_->setVisible(false);
    connect(menu_, &QMenu::aboutToShow, this, &RecentTapesMenu::update);
    menu_->installEventFilter(this);
}

void RecentTapesMenu::setList(shell::RecentFiles* list, std::function<void()> changed) {
    list_ = list;
    changed_ = std::move(changed);
    update();
}

void RecentTapesMenu::update() {
    const std::size_t count = list_ ? list_->files().size() : 0;
    const std::vector<std::string> names = list_ ? list_->shownNames() : std::vector<std::string>{};
    const bool previewing = frame_.printing().previewing();
    for (int i = 0; i < items_.size(); ++i) {
        QAction* item = items_[i];
        const auto index = static_cast<std::size_t>(i);
        item->setVisible(index < count);
        if (index >= count) continue;
        const std::filesystem::path& path = list_->files()[index];
        // A long name is shortened in its middle, so the menu keeps its width and the name
        // keeps both ends (the folder that tells it from another of that name, and its own
        // name); the tool tip has it whole.
        const QFontMetrics metrics = menu_->fontMetrics();
        QString name = metrics.elidedText(displayName(names[index]), Qt::ElideMiddle,
                                          metrics.averageCharWidth() * 32);
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        item->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        item->setToolTip(fromPath(path));
        item->setStatusTip(fromPath(path));
        // While the preview shows, the calculator's file commands rest.
        item->setEnabled(!previewing);
    }
    separator_->setVisible(count > 0);
}

void RecentTapesMenu::open(int index) {
    if (!list_ || index < 0 || static_cast<std::size_t>(index) >= list_->files().size() ||
        frame_.printing().previewing())
        return;
    const std::filesystem::path path = list_->files()[static_cast<std::size_t>(index)];
    if (const QString why = neverOpens(path); !why.isEmpty()) {
        Modal::message(&frame_, QMessageBox::Warning, QStringLiteral("ZOVREK"),
                       tr("Could not open \"%1\": %2. It has been taken off the list of recent "
                          "tapes.")
                           .arg(fromPath(path), why));
        list_->remove(path);
        if (changed_) changed_();
        update();
        return;
    }
    CZOVREKView& view = frame_.view();
    view.fileDialogs().chooseNextOpen(path);
    view.fileCommands().onFileOpen();
    // Cancel at "Save Tape?" ends the command before the path is taken.
    view.fileDialogs().forgetNextOpen();
}

bool RecentTapesMenu::eventFilter(QObject* watched, QEvent* event) {
    // Only the recent tapes show a tool tip in the menu: the others would repeat their text.
    if (watched != menu_ || event->type() != QEvent::ToolTip) return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    QAction* action = menu_->actionAt(help->pos());
    if (action && items_.contains(action))
        QToolTip::showText(help->globalPos(), action->toolTip(), menu_);
    else
        QToolTip::hideText();
    return true;
}

}  // namespace zovrek::qt
