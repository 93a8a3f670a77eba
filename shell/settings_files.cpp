#include "shell/settings_files.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <ostream>
#include <system_error>

#include "engine/calculator_state.h"
#include "files/atomic_file.h"
#include "files/regular_file.h"

namespace zovrek::shell {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

void putField(std::string& out, int value, std::size_t width) {
    const std::string text = std::to_string(value);
    std::string field = text.substr(0, width);
    field.resize(width, '\0');
    out += field;
}

void takeIfWithin(int value, int low, int high, int& member) {
    if (value >= low && value <= high) member = value;
}

// Reads at most `limit` bytes; nothing when the file can't be opened or read, or is not a
// regular file (a FIFO would wait for a writer for ever).
std::optional<std::string> readPrefix(const std::filesystem::path& path, std::size_t limit) {
    std::string problem;
    const int fd = zovrek::openRegularFile(path, problem);
    if (fd < 0) return std::nullopt;
    std::string bytes(limit, '\0');
    std::size_t got = 0;
    bool failed = false;
    while (got < limit) {
        const ssize_t n = ::read(fd, bytes.data() + got, limit - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) failed = true;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (failed) return std::nullopt;
    bytes.resize(got);
    return bytes;
}

}  // namespace

std::string encodeColourFile(const Settings& settings) {
    std::string out;
    out.reserve(kColourFileSize);
    putField(out, settings.bkRed, 3);
    putField(out, settings.bkGreen, 3);
    putField(out, settings.bkBlue, 3);
    return out;
}

std::string encodeChoicesFile(const Settings& settings) {
    std::string out;
    out.reserve(kChoicesFileSize);
    for (const int value : {settings.places, settings.bkColor, settings.tapeMode,
                            settings.soundsOn, settings.voiceActive, settings.globalSoundsOn,
                            settings.voiceSetting})
        putField(out, value, 1);
    return out;
}

int readColourField(std::string_view field) {
    std::size_t k = 0;
    while (k < field.size() && (field[k] == ' ' || (field[k] >= '\t' && field[k] <= '\r'))) ++k;
    bool negative = false;
    if (k < field.size() && (field[k] == '+' || field[k] == '-')) negative = field[k++] == '-';
    int value = 0;
    for (; k < field.size() && isDigit(field[k]); ++k) value = value * 10 + (field[k] - '0');
    return negative ? -value : value;
}

int readChoiceByte(char byte) { return isDigit(byte) ? byte - '0' : 0; }

void decodeColourFile(std::string_view bytes, Settings& settings) {
    int* const members[] = {&settings.bkRed, &settings.bkGreen, &settings.bkBlue};
    for (std::size_t f = 0; f < 3; ++f) {
        if (bytes.size() < (f + 1) * 3) break;
        const std::string_view field = bytes.substr(f * 3, 3);
        takeIfWithin(readColourField(field), 0, 255, *members[f]);
    }
}

void decodeChoicesFile(std::string_view bytes, Settings& settings) {
    struct Field {
        int* member;
        int low;
        int high;
    };
    const Field fields[] = {
        {&settings.places, 1, 4},        {&settings.bkColor, 0, 3},
        {&settings.tapeMode, 0, 1},      {&settings.soundsOn, 0, 1},
        {&settings.voiceActive, 0, 1},   {&settings.globalSoundsOn, 0, 1},
        {&settings.voiceSetting, 0, 1},
    };
    for (std::size_t f = 0; f < std::size(fields) && f < bytes.size(); ++f)
        takeIfWithin(readChoiceByte(bytes[f]), fields[f].low, fields[f].high, *fields[f].member);
}

Settings settingsOf(const CalculatorState& state) {
    Settings s;
    s.bkRed = state.m_bkRed;
    s.bkGreen = state.m_bkGreen;
    s.bkBlue = state.m_bkBlue;
    s.places = state.m_places;
    s.bkColor = state.m_bkColor;
    s.tapeMode = state.m_tapeMode;
    s.soundsOn = state.m_soundsOn;
    s.voiceActive = state.m_voiceActive;
    s.globalSoundsOn = g_soundsOn;
    s.voiceSetting = state.m_voiceSetting;
    return s;
}

void applySettings(const Settings& s, CalculatorState& state) {
    state.m_bkRed = s.bkRed;
    state.m_bkGreen = s.bkGreen;
    state.m_bkBlue = s.bkBlue;
    state.m_places = s.places;
    state.m_bkColor = s.bkColor;
    state.m_tapeMode = s.tapeMode;
    state.m_soundsOn = s.soundsOn;
    state.m_voiceActive = s.voiceActive;
    g_soundsOn = s.globalSoundsOn;
    state.m_voiceSetting = s.voiceSetting;
}

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

/// $OWN, else $XDG/zovrek, else ~/HOMEPART/zovrek (the XDG base directory rules).
std::filesystem::path xdgFolder(const char* own, const char* xdg,
                                const std::filesystem::path& homePart) {
    if (const std::string dir = variable(own); !dir.empty()) return dir;
    // A relative XDG folder is invalid and ignored.
    if (const std::string dir = variable(xdg); !dir.empty() && dir.front() == '/')
        return std::filesystem::path(dir) / "zovrek";
    const std::filesystem::path home = homeFolder();
    if (home.empty()) return {};
    return home / homePart / "zovrek";
}

}  // namespace

