#include "tape_reevaluation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "engine/number_text.h"
#include "engine/tape_lines.h"

namespace zovrek {

namespace {

// Operator codes of the replay.
enum Op : int {
    OpNone = 0, OpAdd = 1, OpSubtract = 2, OpMultiply = 3, OpDivide = 4, OpSquareRoot = 5,
    OpSquare = 6, OpPercent = 7, OpReciprocal = 8
};

/// Which byte values occur in a text, so that every test of a line is one look-up.
class ByteSet {
public:
    explicit ByteSet(std::string_view text) {
        for (char c : text) present_[static_cast<unsigned char>(c)] = true;
    }
    bool any(std::string_view chars) const {
        for (char c : chars)
            if (present_[static_cast<unsigned char>(c)]) return true;
        return false;
    }

private:
    std::array<bool, 256> present_{};
};

/// A fixed set of bytes, tested in one look-up per byte of a text.
class CharClass {
public:
    constexpr explicit CharClass(std::string_view chars, bool beyondAscii = false) {
        for (char c : chars) member_[static_cast<unsigned char>(c)] = true;
        if (beyondAscii)
            for (std::size_t b = 0x80; b < member_.size(); ++b) member_[b] = true;
    }
    bool foundIn(std::string_view text) const {
        for (char c : text)
            if (member_[static_cast<unsigned char>(c)]) return true;
        return false;
    }

private:
    std::array<bool, 256> member_{};
};

// The marking pass over `text`, appending to `out`.
void markInto(std::string_view text, std::string& out, std::ptrdiff_t& column, bool& marking) {
    out.reserve(out.size() + text.size());
    for (char c : text) {
        if (column == 0 && c == TapeReevaluation::m_space) marking = true;
        if (c == TapeReevaluation::m_noteMark) marking = true;
        const bool separator = marking && c == TapeReevaluation::m_space;
        if (separator) out += TapeReevaluation::m_separator;
        if (c == TapeReevaluation::m_newline) {
            column = -1;
            marking = false;
        }
        if (!separator) out += c;
        ++column;
    }
}

// Appends `text` with every separator turned back into a space.
void appendUnmarked(std::string& out, std::string_view text) {
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find(TapeReevaluation::m_separator, from);
        if (at == std::string_view::npos) break;
        out.append(text.substr(from, at - from));
        out += TapeReevaluation::m_space;
        from = at + 1;
    }
    out.append(text.substr(from));
}

constexpr std::string_view kNumberChars = "0123456789.";
constexpr CharClass kNumberClass(kNumberChars);
// Letters that mark a note as free text: all but those of the operation tags, and every
// character beyond ASCII, so that a note in any script is marked as one in Latin letters is.
constexpr CharClass kNoteLetters("ABCDEFGHIJKLMNOPUVWXYZabcefghijkmopstuvwyz$", true);
constexpr std::string_view kNoteMarker = ">> ";
constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::string withCrLfLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    TapeLines lines(text);
    TapeLine line;
    while (lines.next(line)) {
        out.append(line.text);
        if (line.ended) out.append(kLineEnd);
    }
    return out;
}

std::string markSeparators(std::string_view text) {
    std::string out;
    std::ptrdiff_t column = 0;
    bool marking = false;
    markInto(text, out, column, marking);
    return out;
}

TapeLineParts splitTapeLine(std::string_view line) {
    const std::size_t separator = line.find(TapeReevaluation::m_separator);
    if (separator == std::string_view::npos) return {line, {}};
    return {line.substr(0, separator + 1), line.substr(separator + 1)};
}

EntryReading readEntry(std::string_view entry) {
    if (entry.empty()) return EntryReading::Blank;
    const ByteSet bytes(entry);
    if (bytes.any(kNumberChars) || isNonFiniteText(entry)) return EntryReading::Number;
    if (bytes.any("=")) return EntryReading::Equals;
    if (bytes.any("+-*")) return EntryReading::Operator;
    if (bytes.any("x")) return EntryReading::Function;
    if (bytes.any("/")) return EntryReading::Operator;
    if (bytes.any("RTqd")) return EntryReading::Function;
    if (bytes.any("%")) return EntryReading::Operator;
    if (bytes.any("@")) return EntryReading::Clear;
    return EntryReading::Nothing;
}

void TapeReevaluation::MarkSeparators() {
    m_column = 0;
    m_marking = false;
    std::string marked;
    markInto(m_editText, marked, m_column, m_marking);
    m_editText = std::move(marked);
    window_.showEditText(m_editText);
}

void TapeReevaluation::split() {
    const std::string_view text = m_editText;
    const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), m_newline));
    m_notes.clear();
    m_entries.clear();
    writtenTotals_.clear();
    // One slot more than there are lines: a total on the last line is written past the text.
    m_notes.resize(lines + 1);
    m_entries.resize(lines + 1);
    m_lineCount = 0;
    m_rightOfSeparator = false;

    std::size_t start = 0;
    while (m_lineCount < lines) {
        const std::size_t end = text.find(m_newline, start) + 1;
        const auto [note, entry] = splitTapeLine(text.substr(start, end - start));
        m_notes[m_lineCount] = note;
        m_entries[m_lineCount] = entry;
        ++m_lineCount;
        start = end;
    }
}

