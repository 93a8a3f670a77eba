#include "app/application.h"

#include "engine/command_ids.h"
#include "app/calculator_view.h"
#include "app/desktop_commands.h"
#include "app/recent_tapes_menu.h"
#include "app/frame_dialogs.h"
#include "shell/qt/sound/sound_player.h"
#include "shell/settings_files.h"

namespace zovrek::qt {

CZOVREKApp::CZOVREKApp() : m_sound(std::make_unique<SoundPlayer>()) {}

CZOVREKApp::~CZOVREKApp() = default;

bool CZOVREKApp::InitInstance(const QStringList& files) {
    const std::filesystem::path recentFile = shell::settingsFolder() / shell::kRecentFilesName;
    m_recentFiles = shell::RecentFiles::load(recentFile);
    m_frame = std::make_unique<CMainFrame>(m_document, *m_sound, *this);
    CZOVREKView& view = m_frame->view();
    view.fileDialogs().onRecentFile = [this, recentFile](const std::filesystem::path& path) {
        m_recentFiles.add(path);
        m_recentFiles.save(recentFile);
    };
    m_frame->desktopCommands().recentTapes().setList(
        &m_recentFiles, [this, recentFile] { m_recentFiles.save(recentFile); });
    view.OnInitialUpdate();
    if (!files.isEmpty()) {
        // Read by the framework's open alone: the text goes on the tape, the display keeps
        // its start-up value.
        if (!view.fileCommands().openDocumentFile(files.front().toStdString())) return false;
    }
    m_frame->updateState();
    m_frame->show();
    return true;
}

bool CZOVREKApp::onAppCommand(int id) {
    QWidget* parent = m_frame.get();
    switch (id) {
    case cmd::About: runDialog<CAboutDlg>(parent); return true;
    case cmd::ShortcutKeys: runDialog<CShortcutKeysDlg>(parent); return true;
    default: return false;
    }
}

}  // namespace zovrek::qt
