#include "app/calculator_view.h"

#include <QLineEdit>

#include "dialogs/function_dialog.h"
#include "dialogs/qt/special_functions.h"
#include "engine/command_ids.h"
#include "menus/desktop_commands.h"
#include "forms/calculator_form.h"
#include "shell/colours.h"
#include "shell/qt/announcer.h"
#include "shell/qt/bitmap_button.h"
#include "app/frame_dialogs.h"
#include "shell/qt/modal.h"
#include "shell/qt/sound/sound_player.h"
#include "shell/qt/text_background.h"
#include "shell/sound_table.h"
#include "tape/qt/save_tape_dialog.h"
#include "tape/qt/locale_marks.h"
#include "tape/qt/tape_view.h"
#include "shell/qt/qt_text.h"

namespace zovrek::qt {
namespace {

constexpr int kDisplay = 1000, kPlaces = 1041, kMemoryText = 1016, kMemoryNumber = 1150,
              kTape = 1034;

// Only a number written with the marks gives the engine's text back; other text is kept.
std::string unmarked(const QString& shown, const NumberMarks& marks) {
    return unmarkNumber(tapeBytes(shown), marks);
}


}  // namespace

CZOVREKView::CZOVREKView(CZOVREKDoc& document, SoundPlayer& sound, QWidget* parent)
    : QWidget(parent),
      m_document(document),
      m_sound(sound),
      m_calc(*this, document),
      m_fileDialogs(this, &document),
      m_tapeEditor(this),
      m_fileCommands(m_calc, document, m_fileDialogs),
      m_settings(shell::settingsFolder(), this) {
    buildForm();
}

CZOVREKView::~CZOVREKView() = default;

void CZOVREKView::buildForm() {
    const std::map<int, Form::Factory> custom = {
        {kTape, [this](const shell::ControlTemplate&, QWidget* parent) {
             m_tapeView = new TapeView(parent);
             return m_tapeView;
         }}};
    m_form = std::make_unique<Form>(this, forms::kCalculatorForm, custom);
    setFixedSize(m_form->size());
    m_form->control(kDisplay)->setAccessibleName(tr("Display"));
    m_form->control(kPlaces)->setAccessibleName(tr("Decimal places"));
    m_form->control(kMemoryText)->setAccessibleName(tr("Memory"));
    m_form->control(kMemoryNumber)->setAccessibleName(tr("Memory number"));
    m_announcer = new Announcer(this);
    for (const int id : forms::kKeypadButtonOrder) {
        CBitmapButton* button = m_form->button(id);
        connect(button, &QPushButton::clicked, this, [this, id] { emit commandClicked(id); });
    }
}

CBitmapButton* CZOVREKView::keypadButton(int id) const { return m_form->button(id); }

void CZOVREKView::OnInitialUpdate() {
    if (m_calc.m_initialUpdates == 0) m_form->autoLoad(forms::kKeypadButtonOrder);
    m_calc.onInitialUpdate();
}

bool CZOVREKView::handles(int id) {
    return Calculator::handles(id) || id == cmd::TapeEdit || id == cmd::NumberFormat ||
           FileCommands::handles(id) ||
           shell::backgroundColourFor(id) || dialogs::specialFunctionFor(id);
}

bool CZOVREKView::onCommand(int id) {
    const QString before = m_form->edit(kDisplay)->text();
    const bool handled = runCommand(id);
    announceResult(id, before);
    return handled;
}

void CZOVREKView::announceResult(int id, const QString& displayBefore) {
    // A screen reader echoes the keys typed, but not what they bring up: a total, a recalled
    // memory, a value handed back. Digits and the point only build the entry the user typed;
    // Equals is answered even when the total stays the same. A display that changed may be
    // read as it changes when it has the focus: the announcer knows when.
    if (cmd::digitOf(id) >= 0 || id == cmd::Decimal) return;
    QLineEdit* display = m_form->edit(kDisplay);
    const QString shown = display->text();
    const bool changed = shown != displayBefore;
    if (changed || id == cmd::Equal)
        m_announcer->announce(shown.trimmed(), changed ? display : nullptr);
}

bool CZOVREKView::runCommand(int id) {
    if (Calculator::handles(id)) return m_calc.onCommand(id);
    if (id == cmd::TapeEdit) {
        OnTapeEdit(m_calc, m_tapeEditor);
        return true;
    }
    if (id == cmd::NumberFormat) {
        setNumberFormat(!m_numberFormat);
        m_settings.saveNumberFormat(m_numberFormat);
        return true;
    }
    if (FileCommands::handles(id)) return m_fileCommands.onCommand(id);
    if (shell::onColourCommand(id, m_calc)) return true;
    return runSpecialFunction(id, m_calc, window());
}

std::optional<bool> CZOVREKView::updateCommandUi(int id) {
    if (shell::backgroundColourFor(id)) return shell::updateColourItem(id, m_calc);
    switch (id) {
    case cmd::Sounds: return shell::updateSoundsItem(m_calc);
    case cmd::Voice: return shell::updateVoiceItem(m_calc);
    case cmd::NumberFormat: return m_numberFormat;
    case cmd::CalculatorMode:
    case cmd::AddingMachineMode:
        m_calc.refresh();
        return m_calc.m_tapeMode == (id == cmd::CalculatorMode ? 0 : 1);
    default: return std::nullopt;
    }
}

void CZOVREKView::openDroppedFile(const std::filesystem::path& path) {
    m_fileDialogs.chooseNextOpen(path);
    m_fileCommands.onFileOpen();
    // Cancelled at "Save Tape?", the path must not be opened by a later File Open.
    m_fileDialogs.forgetNextOpen();
}

void CZOVREKView::setNumberFormat(bool on) {
    if (on == m_numberFormat) return;
    // What the controls hold now, in the engine's form, is shown again the new way.
    const ControlValues values = readBack();
    m_numberFormat = on;
    m_marks = on ? localeMarks() : NumberMarks{};
    m_tapeView->setNumberMarks(m_marks);
    // Print lines are cut again with the new marks; the title asked stays.
    m_calc.discardPrintPreparation(false);
    refresh(values);
}

void CZOVREKView::refresh(const ControlValues& values) {
    m_shownDisplay = {values.display, tapeText(markNumber(values.display, m_marks))};
    m_shownMemory = {values.memoryText, tapeText(markNumber(values.memoryText, m_marks))};
    m_form->edit(kDisplay)->setText(m_shownDisplay.shown);
    m_form->edit(kPlaces)->setText(tapeText(values.placesText));
    m_form->edit(kMemoryText)->setText(m_shownMemory.shown);
    m_form->edit(kMemoryNumber)->setText(QString::number(values.memoryNumber));
    // Every initial update refreshes, so a new colour shows from here.
    applyTextBackground();
}

ControlValues CZOVREKView::readBack() const {
    ControlValues values;
    const QString display = m_form->edit(kDisplay)->text();
    values.display =
        display == m_shownDisplay.shown ? m_shownDisplay.engine : unmarked(display, m_marks);
    values.placesText = tapeBytes(m_form->edit(kPlaces)->text());
    const QString memory = m_form->edit(kMemoryText)->text();
    values.memoryText =
        memory == m_shownMemory.shown ? m_shownMemory.engine : unmarked(memory, m_marks);
    bool ok = false;
    const int number = m_form->edit(kMemoryNumber)->text().trimmed().toInt(&ok);
    values.memoryNumber = ok ? number : 0;
    return values;
}

void CZOVREKView::applyTextBackground() {
    const shell::Rgb rgb = shell::textBackground(m_calc);
    const QColor colour(rgb.red, rgb.green, rgb.blue);
    if (colour == m_textBackground) return;
    m_textBackground = colour;
    setTextBackground(this, colour);
    m_tapeView->setTextBackground(colour);
}

void CZOVREKView::appendToTape(std::string_view text) {
    m_tapeView->append(text);
    if (onTapeChanged) onTapeChanged(false);
}

void CZOVREKView::clearTape() {
    m_tapeView->clear();
    if (onTapeChanged) onTapeChanged(true);
}

void CZOVREKView::playSound(std::string_view name, bool wait) { m_sound.play(name, wait); }

SaveTapeChoice CZOVREKView::askSaveTape() { return qt::askSaveTape(window()); }

bool CZOVREKView::saveDocument() { return m_fileCommands.saveDocument(); }

void CZOVREKView::newDocument() { m_fileCommands.newDocument(); }

void CZOVREKView::showOutOfRange() { runDialog<COutOfRangeDlg>(window()); }

void CZOVREKView::loadSettings() {
    m_settings.load(m_calc);
    setNumberFormat(m_settings.loadNumberFormat());
}

void CZOVREKView::saveSettings() { m_settings.save(m_calc); }

void CZOVREKView::reportSettingsProblem(std::string_view message) {
    Modal::message(window(), QMessageBox::Warning, QStringLiteral("ZOVREK"), uiText(message));
}

}  // namespace zovrek::qt