void TapeReevaluation::UpdateTape() {
    if (m_updated) return;
    window_.readEditText(m_editText);
    split();

    if (m_lineCount < 2) {
        window_.showMessage(kFormatMessage);
        m_updated = true;
        m_notes.clear();
        m_entries.clear();
        m_lineCount = 0;
        return;
    }

    const std::optional<std::size_t> errorLine = evaluate();
    rewrite();

    window_.showEditText(m_editText);
    // Each counted line is one line of the rewritten text, so the index holds there too.
    if (errorLine) window_.showErrorLine(*errorLine);
    m_lineCount = 0;
    m_updated = true;
}

std::optional<std::size_t> TapeReevaluation::evaluate() {
    double first = 0;
    double second = 0;
    int applyOp = OpNone;
    int pendingOp = OpNone;
    int lineOp = OpNone;
    bool totalFlag = false;
    bool unaryPending = false;
    bool numberPending = false;
    bool unaryAllowed = true;
    bool lineHasNumber = false;
    bool reciprocalSeen = false;
    bool computeNow = false;
    bool errorFound = false;
    bool blankFound = false;
    bool doubleClearFound = false;
    bool previousHadClear = false;
    // Where the replay stopped; for a fault of the pre-scan, its first faulty line, which
    // is where the user has to look.
    std::optional<std::size_t> errorLine;

    // Structure pre-scan.
    for (std::size_t i = 0; i < m_lineCount; ++i) {
        const std::string_view entry = m_entries[i];
        const bool hasClear = entry.find(m_clearMark) != std::string_view::npos;
        if (entry.empty()) errorFound = blankFound = true;
        if (hasClear && previousHadClear) errorFound = doubleClearFound = true;
        if (errorFound && !errorLine) errorLine = i;
        previousHadClear = hasClear;
    }
    // A closing clear line takes no part and keeps only its note.
    if (m_entries[m_lineCount - 1].find(m_clearMark) != std::string_view::npos)
        m_entries[m_lineCount - 1] = {};

    auto binaryStep = [&](int code) {
        applyOp = lineOp = code;
        if (pendingOp == OpNone) pendingOp = code;
        if (!totalFlag) computeNow = true;
        // The operator met earlier is applied now; this one waits for its operand.
        applyOp = pendingOp;
        pendingOp = code;
        numberPending = false;
        unaryAllowed = true;
    };
    auto unaryStep = [&](int code) {
        applyOp = lineOp = code;
        if (pendingOp == OpNone) pendingOp = code;
        unaryPending = true;
        numberPending = false;
        unaryAllowed = false;
    };
    auto writeResult = [&](std::size_t line) {
        FormatResult();
        m_resultText += kLineEnd;
        m_entries[line] = writtenTotals_.emplace_back(std::move(m_resultText));
        m_resultText.clear();
        m_result = 0;
    };
    auto compute = [&](std::size_t i) {
        // A chain keeps its running value; a total empties both operands.
        auto binary = [&](double value) {
            m_result = value;
            first = totalFlag ? 0 : m_result;
            second = 0;
        };
        auto unary = [&](double chained, double total) {
            if (totalFlag) {
                m_result = total;
                first = second = 0;
            } else {
                m_result = chained;
                second = m_result;
            }
        };
        switch (applyOp) {
            case OpAdd: binary(first + second); break;
            case OpSubtract: binary(first - second); break;
            case OpMultiply: binary(first * second); break;
            case OpDivide: binary(first / second); break;
            case OpSquareRoot: unary(std::sqrt(second), std::sqrt(first)); break;
            case OpSquare: unary(second * second, first * first); break;
            case OpPercent: binary(second / 100 * first); break;
            case OpReciprocal:
                unary(1 / second, 1 / first);
                reciprocalSeen = false;
                break;
            default: break;
        }
        if (totalFlag) {
            writeResult(i + 1);
            totalFlag = false;
            lineOp = pendingOp = applyOp = OpNone;
        } else {
            applyOp = pendingOp;
        }
        if (unaryPending) {
            writeResult(i + 1);
            applyOp = pendingOp;
        }
        computeNow = false;
        unaryPending = false;
    };

    for (std::size_t i = 0; i < m_lineCount; ++i) {
        if (errorFound) {
            window_.showMessage(kFormatMessage);
            if (doubleClearFound) window_.showMessage(kClearMarkMessage);
            if (blankFound) window_.showMessage(kBlankLineMessage);
            break;
        }
        const std::string_view entry = m_entries[i];
        const ByteSet bytes(entry);
        // A failed guard ends the replay with the format message.
        auto guard = [&](bool ok) {
            if (!ok) {
                window_.showMessage(kFormatMessage);
                errorFound = true;
                errorLine = i;
            }
            return ok;
        };

        // The calculator writes non-finite results as words; they are numbers too.
        if (bytes.any(kNumberChars) || isNonFiniteText(entry)) {
            if (!guard(!numberPending)) break;
            if (first == 0 && !totalFlag) {
                first = parseTapeNumber(entry);
                totalFlag = true;
                unaryPending = false;
            } else {
                second = parseTapeNumber(entry);
                totalFlag = false;
            }
            lineHasNumber = numberPending = unaryAllowed = true;
        }
        if (bytes.any("=")) {
            if (!guard(numberPending)) break;
            computeNow = true;
            if (!unaryPending) totalFlag = true;
            numberPending = unaryAllowed = false;
        }
        if (bytes.any("+")) {
            if (!guard(numberPending)) break;
            binaryStep(OpAdd);
        }
        if (bytes.any("-")) {
            if (!guard(numberPending)) break;
            // On a number line the minus is the number's sign.
            if (!lineHasNumber) binaryStep(OpSubtract);
        }
        if (bytes.any("*")) {
            if (!guard(numberPending)) break;
            binaryStep(OpMultiply);
        }
        if (bytes.any("x")) {
            if (!guard(unaryAllowed)) break;
            applyOp = lineOp = OpReciprocal;
            reciprocalSeen = true;
            if (pendingOp == OpNone) pendingOp = OpReciprocal;
            unaryPending = numberPending = true;
            unaryAllowed = false;
        }
        if (bytes.any("/")) {
            if (!guard(numberPending)) break;
            // The "/" of "(l/x)" is part of the tag, not a division.
            if (!reciprocalSeen) {
                binaryStep(OpDivide);
            } else {
                numberPending = false;
                unaryAllowed = true;
            }
        }
        if (bytes.any("RT")) {
            if (!guard(unaryAllowed)) break;
            unaryStep(OpSquareRoot);
        }
        if (bytes.any("qd")) {
            if (!guard(unaryAllowed)) break;
            unaryStep(OpSquare);
        }
        if (bytes.any("%")) {
            if (!guard(numberPending)) break;
            binaryStep(OpPercent);
        }
        if (bytes.any("@")) {
            if (!guard(numberPending)) break;
            m_result = first = second = 0;
            applyOp = OpNone;
            totalFlag = numberPending = false;
            unaryAllowed = true;
        }
        if (computeNow) compute(i);
        lineHasNumber = false;
    }

    if (!errorFound && !numberPending) {
        window_.showMessage(kFormatMessage);
        errorLine = m_lineCount - 1;
    }
    return errorLine;
}

