#pragma once
// The application object: start-up, the document and the main frame, and the application's
// own commands (About, ShortCut Keys).

#include <QStringList>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/main_frame.h"
#include "app/tape_recovery.h"
#include "shell/recent_files.h"
#include "tape/document.h"

namespace zovrek::qt {

class SoundPlayer;

class CZOVREKApp : public AppCommands {
public:
    CZOVREKApp();
    ~CZOVREKApp() override;

    /// Start-up with the files named on the command line, as the system's bytes: a new
    /// document, or the file named. A tape left by a program that did not end normally is
    /// offered first. False when the named file can't be opened (it has been reported).
    bool startWithFiles(const std::vector<std::filesystem::path>& files);
    /// The same with the names as Qt text.
    bool InitInstance(const QStringList& files);

    bool onAppCommand(int id) override;

    CMainFrame& mainFrame() { return *m_frame; }
    CZOVREKDoc& document() { return m_document; }
    SoundPlayer& sound() { return *m_sound; }
    /// The last four tapes read or written, kept in the settings folder.
    const shell::RecentFiles& recentFiles() const { return m_recentFiles; }
    /// The crash-recovery file of this run.
    TapeRecovery& recovery() { return *m_recovery; }

private:
    void connectRecovery();
    /// Asks about a tape left behind; true when it is now on the tape.
    bool offerLeftoverTape();
    void takeRecoveredTape(const RecoveredTape& tape);

    CZOVREKDoc m_document;
    std::unique_ptr<SoundPlayer> m_sound;
    // Outlives the frame, whose tape it follows.
    std::unique_ptr<TapeRecovery> m_recovery;
    std::unique_ptr<CMainFrame> m_frame;
    shell::RecentFiles m_recentFiles;
    std::filesystem::path m_stateFolder;
};

}  // namespace zovrek::qt