std::filesystem::path homeFolder() {
    std::string home = variable("HOME");
    if (home.empty()) {
        if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
            home = entry->pw_dir;
    }
    return home;
}

std::filesystem::path settingsFolder() {
    return xdgFolder("ZOVREK_CONFIG_DIR", "XDG_CONFIG_HOME", ".config");
}

std::filesystem::path stateFolder() {
    return xdgFolder("ZOVREK_STATE_DIR", "XDG_STATE_HOME", std::filesystem::path(".local") / "state");
}

std::filesystem::path cacheFolder() {
    return xdgFolder("ZOVREK_CACHE_DIR", "XDG_CACHE_HOME", ".cache");
}

namespace {

// Each file is replaced whole, so a failed write leaves the previous settings.
std::string writeSettingsFile(const std::filesystem::path& path, const std::string& bytes) {
    return zovrek::writeFileAtomically(path, [&](std::ostream& out) {
               out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
               return static_cast<bool>(out);
           }).message;
}

}  // namespace

void SettingsStore::report(const std::string& message) {
    if (reporter_) reporter_->reportSettingsProblem(message);
}

void SettingsStore::load(CalculatorState& state) {
    const auto colour = readPrefix(colourFile(), kColourFileSize);
    const auto choices = colour ? readPrefix(choicesFile(), kChoicesFileSize) : std::nullopt;
    if (!colour || !choices) {
        applySettings(Settings{}, state);
        state.m_settingsDefaulted = 1;
        save(state);
        return;
    }
    Settings settings;
    decodeColourFile(*colour, settings);
    decodeChoicesFile(*choices, settings);
    applySettings(settings, state);
    state.m_settingsDefaulted = 0;
}

bool SettingsStore::save(const CalculatorState& state) { return save(settingsOf(state)); }

bool SettingsStore::makeFolder() {
    if (folder_.empty()) {
        report("Can't write the settings: no folder for them is known.");
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error) {
        report("Can't create the settings folder \"" + folder_.string() +
               "\": " + error.message() + ".");
        return false;
    }
    return true;
}

bool SettingsStore::save(const Settings& settings) {
    if (!makeFolder()) return false;
    std::string problem = writeSettingsFile(colourFile(), encodeColourFile(settings));
    const std::string choicesProblem =
        writeSettingsFile(choicesFile(), encodeChoicesFile(settings));
    if (problem.empty()) problem = choicesProblem;
    if (!problem.empty()) {
        report(problem);
        return false;
    }
    return true;
}

bool SettingsStore::loadNumberFormat() const {
    if (folder_.empty()) return false;
    const auto bytes = readPrefix(numberFormatFile(), 4);
    return bytes && (*bytes == "1" || *bytes == "1\n");
}

bool SettingsStore::saveNumberFormat(bool on) {
    if (!makeFolder()) return false;
    const std::string problem = writeSettingsFile(numberFormatFile(), on ? "1\n" : "0\n");
    if (!problem.empty()) {
        report(problem);
        return false;
    }
    return true;
}

}  // namespace zovrek::shell