void TapeReevaluation::rewrite() {
    std::string text;
    text.reserve(m_editText.size() + m_editText.size() / 4 + 16);
    std::size_t lastNumberLine = m_lineCount;
    for (std::size_t i = 0; i < m_lineCount; ++i) {
        const std::string_view note = m_notes[i];
        const std::string_view entry = m_entries[i];
        appendUnmarked(text, note);
        if (note.find(m_noteMark) == std::string_view::npos && kNoteLetters.foundIn(note))
            text += kNoteMarker;
        appendUnmarked(text, entry);
        if (kNumberClass.foundIn(entry) || isNonFiniteText(entry)) lastNumberLine = i;
    }
    if (lastNumberLine < m_lineCount) {
        m_lastValue.clear();
        appendUnmarked(m_lastValue, m_entries[lastNumberLine]);
    }
    // The lines point into the old text and the totals: let them go before replacing it.
    m_notes.clear();
    m_entries.clear();
    writtenTotals_.clear();
    m_editText = std::move(text);
}

void TapeReevaluation::FormatResult() {
    m_resultText.clear();
    const int digits = std::clamp(m_digits, 1, 17);
    if (m_places < 2 || m_places > 4) {
        m_resultText = floatingFormat(m_result, digits);
        return;
    }
    PlacesText t = placesFormat(m_result, m_places - 1, digits);
    // The text is rounded after the usual 0.00000001 nudge, and the value keeps it.
    m_result += 0.00000001;
    if (t.overLong && !m_rangeWarned) {
        window_.showOutOfRange();
        m_rangeWarned = true;
    }
    m_resultText = std::move(t.text);
}

namespace {

class RecordingWindow final : public TapeEditorWindow {
public:
    explicit RecordingWindow(Reevaluation& out) : out_(out) {}
    void showMessage(std::string_view text) override { out_.messages.emplace_back(text); }
    void showOutOfRange() override { out_.dialogs.emplace_back(kOutOfRangeTitle); }
    void showErrorLine(std::size_t line) override { out_.errorLine = line; }

private:
    Reevaluation& out_;
};

}  // namespace

Reevaluation reevaluateTape(std::string_view text, int places, bool marked, int digits) {
    Reevaluation out;
    RecordingWindow window(out);
    TapeReevaluation editor(window);
    // Through the window the text comes back from the edit control with "\r\n" line ends.
    editor.m_editText = withCrLfLineEnds(text);
    if (!marked) editor.m_editText = markSeparators(editor.m_editText);
    editor.m_places = places;
    editor.m_digits = digits;
    editor.UpdateTape();
    out.text = std::move(editor.m_editText);
    out.lastValue = std::move(editor.m_lastValue);
    return out;
}

}  // namespace zovrek
