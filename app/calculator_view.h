#pragma once
// The calculator form: the keypad, display, memory and places fields and the tape, built
// from template 101. It is the calculator engine's window and runs the view's commands.

#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "engine/calculator.h"
#include "engine/number_marks.h"
#include "shell/qt/form.h"
#include "shell/settings_files.h"
#include "tape/document.h"
#include "tape/file_commands.h"
#include "editor/qt/tape_editor_launcher.h"
#include "tape/qt/file_dialogs.h"

namespace zovrek::qt {

class Announcer;
class CBitmapButton;
class SoundPlayer;
class TapeView;

class CZOVREKView : public QWidget, public CalculatorWindow, shell::SettingsProblemReporter {
    Q_OBJECT
public:
    CZOVREKView(CZOVREKDoc& document, SoundPlayer& sound, QWidget* parent = nullptr);
    ~CZOVREKView() override;

    Calculator& calculator() { return m_calc; }
    const Calculator& calculator() const { return m_calc; }
    CZOVREKDoc& document() { return m_document; }
    FileCommands& fileCommands() { return m_fileCommands; }
    FileDialogs& fileDialogs() { return m_fileDialogs; }
    const Form& form() const { return *m_form; }
    TapeView& tape() { return *m_tapeView; }
    /// The keypad button of command `id`, or nullptr.
    CBitmapButton* keypadButton(int id) const;

    /// The view's initial update; the first one also turns the keypad into bitmap buttons.
    void OnInitialUpdate();
    /// Whether `id` is one of the view's commands.
    static bool handles(int id);
    /// Runs one of the view's commands; false when `id` is not the view's.
    bool onCommand(int id);
    /// The menu-state update of command `id`: its check mark, or nothing when it has none.
    /// Like every menu update, it shows the view's values in the controls again.
    std::optional<bool> updateCommandUi(int id);
    /// Numbers shown the locale's way (Options -> Number Format): the display, the memory
    /// display and the tape; the engine, the files and the copies of the tape keep "1285.50".
    bool numberFormat() const { return m_numberFormat; }
    void setNumberFormat(bool on);
    /// The marks numbers are shown with: the locale's when the number format is on, else
    /// the engine's own.
    const NumberMarks& numberMarks() const { return m_marks; }

    /// A file dropped on the window: opened as File Open opens a chosen file.
    void openDroppedFile(const std::filesystem::path& path);

    /// Told of every change of the tape: `replaced` when it was emptied or replaced as a
    /// whole, else it grew at its end (the crash-recovery file follows it).
    std::function<void(bool replaced)> onTapeChanged;

    // CalculatorWindow
    void refresh(const ControlValues& values) override;
    ControlValues readBack() const override;
    void appendToTape(std::string_view text) override;
    void clearTape() override;
    void playSound(std::string_view name, bool wait) override;
    SaveTapeChoice askSaveTape() override;
    bool saveDocument() override;
    void newDocument() override;
    void showOutOfRange() override;
    void loadSettings() override;
    void saveSettings() override;

signals:
    /// A keypad button was clicked; the frame runs its command.
    void commandClicked(int id);

private:
    void reportSettingsProblem(std::string_view message) override;
    void buildForm();
    void applyTextBackground();
    bool runCommand(int id);
    void announceResult(int id, const QString& displayBefore);

    CZOVREKDoc& m_document;
    SoundPlayer& m_sound;
    Calculator m_calc;
    FileDialogs m_fileDialogs;
    TapeEditorDialogs m_tapeEditor;
    FileCommands m_fileCommands;
    shell::SettingsStore m_settings;
    std::unique_ptr<Form> m_form;
    TapeView* m_tapeView = nullptr;
    Announcer* m_announcer = nullptr;
    QColor m_textBackground;
    bool m_numberFormat = false;
    NumberMarks m_marks;
    // What the display and the memory display were last given, as the engine wrote it and
    // as shown: read back unchanged, a shown text gives the engine's own again.
    struct ShownNumber {
        std::string engine;
        QString shown;
    };
    ShownNumber m_shownDisplay, m_shownMemory;
};

}  // namespace zovrek::qt
