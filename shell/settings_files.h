#pragma once
// The seven settings kept between runs in two small files of fixed byte formats:
// "bkcolor.dat" (three 3-byte colour fields) and "decimal.dat" (seven 1-byte choices).

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace zovrek {
struct CalculatorState;
}

namespace zovrek::shell {

/// The settings with their defaults.
struct Settings {
    int bkRed = 200;
    int bkGreen = 225;
    int bkBlue = 255;
    int places = 3;         // 1 "F", 2..4
    int bkColor = 0;        // 0 Blue, 1 Yellow, 2 Green, 3 White
    int tapeMode = 0;       // 0 calculator, 1 adding machine
    int soundsOn = 1;
    int voiceActive = 1;
    int globalSoundsOn = 1; // g_soundsOn
    int voiceSetting = 1;

    friend bool operator==(const Settings&, const Settings&) = default;
};

inline constexpr std::string_view kColourFileName = "bkcolor.dat";
inline constexpr std::string_view kChoicesFileName = "decimal.dat";
inline constexpr std::size_t kColourFileSize = 9;
inline constexpr std::size_t kChoicesFileSize = 7;
/// Whether numbers are shown the locale's way: "1" on, "0" off; a file of its own, so the
/// two files above keep their layouts.
inline constexpr std::string_view kNumberFormatFileName = "numberformat.dat";

/// The 9 bytes of the colour file: red, green, blue, each its decimal digits followed by
/// NUL bytes up to 3 bytes.
std::string encodeColourFile(const Settings& settings);
/// The 7 bytes of the choices file: the first character of each value's decimal text.
std::string encodeChoicesFile(const Settings& settings);

/// One 3-byte colour field read as a decimal integer: leading blanks, an optional sign,
/// digits up to the first other byte; no digits give 0.
int readColourField(std::string_view field);
/// One choice byte: a digit gives its value, any other byte 0.
int readChoiceByte(char byte);

/// Takes the fields that `bytes` supplies into `settings`, each read as above (so a field
/// without digits reads 0). A field the file is too short for, or whose value is outside
/// its range, is left as `settings` holds it.
void decodeColourFile(std::string_view bytes, Settings& settings);
void decodeChoicesFile(std::string_view bytes, Settings& settings);

/// The settings members of the view (and g_soundsOn), and back.
Settings settingsOf(const CalculatorState& state);
void applySettings(const Settings& settings, CalculatorState& state);

/// Where the files live: $ZOVREK_CONFIG_DIR, else $XDG_CONFIG_HOME/zovrek, else
/// ~/.config/zovrek. Empty when no home folder is known.
std::filesystem::path settingsFolder();

/// Where the crash-recovery files live: $ZOVREK_STATE_DIR, else $XDG_STATE_HOME/zovrek,
/// else ~/.local/state/zovrek. Empty when no home folder is known.
std::filesystem::path stateFolder();

/// Where pictures drawn once are kept for later runs: $ZOVREK_CACHE_DIR, else
/// $XDG_CACHE_HOME/zovrek, else ~/.cache/zovrek. Empty when no home folder is known.
std::filesystem::path cacheFolder();

/// $HOME, else the user's home folder from the password database; empty when unknown.
std::filesystem::path homeFolder();

/// Told each time the settings can't be written; the program goes on with the settings
/// in memory.
class SettingsProblemReporter {
public:
    virtual ~SettingsProblemReporter() = default;
    virtual void reportSettingsProblem(std::string_view message) = 0;
};

/// The two files in one folder.
class SettingsStore {
public:
    explicit SettingsStore(std::filesystem::path folder,
                           SettingsProblemReporter* reporter = nullptr)
        : folder_(std::move(folder)), reporter_(reporter) {}

    /// Fills the settings members of `state`. When either file can't be read, every
    /// setting takes its default, m_settingsDefaulted becomes 1 and both files are written.
    void load(CalculatorState& state);
    /// Writes both files from the members, each atomically; false when either failed.
    bool save(const CalculatorState& state);
    bool save(const Settings& settings);

    /// The number format: on only when its file holds "1" (a line end after it allowed);
    /// a missing, unreadable or odd file reads off.
    bool loadNumberFormat() const;
    /// Writes the number format's file atomically; false (reported) when that failed.
    bool saveNumberFormat(bool on);

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path colourFile() const { return folder_ / kColourFileName; }
    std::filesystem::path choicesFile() const { return folder_ / kChoicesFileName; }
    std::filesystem::path numberFormatFile() const { return folder_ / kNumberFormatFileName; }

private:
    void report(const std::string& message);
    bool makeFolder();

    std::filesystem::path folder_;
    SettingsProblemReporter* reporter_;
};


}  // namespace zovrek::shell
