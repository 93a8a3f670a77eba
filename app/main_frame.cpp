#include "app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QToolBar>
#include <QWindow>
#include <functional>
#include <vector>

#include "engine/calculator_state.h"
#include "engine/command_ids.h"
#include "menus/main_menu.h"
#include "shell/qt/bitmap_button.h"
#include "app/calculator_view.h"
#include "app/desktop_commands.h"
#include "app/frame_dialogs.h"
#include "app/help/help_window.h"
#include "app/keyboard.h"
#include "shell/qt/pictures/keypad_pictures.h"
#include "shell/qt/sound/sound_player.h"
#include "tape/document.h"
#include "tape/qt/file_names.h"
#include "tape/qt/tape_printing.h"
#include "shell/qt/qt_text.h"

namespace zovrek::qt {
namespace {


// Commands whose menu items carry a check mark.
bool checkable(int id) {
    switch (id) {
    case cmd::CalculatorMode:
    case cmd::AddingMachineMode:
    case cmd::KeepOnTop:
    case cmd::ColorBlue:
    case cmd::ColorWhite:
    case cmd::ColorGreen:
    case cmd::ColorYellow:
    case cmd::Sounds:
    case cmd::Voice:
    case cmd::NumberFormat: return true;
    default: return false;
    }
}

// Keeps the window as wide as its menu bar needs, whatever the theme and font, so that no
// menu falls off its edge: the toolbar, which spans the window, asks for that width, and
// the form stays centred under it.
class MenuBarWidth : public QObject {
public:
    MenuBarWidth(QMenuBar* menuBar, QToolBar* toolBar)
        : QObject(menuBar), menuBar_(menuBar), toolBar_(toolBar) {
        menuBar->installEventFilter(this);
        fit();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::FontChange:
        case QEvent::StyleChange:
        case QEvent::ActionAdded:
        case QEvent::ActionChanged:
        case QEvent::ActionRemoved: fit(); break;
        default: break;
        }
        return false;
    }

private:
    void fit() { toolBar_->setMinimumWidth(menuBar_->sizeHint().width()); }

    QMenuBar* menuBar_;
    QToolBar* toolBar_;
};

}  // namespace

CMainFrame::CMainFrame(CZOVREKDoc& document, SoundPlayer& sound, AppCommands& app)
    : m_sound(sound), m_app(app), m_document(&document) {
    // A caption, the system menu and a minimize box: no sizing border, no maximize box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    createView(document);
    createPrinting(document);
    createActions();
    createMenus();
    createToolBar();
    installKeyboard();
    setAcceptDrops(true);
    placeOnScreen();
    updateTitle();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::createView(CZOVREKDoc& document) {
    m_view = new CZOVREKView(document, m_sound, this);
    setCentralWidget(m_view);
    connect(m_view, &CZOVREKView::commandClicked, this, &CMainFrame::runCommand);
}

void CMainFrame::createPrinting(CZOVREKDoc& document) {
    m_printing = std::make_unique<TapePrinting>(m_view->calculator(), document, *this);
    connect(m_printing.get(), &TapePrinting::previewModeChanged, this,
            &CMainFrame::OnPreviewModeChange);
    m_printing->numberMarks = [this] { return m_view->numberMarks(); };
}

void CMainFrame::createActions() {
    for (const auto& entry : menus::kMainMenu) {
        if (entry.kind != menus::MenuEntryKind::Item) continue;
        auto* action = new QAction(uiText(entry.text), this);
        action->setCheckable(checkable(entry.command));
        action->setData(entry.command);
        const int id = entry.command;
        if (id == cmd::KeepOnTop) {
            // Its check mark may flip without a trigger (a screen reader's toggle of the
            // toolbar button): the command follows the mark, whatever flipped it.
            connect(action, &QAction::toggled, this, [this](bool on) {
                if (on != m_topMost) runCommand(cmd::KeepOnTop);
            });
        } else {
            connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
        }
        m_actions[id] = action;
    }
    m_desktop = new DesktopCommands(*this);
}

void CMainFrame::createMenus() {
    std::vector<QMenu*> open;
    for (const auto& entry : menus::kMainMenu) {
        switch (entry.kind) {
        case menus::MenuEntryKind::Popup: {
            QMenu* menu = open.empty() ? menuBar()->addMenu(uiText(entry.text))
                                       : open.back()->addMenu(uiText(entry.text));
            // The File menu opens with an empty separator, and keeps it.
            menu->setSeparatorsCollapsible(false);
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { updateMenu(menu); });
            open.push_back(menu);
            break;
        }
        case menus::MenuEntryKind::EndPopup: open.pop_back(); break;
        case menus::MenuEntryKind::Separator: open.back()->addSeparator(); break;
        case menus::MenuEntryKind::Item: open.back()->addAction(m_actions.at(entry.command)); break;
        }
    }
    m_desktop->addToMenus();
}

