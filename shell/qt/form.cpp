#include "shell/qt/form.h"

#include <QButtonGroup>
#include <climits>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "shell/qt/bitmap_button.h"
#include "shell/qt/paste_guard.h"
#include "shell/qt/text_background.h"
#include "shell/qt/qt_text.h"

namespace zovrek::qt {
namespace {

using shell::ControlKind;
using shell::ControlTemplate;


Qt::Alignment horizontalAlignment(std::uint32_t style) {
    if (style & shell::kAlignRight) return Qt::AlignRight;
    if (style & shell::kAlignCenter) return Qt::AlignHCenter;
    return Qt::AlignLeft;
}

/// An edit that takes only digits as typed characters (pasting stays possible), as a
/// number-only edit control does.
class DigitsOnly : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const QString typed = key->text();
            if (!typed.isEmpty() && typed.front().isPrint() &&
                !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
                !typed.front().isDigit())
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

void applyEdges(QWidget* w, std::uint32_t style) {
    auto* frame = qobject_cast<QFrame*>(w);
    if (!frame) return;
    if (style & shell::kClientEdge)
        frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    else if (style & shell::kStaticEdge)
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

// The static text that names an edit: the nearest one on its left on the same row, else the
// nearest one just above it.
const ControlTemplate* labelOf(const shell::DialogTemplate& dialog, const ControlTemplate& edit) {
    const shell::DluRect e = edit.rect;
    const ControlTemplate* best = nullptr;
    int bestDistance = 0;
    for (const ControlTemplate& c : dialog.controls) {
        if (c.kind != ControlKind::Static || c.text.empty()) continue;
        const shell::DluRect l = c.rect;
        const int middle = l.y + l.height / 2;
        int distance = INT_MIN;  // not a candidate
        if (middle >= e.y - 2 && middle <= e.y + e.height + 2 && l.x < e.x)
            distance = e.x - (l.x + l.width);
        else if (l.y + l.height <= e.y + 1 && e.y - (l.y + l.height) <= 12 &&
                 l.x < e.x + e.width && l.x + l.width > e.x)
            distance = 100 + e.y - (l.y + l.height);
        // A few units of overlap still count: the templates' labels often touch their fields.
        if (distance >= -4 && (!best || distance < bestDistance)) {
            best = &c;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace

QFont dialogFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

Form::Form(QWidget* parent, const shell::DialogTemplate& dialog,
           const std::map<int, Factory>& custom)
    : dialog_(dialog) {
    parent->setFont(dialogFont());
    QWidget* previousTabStop = nullptr;
    QButtonGroup* group = nullptr;
    for (const ControlTemplate& c : dialog.controls) {
        const auto factory = custom.find(c.id);
        QWidget* w = factory != custom.end() ? factory->second(c, parent) : make(c, parent);
        const shell::PixelRect r = shell::toPixels(c.rect);
        w->setGeometry(r.x, r.y, r.width, r.height);
        if (c.id != shell::kNoId) {
            w->setObjectName(QStringLiteral("control%1").arg(c.id));
            byId_[c.id] = w;
        }
        if (auto* radio = qobject_cast<QRadioButton*>(w)) {
            if (!group || (c.style & shell::kGroupStart)) {
                group = new QButtonGroup(parent);
                radioGroups_.push_back(group);
            }
            group->addButton(radio, c.id);
        } else if (c.style & shell::kGroupStart) {
            group = nullptr;
        }
        if (w->focusPolicy() & Qt::TabFocus) {
            if (previousTabStop) QWidget::setTabOrder(previousTabStop, w);
            previousTabStop = w;
        }
        widgets_.push_back(w);
    }
    nameEditsByTheirLabels();
}

void Form::nameEditsByTheirLabels() {
    // A screen reader names an edit by its label's text when the label is its buddy.
    for (std::size_t i = 0; i < dialog_.controls.size(); ++i) {
        const ControlTemplate& c = dialog_.controls[i];
        if (c.kind != ControlKind::Edit) continue;
        const ControlTemplate* label = labelOf(dialog_, c);
        if (!label) continue;
        const auto at = static_cast<std::size_t>(label - dialog_.controls.data());
        if (auto* l = qobject_cast<QLabel*>(widgets_[at])) l->setBuddy(widgets_[i]);
    }
}

QWidget* Form::make(const ControlTemplate& c, QWidget* parent) {
    switch (c.kind) {
    case ControlKind::BitmapButton: {
        auto* b = new CBitmapButton(uiText(c.text), parent);
        b->setFocusPolicy((c.style & shell::kNoTabStop) ? Qt::ClickFocus : Qt::StrongFocus);
        return b;
    }
    case ControlKind::PushButton: {
        auto* b = new QPushButton(uiText(c.text), parent);
        b->setDefault(c.style & shell::kDefaultButton);
        return b;
    }
    case ControlKind::Edit: {
        if (c.style & shell::kMultiLine) {
            auto* e = new PasteGuarded<QPlainTextEdit>(parent);
            e->setReadOnly(c.style & shell::kReadOnly);
            applyEdges(e, c.style);
            return e;
        }
        auto* e = new TextBackgroundEdit(parent);
        e->setAlignment(horizontalAlignment(c.style) | Qt::AlignVCenter);
        e->setReadOnly(c.style & shell::kReadOnly);
        e->setTextMargins(0, 0, 0, 0);
        guardPaste(e);
        if (c.style & shell::kDigitsOnly) e->installEventFilter(new DigitsOnly(e));
        return e;
    }
    case ControlKind::Static: {
        auto* l = new TextBackgroundLabel(uiText(c.text), parent);
        l->setAlignment(horizontalAlignment(c.style) | Qt::AlignTop);
        l->setTextFormat(Qt::PlainText);
        l->setEnabled(!(c.style & shell::kGrey));
        return l;
    }
    case ControlKind::GroupBox: {
        // A group box frames controls that stand before it in the template: it stays
        // behind them and lets their clicks through.
        auto* g = new QGroupBox(uiText(c.text), parent);
        g->setFocusPolicy(Qt::NoFocus);
        g->setAttribute(Qt::WA_TransparentForMouseEvents);
        g->lower();
        return g;
    }
    case ControlKind::RadioButton: return new QRadioButton(uiText(c.text), parent);
    case ControlKind::CheckBox: return new QCheckBox(uiText(c.text), parent);
    }
    return new QWidget(parent);
}

QSize Form::size() const {
    return {shell::horizontalPixels(dialog_.width), shell::verticalPixels(dialog_.height)};
}

QWidget* Form::control(int id) const {
    const auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : it->second;
}

QLineEdit* Form::edit(int id) const { return qobject_cast<QLineEdit*>(control(id)); }

CBitmapButton* Form::button(int id) const { return qobject_cast<CBitmapButton*>(control(id)); }

QAbstractButton* Form::checkable(int id) const {
    return qobject_cast<QAbstractButton*>(control(id));
}

void Form::autoLoad(std::span<const int> ids) const {
    for (const int id : ids)
        if (CBitmapButton* b = button(id)) b->AutoLoad();  // a failed load leaves a plain face
}

}  // namespace zovrek::qt
