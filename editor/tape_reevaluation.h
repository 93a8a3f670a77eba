#pragma once
// The tape editor's text operations: the editing form of a tape (note _ entry), and the
// Update that replays the arithmetic recorded on the tape and rewrites every total.

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zovrek {

/// The three structure messages of the Update, shown in a message box with an OK button.
inline constexpr std::string_view kFormatMessage =
    "An incorrect calculation format structure has been detected! Update is terminated! "
    "Please try again by selecting either the 'Re-edit' or 'Cancel' Button. Refer to the "
    "'Editing a Tape' section of ZOVREK 'Help' for the proper format.";
inline constexpr std::string_view kClearMarkMessage =
    " Tape string Error! Having back to back ampersand '@' symbols is not allowed! Remove "
    "lines with extra '@' symbols and re-evaluate! Use 'Re-edit' button";
inline constexpr std::string_view kBlankLineMessage =
    " Tape string Error! 'Blank' lines on a tape are not allowed! Remove blank lines and "
    "re-evaluate! Use 'Re-edit' button";

/// Title of the warning shown when a total does not fit the decimal-places selection.
inline constexpr std::string_view kOutOfRangeTitle = "Out Of Range Value!";

/// What the editor's text operations need from the dialog around them.
class TapeEditorWindow {
public:
    virtual ~TapeEditorWindow() = default;

    /// A message box with an OK button; returns when the user has closed it.
    virtual void showMessage(std::string_view text) = 0;
    /// The modal "Out Of Range Value!" dialog.
    virtual void showOutOfRange() = 0;
    /// Data exchange from the controls: the tape edit control's text into `editText`.
    /// Without a control there is nothing to read and the text stays as stored.
    virtual void readEditText(std::string& editText) { (void)editText; }
    /// Data exchange to the controls: shows `editText` in the tape edit control.
    virtual void showEditText(std::string_view editText) { (void)editText; }
    /// Points the user at line `line` (from 0) of the shown text, where the Update stopped on
    /// a structure error. Comes last, after the messages and the rewritten text.
    virtual void showErrorLine(std::size_t line) { (void)line; }
};

/// The tape text operations of the Tape Editor: MarkSeparators, UpdateTape, FormatResult.
/// Holds no global state; every message goes through the window it was given.
class TapeReevaluation {
public:
    explicit TapeReevaluation(TapeEditorWindow& window) : window_(window) {}
    TapeReevaluation(const TapeReevaluation&) = delete;
    TapeReevaluation& operator=(const TapeReevaluation&) = delete;
    virtual ~TapeReevaluation() = default;

    /// Rewrites the stored m_editText into editing form and shows it (the control is not
    /// read first).
    void MarkSeparators();
    /// The Update button: reads the control, checks and replays the tape, writes every total
    /// into the line after its "=", rewrites m_editText, sets m_lastValue and m_updated.
    /// Does nothing while m_updated is set.
    void UpdateTape();
    /// m_result in the tape's decimal-places format into m_resultText.
    void FormatResult();

    std::string m_editText;
    /// Note and entry part of each line of the last split. They point into the text being
    /// updated (or at written totals) and are emptied when the Update ends.
    std::vector<std::string_view> m_notes;
    std::vector<std::string_view> m_entries;
    std::size_t m_lineCount = 0;
    bool m_rightOfSeparator = false;
    bool m_updated = false;
    double m_result = 0;
    std::string m_resultText;
    int m_places = 3;  // 1 = floating ("F"), 2..4 = 1..3 decimals
    int m_digits = 12;
    bool m_rangeWarned = false;
    std::string m_lastValue;
    std::ptrdiff_t m_column = 0;
    bool m_marking = false;

    static constexpr char m_separator = '_';
    static constexpr char m_noteMark = '>';
    static constexpr char m_clearMark = '@';
    static constexpr char m_newline = '\n';
    static constexpr char m_space = ' ';

protected:
    TapeEditorWindow& window() { return window_; }

private:
    void split();
    /// Replays the lines; returns the line at fault when there is a structure error.
    std::optional<std::size_t> evaluate();
    void rewrite();

    TapeEditorWindow& window_;
    std::deque<std::string> writtenTotals_;  // stable storage for totals put into m_entries
};

/// `text` with each line break ("\r\n", a bare "\n" or a bare "\r") as "\r\n", the line
/// end the editor reads.
std::string withCrLfLineEnds(std::string_view text);

/// The marking pass alone: `text` in editing form.
std::string markSeparators(std::string_view text);

/// One line in editing form as the Update splits it: the note part up to and including the
/// first separator, and the entry part after it, with the line's end. A line without a
/// separator is all note; its empty entry makes it a blank line.
struct TapeLineParts {
    std::string_view note;
    std::string_view entry;
};
TapeLineParts splitTapeLine(std::string_view line);

/// What the Update reads in an entry part: the first of its tests that applies, in its
/// order (a number, "=", "+", "-", "*", the reciprocal's "x", "/", the square root's "R" or
/// "T", the square's "q" or "d", "%", the clear mark "@"). So "-5" and "1.e+012" are numbers,
/// "(l/x)", "(SQRT)" and "(Sqrd)" functions, "(%)" an operator; an empty entry is blank, and
/// an entry none of the tests reads is nothing.
enum class EntryReading { Blank, Number, Equals, Operator, Function, Clear, Nothing };
EntryReading readEntry(std::string_view entry);

/// The outcome of one Update on a tape text.
struct Reevaluation {
    std::string text;                  ///< the rewritten text
    std::string lastValue;             ///< entry of the last line holding a number
    std::vector<std::string> messages; ///< message box texts, in order
    std::vector<std::string> dialogs;  ///< titles of other dialogs shown, in order
    std::optional<std::size_t> errorLine;  ///< line pointed at after a structure error
};

/// One Update on `text` with the decimal-places setting `places` (1 = "F", 2..4 = 1..3
/// decimals). Unless `marked`, the text is put into editing form first, as on opening.
Reevaluation reevaluateTape(std::string_view text, int places, bool marked = false,
                            int digits = 12);

}  // namespace zovrek
