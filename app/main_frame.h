#pragma once
// The main window: menu, toolbar, the calculator view, the window's keys, "Keep as Top
// Window", dropped files and the close confirmation.

#include <QMainWindow>
#include <map>
#include <memory>

class QAction;
class QMenu;
class QToolBar;

namespace zovrek {
class CZOVREKDoc;
}

namespace zovrek::qt {

class CZOVREKView;
class DesktopCommands;
class SoundPlayer;
class TapePrinting;

/// Commands that belong to the application object (About, ShortCut Keys).
class AppCommands {
public:
    virtual ~AppCommands() = default;
    virtual bool onAppCommand(int id) = 0;
};

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CZOVREKDoc& document, SoundPlayer& sound, AppCommands& app);
    ~CMainFrame() override;

    CZOVREKView& view() { return *m_view; }
    /// Routes a command to the view, the frame or the application, then brings the title
    /// and the toolbar up to date.
    void runCommand(int id);
    /// Brings the title and the toolbar's check state up to date.
    void updateState();
    /// The action of a menu or toolbar command.
    QAction* action(int id) const;
    QToolBar* toolBar() const { return m_toolBar; }

    TapePrinting& printing() { return *m_printing; }
    /// Recent tapes, export, clipboard and the desktop's usual keys.
    DesktopCommands& desktopCommands() { return *m_desktop; }

    /// The print preview switches on or off (the next close request asks nothing).
    void OnPreviewModeChange();

signals:
    /// A command is about to run (from a key, the menu, the toolbar or a keypad button).
    void commandRun(int id);

public:
    bool m_topMostNext = false;
    bool m_topMost = false;
    bool m_previewClose = false;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createView(CZOVREKDoc& document);
    void createPrinting(CZOVREKDoc& document);
    void createActions();
    void createMenus();
    void createToolBar();
    void installKeyboard();
    void placeOnScreen();

    bool onFrameCommand(int id);
    void OnKeepOnTop();
    void updateKeepOnTop();
    void updateMenu(QMenu* menu);
    void updateTitle();
    void flashKey(int id);

    SoundPlayer& m_sound;
    AppCommands& m_app;
    CZOVREKDoc* m_document = nullptr;
    CZOVREKView* m_view = nullptr;
    QToolBar* m_toolBar = nullptr;
    std::map<int, QAction*> m_actions;
    std::unique_ptr<TapePrinting> m_printing;
    DesktopCommands* m_desktop = nullptr;
};

}  // namespace zovrek::qt
