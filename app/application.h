#pragma once
// The application object: start-up, the document and the main frame, and the application's
// own commands (About, ShortCut Keys).

#include <QStringList>
#include <memory>

#include "app/main_frame.h"
#include "shell/recent_files.h"
#include "tape/document.h"

namespace zovrek::qt {

class SoundPlayer;

class CZOVREKApp : public AppCommands {
public:
    CZOVREKApp();
    ~CZOVREKApp() override;

    /// Start-up with the program's arguments (without the program name): a new document, or
    /// the file named. False when that file can't be opened (it has been reported).
    bool InitInstance(const QStringList& files);

    bool onAppCommand(int id) override;

    CMainFrame& mainFrame() { return *m_frame; }
    CZOVREKDoc& document() { return m_document; }
    SoundPlayer& sound() { return *m_sound; }
    /// The last four tapes read or written, kept in the settings folder.
    const shell::RecentFiles& recentFiles() const { return m_recentFiles; }

private:
    CZOVREKDoc m_document;
    std::unique_ptr<SoundPlayer> m_sound;
    std::unique_ptr<CMainFrame> m_frame;
    shell::RecentFiles m_recentFiles;
};

}  // namespace zovrek::qt
