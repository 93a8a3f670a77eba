#include "editor/qt/tape_editor_dlg.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <vector>

#include "editor/qt/tape_edit.h"
#include "forms/small_dialog_forms.h"
#include "forms/tape_editor_form.h"
#include "shell/qt/modal.h"
#include "shell/qt/text_background.h"

namespace zovrek::qt {
namespace {

namespace te = zovrek::tape_editor;

// Title of the structure messages: the framework's message box carries the program's name.
constexpr std::string_view kMessageTitle = "ZOVREK";
constexpr int kSmallestPixelSize = 8;

// The twelve instruction lines were measured for the template's narrow bitmap font: they
// share the largest size at which each fits its rectangle.
void fitInstructions(const Form& form) {
    std::vector<QLabel*> lines;
    for (QWidget* w : form.widgets()) {
        auto* label = qobject_cast<QLabel*>(w);
        if (!label) continue;
        for (const std::string_view line : te::kInstructions)
            if (label->text() == uiText(line)) lines.push_back(label);
    }
    QFont font = dialogFont();
    auto fits = [&lines](const QFont& f) {
        const QFontMetrics metrics(f);
        for (const QLabel* l : lines)
            if (metrics.horizontalAdvance(l->text()) > l->contentsRect().width()) return false;
        return true;
    };
    while (font.pixelSize() > kSmallestPixelSize && !fits(font))
        font.setPixelSize(font.pixelSize() - 1);
    for (QLabel* l : lines) l->setFont(font);
}

std::map<int, Form::Factory> tapeEditFactory() {
    return {{te::kTapeEditId, [](const shell::ControlTemplate&, QWidget* parent) -> QWidget* {
                 return new TapeEdit(parent);
             }}};
}

}  // namespace

CTapeEditorDlg::CTapeEditorDlg(const TapeEditorInput& input, QWidget* parent)
    : TemplateDialog(forms::kTapeEditorDialog, parent, tapeEditFactory()),
      m_tapeEdit(qobject_cast<TapeEdit*>(form().control(te::kTapeEditId))),
      m_editor(*this, input) {
    // The framework's initialisation fills the controls; the tape is shown once, in editing
    // form, by OnInitDialog below.
    if (QLineEdit* places = form().edit(te::kPlacesEditId)) {
        places->setMaxLength(1);
        places->setText(uiText(m_editor.m_placesText));
    }
    for (const te::ButtonBitmaps& b : te::kButtons) form().autoLoad({b.id});
    fitInstructions(form());
    fitToControls();

    const auto [red, green, blue] = m_editor.textBackground();
    const QColor colour(red, green, blue);
    setTextBackground(this, colour);
    m_tapeEdit->setTextBackground(colour);

    onClicked(te::kUpdateId, &CTapeEditorDlg::OnUpdate);
    onClicked(te::kToCalculatorId, &CTapeEditorDlg::OnToCalculator);
    onClicked(te::kReEditId, &CTapeEditorDlg::OnReEdit);

    m_editor.OnInitDialog();
    form().control(te::kUpdateId)->setFocus(Qt::OtherFocusReason);
}

void CTapeEditorDlg::onClicked(int id, void (CTapeEditorDlg::*handler)()) {
    if (auto* button = qobject_cast<QAbstractButton*>(form().control(id)))
        connect(button, &QAbstractButton::clicked, this, handler);
}

void CTapeEditorDlg::OnToCalculator() {
    if (m_editor.OnToCalculator()) accept();
}

void CTapeEditorDlg::showMessage(std::string_view text) {
    Modal::message(this, QMessageBox::Warning, uiText(kMessageTitle), uiText(text));
}

void CTapeEditorDlg::showOutOfRange() {
    TemplateDialog warning(forms::kOutOfRangeDialog, this);
    Modal::exec(warning);
}

void CTapeEditorDlg::readEditText(std::string& editText) { editText = m_tapeEdit->tapeText(); }

void CTapeEditorDlg::showEditText(std::string_view editText) {
    // Update and ReEdit rewrite the text in place: the cursor and the part in view stay
    // where the user left them.
    const int scrolled = m_tapeEdit->verticalScrollBar()->value();
    const int position = m_tapeEdit->textCursor().position();
    m_tapeEdit->setTapeText(editText);
    m_tapeEdit->whenLoaded([edit = m_tapeEdit, scrolled, position] {
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(std::min(position, edit->document()->characterCount() - 1));
        edit->setTextCursor(cursor);
        edit->verticalScrollBar()->setValue(scrolled);
    });
}

void CTapeEditorDlg::showErrorLine(std::size_t line) { m_tapeEdit->selectLine(line); }

}  // namespace zovrek::qt
