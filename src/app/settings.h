// The player's settings, which an installed game keeps between runs: the sound
// switch, the colour aid, the window's scale and full screen, as "key = value"
// lines of a small text file the player may also edit. Lines the game does not
// know are kept as they are.
#pragma once

#include <string>

enum Setting { SoundSetting, ColourAidSetting, ScaleSetting, FullScreenSetting, kSettings };

// Values by Setting: 0 or 1 for the switches, 1 to 4 for the scale, -1 where
// the file says nothing usable.
struct Settings {
    int value[kSettings] = {-1, -1, -1, -1};
};

// Reads the text of a settings file into `settings`. Returns "" or what is
// wrong with the first line it cannot use (the rest are still read).
std::string readSettings(const std::string &text, Settings &settings);

// The text with `which` set to `value`: its line rewritten where it stands, or
// added at the end; every other line as it was.
std::string writeSetting(const std::string &text, Setting which, int value);

// What the settings file held at start-up, and what the game has written
// since.
extern Settings remembered;

// Reads the settings file, if the game keeps one (gamePaths().settings), into
// `remembered`, and starts the game with its sound switch and colour aid. A
// missing file leaves the defaults; one that cannot be read or holds lines it
// cannot use says so in one line on standard error.
void loadSettings();

// The player has set `which` to `value`: the file says so at once (written
// whole, through a temporary file), unless it already did. Options given on
// the command line are not remembered: they hold for their run only.
void rememberSetting(Setting which, int value);
