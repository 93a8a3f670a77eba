#include "dialogs/qt/scientific_dlg.h"

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
    onClicked(D::kInverseId, [this] { m_dialog.onInverse(); });
}

}  // namespace zovrek::qt
