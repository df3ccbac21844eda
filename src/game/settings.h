// The player's settings, which an installed game keeps between runs: the sound
// switch, the colour aid, the window's scale and full screen, as "key = value"
// lines of a small text file the player may also edit. Lines the game does not
// know are kept as they are.
#pragma once

#include <cstdint>
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

// What the settings file is known to hold: what it held at start-up, and what
// the game has written since.
extern Settings remembered;

// Starts the game's settings afresh from the file at `path` ("" when the game
// keeps none): reads it into `remembered`, with nothing waiting to be written,
// and starts the game with its sound switch and colour aid. A missing file
// leaves the defaults; one that cannot be read or holds lines it cannot use
// says so in one line on standard error.
void loadSettings(const std::string &path);

// The player has set `which` to `value`: it is to be written by flushSettings
// (and no longer is, should it be set back to what the file holds meanwhile).
// Does no I/O, so a storm of key presses costs nothing. Options given on the
// command line are not remembered: they hold for their run only.
void rememberSetting(Setting which, int value);

// Writes the settings waiting to be written, a second at the soonest after
// this game's last write (at once with atExit): each merged into the file as it
// stands under its lock (updatePlayerFile), so that another game's change to
// another setting is kept, and through a link to where it leads. A write that
// fails is said once, and tried again only after the next change, or at exit.
void flushSettings(std::uint32_t nowMs, bool atExit);

// Milliseconds from `nowMs` until flushSettings has something to write (0: it
// has now), or -1 when nothing waits to be written.
int settingsFlushDelay(std::uint32_t nowMs);
