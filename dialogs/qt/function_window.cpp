#include "dialogs/qt/function_window.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QLineEdit>

#include "shell/qt/modal.h"

namespace zovrek::qt {
namespace {

// The templates place controls by the system's metrics: a group box's line runs through the
// middle of its title, and a radio button's text starts close to its circle.
constexpr auto kTemplateMetrics = R"(
QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }
QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0px 2px;
                   background-color: palette(window); }
QRadioButton, QCheckBox { spacing: 3px; }
)";

}  // namespace

SpecialFunctionWindow::SpecialFunctionWindow(const shell::DialogTemplate& dialog, QWidget* parent)
    : TemplateDialog(dialog, parent) {
    setStyleSheet(QString::fromLatin1(kTemplateMetrics));
    for (QButtonGroup* group : form().radioGroups()) {
        for (QAbstractButton* button : group->buttons()) button->installEventFilter(this);
        // One tab stop per group: the checked button, or every one while none is.
        connect(group, &QButtonGroup::buttonToggled, this, [group] {
            for (QAbstractButton* button : group->buttons()) {
                const bool stop = !group->checkedButton() || button == group->checkedButton();
                button->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
            }
        });
    }
}

void SpecialFunctionWindow::focusFirstField() {
    for (const shell::ControlTemplate& c : form().dialog().controls) {
        if (form().edit(c.id)) {
            putFocusIn(c.id);
            return;
        }
    }
}

std::string SpecialFunctionWindow::text(int id) const {
    const QLineEdit* edit = form().edit(id);
    return edit ? edit->text().toStdString() : std::string();
}

void SpecialFunctionWindow::setText(int id, std::string_view text) {
    QLineEdit* edit = form().edit(id);
    if (!edit) return;
    edit->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    // A number wider than its field shows its leading digits, as the system's edits do.
    edit->setCursorPosition(0);
}

QButtonGroup* SpecialFunctionWindow::groupOf(int firstId) const {
    for (QButtonGroup* group : form().radioGroups())
        if (group->button(firstId)) return group;
    return nullptr;
}

int SpecialFunctionWindow::radio(int firstId) const {
    const QButtonGroup* group = groupOf(firstId);
    if (!group || !group->checkedButton()) return -1;
    return static_cast<int>(group->buttons().indexOf(group->checkedButton()));
}

void SpecialFunctionWindow::setRadio(int firstId, int index) {
    QButtonGroup* group = groupOf(firstId);
    if (!group) return;
    const QList<QAbstractButton*> buttons = group->buttons();
    if (index >= 0 && index < buttons.size()) {
        buttons[index]->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; no choice needs it lifted for a moment.
    group->setExclusive(false);
    for (QAbstractButton* button : buttons) button->setChecked(false);
    group->setExclusive(true);
}

void SpecialFunctionWindow::prompt(int id, std::string_view message) {
    Modal::message(this, QMessageBox::Warning, uiText(kPromptTitle), uiText(message));
    putFocusIn(id);
}

void SpecialFunctionWindow::focusDialog() { setFocus(Qt::OtherFocusReason); }

void SpecialFunctionWindow::putFocusIn(int id) {
    QWidget* control = form().control(id);
    if (!control) return;
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
}

void SpecialFunctionWindow::accept() {
    if (logic().onOk()) TemplateDialog::accept();
}

void SpecialFunctionWindow::onClicked(int id, std::function<void()> action) {
    if (auto* button = qobject_cast<QAbstractButton*>(form().control(id)))
        connect(button, &QAbstractButton::clicked, this, std::move(action));
}

bool SpecialFunctionWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return TemplateDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    int step = 0;
    switch (key->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down: step = 1; break;
    case Qt::Key_Left:
    case Qt::Key_Up: step = -1; break;
    default: return TemplateDialog::eventFilter(watched, event);
    }
    auto* button = qobject_cast<QAbstractButton*>(watched);
    QButtonGroup* group = button ? button->group() : nullptr;
    if (!group || key->modifiers() & ~Qt::KeypadModifier)
        return TemplateDialog::eventFilter(watched, event);
    const QList<QAbstractButton*> buttons = group->buttons();
    const auto count = buttons.size();
    QAbstractButton* next = buttons[(buttons.indexOf(button) + step + count) % count];
    next->setFocus(Qt::TabFocusReason);
    next->setChecked(true);
    return true;
}

}  // namespace zovrek::qt
