#pragma once
// Builds a window's controls from its dialog template: each at its rectangle, in template
// order (the tab order), with the template's alignments, edges and grey texts.

#include <QFont>
#include <QSize>
#include <functional>
#include <map>
#include <span>
#include <vector>

#include "shell/dialog_template.h"

class QAbstractButton;
class QButtonGroup;
class QLineEdit;
class QWidget;

namespace zovrek::qt {

class CBitmapButton;

/// The dialog font ("MS Sans Serif" 8 in the templates): a sans face whose cell fits the
/// templates' 6 x 13 pixel base units.
QFont dialogFont();

class Form {
public:
    /// Makes a widget for a control in place of the standard one (the tape, say).
    using Factory = std::function<QWidget*(const shell::ControlTemplate&, QWidget* parent)>;

    /// Builds the controls of `dialog` as children of `parent`, whose font becomes the
    /// dialog font. `custom` maps control ids to factories.
    Form(QWidget* parent, const shell::DialogTemplate& dialog,
         const std::map<int, Factory>& custom = {});

    /// The dialog's client size in pixels.
    QSize size() const;
    const shell::DialogTemplate& dialog() const { return dialog_; }

    /// The widget of control `id`, or nullptr.
    QWidget* control(int id) const;
    QLineEdit* edit(int id) const;
    CBitmapButton* button(int id) const;
    QAbstractButton* checkable(int id) const;
    /// Every widget, in template order.
    const std::vector<QWidget*>& widgets() const { return widgets_; }
    /// The radio groups, in template order (a group starts at a control marked as its first).
    const std::vector<QButtonGroup*>& radioGroups() const { return radioGroups_; }

    /// Makes the bitmap buttons `ids` load their pictures, in that order.
    void autoLoad(std::span<const int> ids) const;
    void autoLoad(std::initializer_list<int> ids) const { autoLoad(std::span(ids.begin(), ids.size())); }

private:
    QWidget* make(const shell::ControlTemplate& control, QWidget* parent);
    void nameEditsByTheirLabels();

    const shell::DialogTemplate dialog_;  // a copy: callers may pass a template they built
    std::vector<QWidget*> widgets_;
    std::map<int, QWidget*> byId_;
    std::vector<QButtonGroup*> radioGroups_;
};

}  // namespace zovrek::qt
