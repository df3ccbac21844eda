#include "app/settings.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "app/file_io.h"
#include "app/paths.h"
#include "game/game_state.h"

Settings remembered;

namespace {

constexpr std::size_t kLargestFile = 64 * 1024;  // far more than a settings file holds
const char *const kKeys[kSettings] = {"sound", "colour-aid", "scale", "full-screen"};

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
    static bool said = false;
    if (!said) std::fprintf(stderr, "tumblewell: %s\n", what.c_str());
    said = true;
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
            problem = "line " + std::to_string(number) + " (\"" + content + "\") is no setting";
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

void loadSettings() {
    const std::string &path = gamePaths().settings;
    std::string text;
    if (path.empty()) return;
    if (!readSmallFile(path, text, kLargestFile)) {
        if (errno != ENOENT)
            complain("cannot read " + path + ": " + std::strerror(errno) + "; the defaults hold");
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
    const std::string &path = gamePaths().settings;
    if (path.empty() || remembered.value[which] == value) return;
    remembered.value[which] = value;
    // Written into the file as it now stands, so that what the player added
    // meanwhile stays; a file that cannot be read is never written over.
    std::string text;
    if (!readSmallFile(path, text, kLargestFile) && errno != ENOENT) {
        complain("cannot read " + path + ": " + std::strerror(errno) + "; it is left as it is");
        return;
    }
    text = writeSetting(text, which, value);
    if (makeFolders(folderOf(path)) != 0 || !replaceFile(path, text.data(), text.size()))
        complain("cannot write " + path + ": " + std::strerror(errno));
}
