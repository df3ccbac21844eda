#include "game/settings.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <sstream>

#include "game/game_state.h"
#include "game/storage.h"

Settings remembered;

namespace {

constexpr std::size_t kLargestFile = 64 * 1024;  // far more than a settings file holds
const char *const kKeys[kSettings] = {"sound", "colour-aid", "scale", "full-screen"};

// A storm of c or m presses must not become a storm of writes, each flushed to
// disk: what the player sets waits until a second has passed since the last
// write, and the last value set is the one written.
constexpr std::uint32_t kFlushGapMs = 1000;
// The game stands still while it waits for another game's write of the file,
// which is one small file's: a longer wait means something is wrong.
constexpr int kLockWaitMs = 2000;
// A line the game cannot use is quoted in its warning this far at most, so
// that a damaged file cannot flood the terminal or send it escape sequences.
constexpr std::size_t kQuotedCharacters = 80;

// This game's dealings with the file since it read it.
struct FileState {
    Settings wanted;            // values to write, -1 where there is none
    bool tried = false;         // whether this game has written the file yet
    std::uint32_t lastTry = 0;  // when it last did (or tried to)
    bool failed = false;        // and failed: it waits for the next change then
    bool complained = false;    // what went wrong with the file has been said
} file;
std::string settingsPath;  // "" when the game keeps no settings

std::string trimmed(const std::string &text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The setting a line sets, with its value as written; kSettings for a line
// that sets none the game knows (a comment, an empty line, another key).
Setting settingOf(const std::string &line, std::string &value) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) return kSettings;
    const std::string key = trimmed(line.substr(0, equals));
    value = trimmed(line.substr(equals + 1));
    for (int which = 0; which < kSettings; ++which)
        if (key == kKeys[which]) return static_cast<Setting>(which);
    return kSettings;
}

// The value written, or -1 for one that is no value of the setting.
int valueOf(Setting which, const std::string &text) {
    if (which == ScaleSetting)
        return text.size() == 1 && text[0] >= '1' && text[0] <= '4' ? text[0] - '0' : -1;
    if (text == "on") return 1;
    return text == "off" ? 0 : -1;
}

std::string lineOf(Setting which, int value) {
    const std::string shown = which == ScaleSetting ? std::to_string(value)
                              : value == 1          ? "on"
                                                    : "off";
    return std::string(kKeys[which]) + " = " + shown;
}

// One line on standard error for whatever goes wrong with the file in a run.
void complain(const std::string &what) {
    if (!file.complained) std::fprintf(stderr, "tumblewell: %s\n", what.c_str());
    file.complained = true;
}

// A line as its warning quotes it: printable characters only, each other byte
// shown as '?', and cut short after kQuotedCharacters.
std::string quoted(const std::string &line) {
    std::string shown = line.substr(0, kQuotedCharacters);
    for (char &c : shown)
        if (c < ' ' || c > '~') c = '?';
    return line.size() > kQuotedCharacters ? shown + "..." : shown;
}

bool anyWanted() {
    for (const int value : file.wanted.value)
        if (value >= 0) return true;
    return false;
}

}  // namespace

std::string readSettings(const std::string &text, Settings &settings) {
    std::istringstream lines(text);
    std::string line, problem;
    for (int number = 1; std::getline(lines, line); ++number) {
        const std::string content = trimmed(line);
        if (content.empty() || content[0] == '#') continue;
        std::string value;
        const Setting which = settingOf(content, value);
        const int read = which == kSettings ? 0 : valueOf(which, value);
        if (which != kSettings && read >= 0) settings.value[which] = read;
        // A key the game does not know is fine (a later version's, say): a
        // line that is no "key = value", or a value the key cannot take, is not.
        const bool keyAndValue = content.find('=') != std::string::npos;
        if (problem.empty() && (!keyAndValue || read < 0))
            problem =
                "line " + std::to_string(number) + " (\"" + quoted(content) + "\") is no setting";
    }
    return problem;
}

std::string writeSetting(const std::string &text, Setting which, int value) {
    std::istringstream lines(text);
    std::string line, written, ignored;
    bool found = false;
    while (std::getline(lines, line)) {
        if (settingOf(trimmed(line), ignored) == which) {
            line = lineOf(which, value);
            found = true;
        }
        written += line + "\n";
    }
    if (written.empty())
        written = "# Tumblewell's settings. The game keeps the lines it does not know.\n";
    if (!found) written += lineOf(which, value) + "\n";
    return written;
}

void loadSettings(const std::string &path) {
    remembered = Settings();
    file = FileState();
    settingsPath = path;
    std::string text;
    if (path.empty()) return;
    if (!readSmallFile(path, text, kLargestFile)) {
        if (errno != ENOENT)
            complain("cannot read " + path + ": " + describeFileError(errno) +
                     "; the defaults hold");
        return;
    }
    const std::string problem = readSettings(text, remembered);
    if (!problem.empty()) complain(path + ": " + problem + "; the defaults hold for it");
    if (remembered.value[SoundSetting] >= 0)
        game.soundOn = static_cast<Flag>(remembered.value[SoundSetting]);
    if (remembered.value[ColourAidSetting] >= 0)
        game.colourAid = static_cast<Flag>(remembered.value[ColourAidSetting]);
}

void rememberSetting(Setting which, int value) {
    if (settingsPath.empty()) return;
    file.wanted.value[which] = value == remembered.value[which] ? -1 : value;
    file.failed = false;  // a new change is worth another try
}

int settingsFlushDelay(std::uint32_t nowMs) {
    if (file.failed || !anyWanted()) return -1;
    const std::uint32_t since = nowMs - file.lastTry;
    if (!file.tried || since >= kFlushGapMs) return 0;
    return static_cast<int>(kFlushGapMs - since);
}

void flushSettings(std::uint32_t nowMs, bool atExit) {
    if (atExit ? !anyWanted() : settingsFlushDelay(nowMs) != 0) return;
    const Settings writing = file.wanted;
    file.tried = true;
    file.lastTry = nowMs;
    // Written into the file as it now stands, so that what the player or
    // another game changed meanwhile stays; a file that cannot be read is never
    // written over.
    const std::string &path = settingsPath;
    const int written =
        updatePlayerFile(path, kLargestFile, kLockWaitMs, [writing](std::string &text, bool) {
            std::string changed = text;
            for (int which = 0; which < kSettings; ++which)
                if (writing.value[which] >= 0)
                    changed =
                        writeSetting(changed, static_cast<Setting>(which), writing.value[which]);
            const bool differs = changed != text;  // another game may have written the same
            text = changed;
            return differs;
        });
    if (!written) {
        file.failed = true;
        complain("cannot write " + path + ": " + describeFileError(errno));
        return;
    }
    for (int which = 0; which < kSettings; ++which)
        if (writing.value[which] >= 0) remembered.value[which] = writing.value[which];
    file.wanted = Settings();
}
