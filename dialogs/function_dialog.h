#pragma once
// The special-function frame shared by the five calculators: open preset with the
// calculator's value, run modally, hand a non-zero result back as a new entry.

#include <string_view>

#include "dialogs/field_exchange.h"

namespace zovrek {
class Calculator;
struct CalculatorState;
}  // namespace zovrek

namespace zovrek::dialogs {

/// The windowless half of a special-function dialog: its members, their exchange with the
/// controls and its buttons. The Qt dialog owns one and provides its FieldControls.
class SpecialFunctionDialog {
public:
    explicit SpecialFunctionDialog(FieldControls& controls) : controls_(controls) {}
    virtual ~SpecialFunctionDialog() = default;
    SpecialFunctionDialog(const SpecialFunctionDialog&) = delete;
    SpecialFunctionDialog& operator=(const SpecialFunctionDialog&) = delete;

    /// Binds the members to their controls in the dialog's exchange order.
    virtual void doDataExchange(DataExchange& dx) = 0;

    /// One exchange pass; false when reading stopped at a field that can't be taken.
    bool updateData(bool read);
    /// The dialog's initialisation: every member shown in its control.
    void onInitDialog() { updateData(false); }
    /// OK (and Enter): true when every field was read and the dialog may close with OK.
    bool onOk() { return updateData(true); }

    // The frame's settings for this dialog.

    /// Stores the calculator's value in the dialog's input member.
    virtual void presetValue(double value) = 0;
    /// Presets the radio choices (default: none).
    virtual void presetRadios() {}
    /// The member that must be non-zero for OK to hand anything back.
    virtual double testValue() const = 0;
    /// The value handed back.
    virtual double resultValue() const = 0;

    FieldControls& controls() { return controls_; }

private:
    FieldControls& controls_;
};

/// How a dialog ended.
enum class ModalResult { Ok, Cancel };

/// Runs a dialog modally; the Qt dialog implements it. An implementation calls
/// dialog.onInitDialog() when the dialog is shown and closes with Ok only after
/// dialog.onOk() has returned true.
class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    virtual ModalResult runModal(SpecialFunctionDialog& dialog) = 0;
};

/// The value a dialog is preset with: m_entry unless it is exactly 0.0, else m_accumulator.
double presetValueOf(const CalculatorState& state);
/// Whether a test value lets OK hand back: non-zero, not a number counting as zero.
bool handsBack(double testValue);

/// The frame after the dialog's construction: preset, the first click, the modal run and,
/// after OK with a non-zero test value, the hand-back into the calculator (which plays the
/// second click itself). True when a value was handed back.
bool runSpecialFunction(Calculator& calculator, SpecialFunctionDialog& dialog,
                        ModalRunner& runner);

/// The five special functions with their menu commands and dialog templates.
enum class SpecialFunction { SimpleInterest, FixedSavings, AnnuitySavings, LoanPayment,
                             Scientific };

struct SpecialFunctionInfo {
    SpecialFunction function;
    int command;
    int dialogTemplate;
    std::string_view title;
};

inline constexpr SpecialFunctionInfo kSpecialFunctions[] = {
    {SpecialFunction::SimpleInterest, 32816, 235, "Simple Interest Calculator"},
    {SpecialFunction::FixedSavings, 32817, 237, "Fixed Savings Calculator"},
    {SpecialFunction::AnnuitySavings, 32814, 236, "Annuity Savings Calculator"},
    {SpecialFunction::LoanPayment, 32815, 234, "Loan Payment Calculator"},
    {SpecialFunction::Scientific, 32818, 238, "Scientific Calculations"},
};

/// The special function opened by a menu command, or nullptr.
const SpecialFunctionInfo* specialFunctionFor(int command);

}  // namespace zovrek::dialogs
