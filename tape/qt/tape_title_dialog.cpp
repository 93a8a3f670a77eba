#include "tape/qt/tape_title_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QValidator>
#include <algorithm>

#include "forms/tape_title_form.h"
#include "shell/qt/modal.h"
#include "tape/qt/file_names.h"

namespace zovrek::qt {
namespace {

constexpr qsizetype kMaxLength = TapeTitleDialogTexts::kMaxLength;

qsizetype titleLength(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return static_cast<qsizetype>(
        printTitleLength(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

}  // namespace

// No more than 32 characters can be typed; a longer preset (a long file name) is still shown
// whole, not cut without a word: it may be shortened but never lengthened, and OK checks it.
class TitleLengthValidator : public QValidator {
public:
    explicit TitleLengthValidator(QLineEdit* edit) : QValidator(edit) {
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) {
            limit_ = std::max(kMaxLength, std::min(limit_, titleLength(text)));
        });
    }

    /// Lets the edit hold `text` whole.
    void allow(const QString& text) { limit_ = std::max(kMaxLength, titleLength(text)); }

    State validate(QString& input, int&) const override {
        return titleLength(input) <= limit_ ? Acceptable : Invalid;
    }

private:
    qsizetype limit_ = kMaxLength;
};

CTapeTitleDlg::CTapeTitleDlg(QWidget* parent) : TemplateDialog(forms::kTapeTitleDialog, parent) {
    // A caption without the system menu, so there is no close box either.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QLineEdit* edit = form().edit(TapeTitleDialogTexts::kEditId);
    validator_ = new TitleLengthValidator(edit);
    edit->setValidator(validator_);
    form().autoLoad({1});
    // Both lines are centred in the template; where the face is wider than the template was
    // made for, a line grows on both sides instead of losing its end.
    for (QLabel* label : findChildren<QLabel*>()) {
        const int needed = label->sizeHint().width();
        if (needed <= label->width()) continue;
        QRect grown = label->geometry();
        grown.setWidth(needed);
        grown.moveCenter(QPoint(label->geometry().center().x(), grown.center().y()));
        label->setGeometry(grown);
    }
    fitToControls();
}

void CTapeTitleDlg::UpdateData(bool saveAndValidate) {
    QLineEdit* edit = form().edit(TapeTitleDialogTexts::kEditId);
    if (saveAndValidate) {
        m_title = edit->text();
        return;
    }
    validator_->allow(m_title);
    edit->setText(m_title);
    edit->selectAll();
    edit->setFocus(Qt::OtherFocusReason);
}

void CTapeTitleDlg::accept() {
    QLineEdit* edit = form().edit(TapeTitleDialogTexts::kEditId);
    if (titleLength(edit->text()) > kMaxLength) {
        Modal::message(this, QMessageBox::Warning, QStringLiteral("ZOVREK"),
                       tr("Please enter no more than %1 characters.").arg(kMaxLength));
        edit->selectAll();
        edit->setFocus(Qt::OtherFocusReason);
        return;
    }
    TemplateDialog::accept();
}

std::optional<std::string> TapeTitlePrompt::run(const std::string& title) {
    CTapeTitleDlg dialog(parent_);
    // A title not yet typed is the file's name, whose bytes need not be UTF-8.
    dialog.m_title = displayName(title);
    dialog.UpdateData(false);
    if (Modal::exec(dialog) != QDialog::Accepted) return std::nullopt;
    dialog.UpdateData(true);
    return dialog.m_title.toStdString();
}

}  // namespace zovrek::qt
