#pragma once
// Finding a wave file by its plain name and reading its samples.

#include <QAudioFormat>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>
#include <string_view>

namespace zovrek::qt {

/// No sound plays longer than this: the rest of a longer file is left out, so a waiting play
/// can never hold the program for long.
inline constexpr std::chrono::milliseconds kLongestSound{5000};

/// The samples of a wave file, ready for an audio output.
struct Sound {
    QAudioFormat format;
    QByteArray pcm;
    std::chrono::milliseconds length{0};
};

/// The language to show or speak for a desktop whose languages are `uiLanguages` ("de-DE",
/// "fr"), when the texts in other languages live in one folder each under `root` (":/help"):
/// the first of them that has a folder there ("de"), or empty for English, also when English
/// comes first.
QString desktopLanguage(const QStringList& uiLanguages, const QString& root);

/// The language of the spoken words: desktopLanguage() among the languages they were
/// recorded in.
QString spokenLanguage(const QStringList& uiLanguages);

/// Where the wave file `name` ("click.wav") is: the current folder first, then the installed
/// sounds folder, then the copies built into the program; in each, the user's language's
/// folder before the folder itself. Empty when none has it or the name
/// is not a plain file name.
QString findSound(std::string_view name);

/// The PCM samples of the wave file at `path` (at most kLongestSound of them); nothing when
/// it cannot be read, is not uncompressed PCM or holds less than its header says.
std::optional<Sound> loadSound(const QString& path);

}  // namespace zovrek::qt
