#include "app/application.h"

#include "engine/command_ids.h"
#include "app/calculator_view.h"
#include "app/desktop_commands.h"
#include "app/recent_tapes_menu.h"
#include "app/frame_dialogs.h"
#include "shell/qt/modal.h"
#include "shell/qt/qt_text.h"
#include "shell/qt/sound/sound_player.h"
#include "shell/settings_files.h"
#include "tape/qt/file_names.h"

namespace zovrek::qt {

CZOVREKApp::CZOVREKApp() : m_sound(std::make_unique<SoundPlayer>()) {}

CZOVREKApp::~CZOVREKApp() = default;

bool CZOVREKApp::InitInstance(const QStringList& files) {
    std::vector<std::filesystem::path> paths;
    for (const QString& file : files) paths.push_back(localPath(file));
    return startWithFiles(paths);
}

bool CZOVREKApp::startWithFiles(const std::vector<std::filesystem::path>& files) {
    const std::filesystem::path recentFile = shell::settingsFolder() / shell::kRecentFilesName;
    m_recentFiles = shell::RecentFiles::load(recentFile);
    m_frame = std::make_unique<CMainFrame>(m_document, *m_sound, *this);
    CZOVREKView& view = m_frame->view();
    connectRecovery();
    view.fileDialogs().onRecentFile = [this, recentFile](const std::filesystem::path& path) {
        m_recentFiles.add(path);
        m_recentFiles.save(recentFile);
        m_recovery->nameChanged();
    };
    m_frame->desktopCommands().recentTapes().setList(
        &m_recentFiles, [this, recentFile] { m_recentFiles.save(recentFile); });
    if (!m_recentFiles.files().empty())
        view.fileDialogs().setLastFolder(m_recentFiles.files().front().parent_path());
    view.OnInitialUpdate();
    m_stateFolder = shell::stateFolder();
    m_recovery->start(m_stateFolder);
    const bool recovered = offerLeftoverTape();
    // A named file is read by the framework's open alone: the text goes on the tape, the
    // display keeps its start-up value. After a recovered tape it is opened as a dropped
    // file is, "Save Tape?" first, so the recovered tape is not dropped unasked.
    if (!files.empty()) {
        if (recovered)
            view.openDroppedFile(files.front());
        else if (!view.fileCommands().openDocumentFile(files.front()))
            return false;
    }
    m_frame->updateState();
    m_frame->show();
    return true;
}

void CZOVREKApp::connectRecovery() {
    CZOVREKView& view = m_frame->view();
    m_recovery = std::make_unique<TapeRecovery>(view.calculator(), m_document);
    TapeRecovery* recovery = m_recovery.get();
    view.onTapeChanged = [recovery](bool replaced) { recovery->tapeChanged(replaced); };
    view.fileDialogs().onTapeIsFile = [recovery](const std::filesystem::path& file) {
        recovery->tapeIsFile(file);
    };
    recovery->setWindow(m_frame.get());
}

bool CZOVREKApp::offerLeftoverTape() {
    const std::unique_ptr<LeftoverTape> leftover = LeftoverTape::claim(m_stateFolder);
    if (!leftover) return false;
    m_frame->updateState();
    m_frame->show();
    if (!askToRecover(m_frame.get(), *leftover)) return false;
    takeRecoveredTape(leftover->tape());
    // A complete tape's old file goes only once this run's own file holds the tape.
    if (leftover->tape().complete() && m_recovery->flushNow()) leftover->discard();
    return true;
}

void CZOVREKApp::takeRecoveredTape(const RecoveredTape& tape) {
    // Put on the tape as a file named on the command line is, but as a tape not saved: the
    // caption keeps its file's name, the display its start-up "0.", and New asks first.
    m_document.OnNewDocument();
    m_document.m_tapeText = TapeText(tape.text);
    // Part of a tape is untitled: Save must not put it over the whole tape's file.
    if (!tape.name.empty() && tape.complete()) m_document.SetPathName(tape.name);
    CZOVREKView& view = m_frame->view();
    view.OnInitialUpdate();
    view.calculator().m_tapeSaved = 0;
    m_frame->updateState();
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
