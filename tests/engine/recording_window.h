#pragma once
// A calculator as it stands after start-up, wired to a scripted window, for tests.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "engine/calculator.h"
#include "engine/key_names.h"
#include "engine/scripted_window.h"

namespace zovrek {
inline void PrintTo(const SoundRequest& s, std::ostream* os) {
    *os << s.name << (s.wait ? " (waits)" : "");
}
}  // namespace zovrek

namespace zovrek::testing {

/// Places selector values by their indicator text.
enum Places { kFloating = 1, kOnePlace = 2, kTwoPlaces = 3, kThreePlaces = 4 };
enum Mode { kCalculatorMode = 0, kAddingMode = 1 };

struct Rig {
    ScriptedWindow window;
    DocumentTape document;
    Calculator calc{window, document};

    explicit Rig(int places = kTwoPlaces, int mode = kCalculatorMode) {
        window.attach(calc);
        calc.m_places = places;
        calc.m_tapeMode = mode;
        calc.onInitialUpdate();
    }

    /// Keys as zovrek-tape keys takes them: "12.5*4=" or names such as SQRT, separated by
    /// spaces.
    void press(std::string_view keys) {
        std::size_t i = 0;
        while (i < keys.size()) {
            while (i < keys.size() && keys[i] == ' ') ++i;
            const std::size_t start = i;
            while (i < keys.size() && keys[i] != ' ') ++i;
            if (i == start) break;
            const auto token = keys.substr(start, i - start);
            const auto ids = keysOfToken(token);
            ASSERT_FALSE(ids.empty()) << "unknown key " << token;
            for (int id : ids) calc.onCommand(id);
        }
    }

    std::vector<std::string> tapeLines() const {
        std::vector<std::string> lines;
        std::string_view tape = calc.m_tape.view();
        while (!tape.empty()) {
            const auto end = tape.find("\r\n");
            lines.emplace_back(tape.substr(0, end));
            if (end == std::string_view::npos) break;
            tape.remove_prefix(end + 2);
        }
        return lines;
    }

    std::vector<std::string> soundNames() const {
        std::vector<std::string> names;
        for (const auto& s : window.sounds) names.push_back(s.name);
        return names;
    }
};

/// One worked example: keys from start-up, the whole tape they write and the display shown.
struct TapeCase {
    const char* name;
    int places;
    int mode;
    const char* keys;
    std::vector<std::string> tape;
    const char* shown;
};

inline void checkTapeCase(const TapeCase& c) {
    Rig rig(c.places, c.mode);
    rig.press(c.keys);
    EXPECT_EQ(rig.tapeLines(), c.tape) << c.keys;
    EXPECT_EQ(rig.window.shown.display, c.shown) << c.keys;
}

class TapeCases : public ::testing::TestWithParam<TapeCase> {};

inline std::string caseName(const ::testing::TestParamInfo<TapeCase>& p) {
    return p.param.name;
}

}  // namespace zovrek::testing
