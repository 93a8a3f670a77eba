#pragma once
// Dialog data exchange without windows: the members of a special-function dialog shown in
// their controls, or read back from them, field by field in the dialog's own order.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zovrek::dialogs {

/// The controls of one dialog as the exchange sees them. A Qt dialog implements it; tests
/// and zovrek-tape use MemoryControls.
class FieldControls {
public:
    virtual ~FieldControls() = default;

    /// The text of the edit control `id`.
    virtual std::string text(int id) const = 0;
    virtual void setText(int id, std::string_view text) = 0;
    /// The index of the checked button in the radio group whose first button is `firstId`,
    /// or -1 when none is checked.
    virtual int radio(int firstId) const = 0;
    /// Checks button `index` of the group (none for -1).
    virtual void setRadio(int firstId, int index) = 0;
    /// Tells the user that field `id` can't be taken and puts the focus in it.
    virtual void prompt(int id, std::string_view message) = 0;
    /// Gives the keyboard focus to the dialog window itself.
    virtual void focusDialog() = 0;
};

/// Controls kept in memory: an empty text for an edit never set, -1 for a radio group.
class MemoryControls : public FieldControls {
public:
    std::string text(int id) const override;
    void setText(int id, std::string_view text) override { texts[id] = std::string(text); }
    int radio(int firstId) const override;
    void setRadio(int firstId, int index) override { radios[firstId] = index; }
    void prompt(int id, std::string_view message) override;
    void focusDialog() override { focusedField = 0; ++dialogFocuses; }

    std::map<int, std::string> texts;
    std::map<int, int> radios;
    std::vector<std::pair<int, std::string>> prompts;  ///< every prompt, in order
    int focusedField = 0;                              ///< 0: the dialog itself
    int dialogFocuses = 0;
};

/// Prompts of the exchange.
inline constexpr std::string_view kNumberPrompt = "Please enter a number.";
inline constexpr std::string_view kIntegerPrompt = "Please enter an integer.";
/// "Please enter a number between LO and HI."
std::string rangePrompt(double low, double high);

/// A number field's text: as "%.15g" shows it (15 significant digits, no trailing zeros),
/// in the C locale whatever the process locale; non-finite values as the number formats
/// show them.
std::string fieldText(double value);
/// An integer field's text: the plain decimal integer.
std::string fieldText(int value);

/// A number field read back: optional surrounding blanks, an optional sign, then digits with
/// at most one point and an optional exponent, or one of the texts shown for non-finite
/// values ("Infinity", "NaN", any case). Anything else, an empty field included, is
/// unreadable.
std::optional<double> readNumber(std::string_view text);
/// An integer field read back: optional surrounding blanks, an optional sign and decimal
/// digits that fit a 32-bit signed integer. Anything else is unreadable.
std::optional<int> readInteger(std::string_view text);

/// One pass of data exchange over a dialog's fields. Showing writes every member into its
/// control. Reading takes field after field until one can't be read: that one is prompted
/// for, it and every later field keep their member values, and the pass has failed.
class DataExchange {
public:
    enum class Direction { Show, Read };

    DataExchange(FieldControls& controls, Direction direction)
        : controls_(controls), direction_(direction) {}

    bool reading() const { return direction_ == Direction::Read; }
    bool failed() const { return failed_; }

    void number(int id, double& member);
    void integer(int id, int& member);
    void radio(int firstId, int& member);
    /// When reading: fails with a prompt naming both bounds unless low <= value <= high
    /// (the member itself has already been taken).
    void range(int id, double value, double low, double high);

private:
    void fail(int id, std::string_view message);

    FieldControls& controls_;
    Direction direction_;
    bool failed_ = false;
};

}  // namespace zovrek::dialogs