void CMainFrame::createToolBar() {
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(18, 21));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    int index = 0;
    for (const auto& button : menus::kToolbar) {
        QAction* action = m_actions.at(button.command);
        action->setIcon(toolbarIcon(index));
        action->setToolTip(uiText(button.toolTip));
        m_toolBar->addAction(action);
        ++index;
    }
    // The menu shows text only; the pictures are for the toolbar.
    for (auto& [id, action] : m_actions) action->setIconVisibleInMenu(false);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    // The toolbar is always there: no right-click menu that could hide it.
    setContextMenuPolicy(Qt::NoContextMenu);
    new MenuBarWidth(menuBar(), m_toolBar);
}

void CMainFrame::installKeyboard() {
    const auto decimalMark = [this] {
        const std::string& mark = m_view->numberMarks().decimal;
        return mark == "." ? QString() : QString::fromStdString(mark);
    };
    new KeyboardFilter(
        this,
        [this](int id) {
            if (!m_printing->previewing()) flashKey(id);
            runCommand(id);
        },
        decimalMark);
}

void CMainFrame::placeOnScreen() {
    // The form decides the size; the window opens a quarter of the screen from its top-left.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.x() + static_cast<int>((screen.width() * 1.5 - screen.width()) / 2.0),
         screen.y() + static_cast<int>((screen.height() * 1.5 - screen.height()) / 2.0));
}

void CMainFrame::flashKey(int id) {
    if (CBitmapButton* button = m_view->keypadButton(id)) button->flash();
}

void CMainFrame::runCommand(int id) {
    emit commandRun(id);
    const bool viewRoutes = !m_printing->previewing();
    if (!(viewRoutes && m_view->onCommand(id)) && !onFrameCommand(id)) m_app.onAppCommand(id);
    updateState();
}

void CMainFrame::updateState() {
    // After every command, as an idle-time update would: the title and the toolbar.
    updateTitle();
    updateKeepOnTop();
}

bool CMainFrame::onFrameCommand(int id) {
    switch (id) {
    case cmd::Exit: close(); return true;
    case cmd::KeepOnTop: OnKeepOnTop(); return true;
    case cmd::Print: m_printing->OnFilePrint(); return true;
    case cmd::PrintPreview:
        if (!m_printing->previewing()) m_printing->OnFilePrintPreview();
        return true;
    case cmd::PrintSetup: m_printing->OnFilePrintSetup(); return true;
    case cmd::HelpIndex:
    case cmd::HelpDefault:
    case cmd::Help:
    case cmd::ContextHelp: showHelp(this); return true;
    default: return m_desktop->onCommand(id);
    }
}

QAction* CMainFrame::action(int id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::updateMenu(QMenu* menu) {
    for (QAction* a : menu->actions()) {
        if (!a->isCheckable()) continue;
        const int id = a->data().toInt();
        if (id == cmd::KeepOnTop) {
            updateKeepOnTop();
        } else if (const auto checked = m_view->updateCommandUi(id)) {
            a->setChecked(*checked);
        }
    }
}

void CMainFrame::updateKeepOnTop() {
    if (QAction* a = action(cmd::KeepOnTop)) a->setChecked(m_topMost);
    m_topMostNext = !m_topMost;
}

void CMainFrame::OnKeepOnTop() {
    m_topMost = m_topMostNext;
    // Told to the window system directly: setting the flag on the widget would hide and
    // re-create the window, moving it.
    const Qt::WindowFlags flags = windowFlags().setFlag(Qt::WindowStaysOnTopHint, m_topMost);
    overrideWindowFlags(flags);
    if (QWindow* w = windowHandle()) w->setFlags(flags);
}

void CMainFrame::updateTitle() {
    setWindowTitle(displayName(m_document->GetTitle()) + QStringLiteral(" - ZOVREK"));
}

void CMainFrame::OnPreviewModeChange() {
    m_previewClose = true;
    // While the preview shows, the calculator is out of sight: its commands rest, and their
    // menu items are greyed.
    const bool previewing = m_printing->previewing();
    for (auto& [id, action] : m_actions)
        if (CZOVREKView::handles(id)) action->setEnabled(!previewing);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (g_soundsOn) m_sound.play("click.wav", false);
    const bool asked = !m_previewClose;
    if (asked && !runDialog<CCloseProgramDlg>(this)) {
        event->ignore();
        return;
    }
    if (m_printing->endPreview()) {
        event->ignore();
        m_previewClose = false;
        return;
    }
    event->accept();
    hide();
    // The program ends after the chime.
    if (asked && g_soundsOn) m_sound.play("chimedwn.wav", true);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.front().isLocalFile()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile()) return;
    event->acceptProposedAction();
    m_view->openDroppedFile(localPath(urls.front()));
    updateState();
}

}  // namespace zovrek::qt
