#include "dialogs/qt/scientific_dlg.h"

#include <QAbstractButton>
#include <utility>

#include "resources/forms/scientific_form.h"

namespace zovrek::qt {

CScientificDlg::CScientificDlg(QWidget* parent)
    : SpecialFunctionWindow(forms::kScientificDialog, parent) {
    using D = dialogs::ScientificDialog;
    using F = dialogs::ScientificButton;
    form().autoLoad({D::kPowerId, D::kClearId, D::kSinId, D::kCosId, D::kTanId, D::kLogId,
                     D::kLnId, kOkId, kCancelId});
    const std::pair<int, F> functions[] = {{D::kSinId, F::Sin}, {D::kCosId, F::Cos},
                                           {D::kTanId, F::Tan}, {D::kLogId, F::Log},
                                           {D::kLnId, F::Ln},   {D::kPowerId, F::Power}};
    for (const auto& [id, function] : functions)
        onClicked(id, [this, f = function] { m_dialog.onFunction(f); });
    onClicked(D::kClearId, [this] { m_dialog.onClear(); });
    // Inv follows its check mark however it changes: a click, the keyboard, or a screen
    // reader's toggle, which checks the box without clicking it.
    if (auto* inverse = qobject_cast<QAbstractButton*>(form().control(D::kInverseId)))
        connect(inverse, &QAbstractButton::toggled, this,
                [this](bool checked) { m_dialog.m_inverse = checked; });
}

}  // namespace zovrek::qt
