// Where the game looks for its data and keeps its table and settings (the source
// tree, an installed game found from its own place, and the overrides), what
// the settings file holds, and how large the window starts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/paths.h"
#include "app/settings.h"
#include "app/window_size.h"

namespace {

TEST(Paths, SourceTreeInstalledAndOverridden) {
    const struct {
        PathFacts facts;
        const char *data, *scores, *settings;
    } cases[] = {
        // A texture in the working directory wins over everything, and keeps
        // no settings.
        {{true, "/usr/games/tumblewell", "/opt/data", "/x", "/c", "/home/p"}, "", "", ""},
        // Installed: data beside the program, the table and the settings in the
        // home's data and configuration folders.
        {{false, "/usr/games/tumblewell", "", "", "", "/home/p"},
         "/usr/games/../share/tumblewell/",
         "/home/p/.local/share/tumblewell/",
         "/home/p/.config/tumblewell/settings"},
        // A data override, XDG_DATA_HOME and XDG_CONFIG_HOME, with or without a
        // trailing slash.
        {{false, "/usr/games/tumblewell", "/opt/tw", "/var/d/", "/etc/c", "/home/p/"},
         "/opt/tw/",
         "/var/d/tumblewell/",
         "/etc/c/tumblewell/settings"},
        // Relative XDG_DATA_HOME and XDG_CONFIG_HOME are ignored.
        {{false, "/p/bin/tumblewell", "", "rel/data", "rel/c", "/home/p"},
         "/p/bin/../share/tumblewell/",
         "/home/p/.local/share/tumblewell/",
         "/home/p/.config/tumblewell/settings"},
        // Nothing known: the working directory, and no settings.
        {{false, "", "", "", "", ""}, "", "", ""},
    };
    for (const auto &c : cases) {
        const GamePaths paths = choosePaths(c.facts);
        EXPECT_EQ(paths.data, c.data) << &c - cases;
        EXPECT_EQ(paths.scores, c.scores) << &c - cases;
        EXPECT_EQ(paths.settings, c.settings) << &c - cases;
    }
}

std::vector<int> valuesOf(const Settings &settings) {
    return std::vector<int>(settings.value, settings.value + kSettings);
}

// The settings file: its lines read, a setting written in its line's place,
// lines the game does not know kept, a damaged line named and passed over.
TEST(Settings, ReadAndWrittenKeepingWhatTheGameDoesNotKnow) {
    const std::string text = "# mine\nsound = off\nscale = 3\nvolume = 11\n colour-aid=on \n";
    Settings read;
    EXPECT_EQ(readSettings(text, read), "");
    EXPECT_EQ(valuesOf(read), std::vector<int>({0, 1, 3, -1}));
    EXPECT_EQ(writeSetting(text, ScaleSetting, 2),
              "# mine\nsound = off\nscale = 2\nvolume = 11\n colour-aid=on \n");
    EXPECT_EQ(writeSetting(text, FullScreenSetting, 1), text + "full-screen = on\n");
    Settings written;
    EXPECT_EQ(readSettings(writeSetting("", SoundSetting, 0), written), "");
    EXPECT_EQ(valuesOf(written), std::vector<int>({0, -1, -1, -1}));

    Settings damaged;
    EXPECT_EQ(readSettings("scale = 9\nnonsense\nfull-screen = on\n", damaged),
              "line 1 (\"scale = 9\") is no setting");
    EXPECT_EQ(valuesOf(damaged), std::vector<int>({-1, -1, -1, 1}));
}

// A new window as large as asked; else as remembered, else as the screen's
// resolution suggests, within the screen.
TEST(Settings, TheWindowStartsAsAskedRememberedOrFromTheScreen) {
    const struct {
        int asked, remembered, dpi, width, height, scale;
    } cases[] = {{3, 1, 96, 1024, 768, 3},   {0, 2, 96, 1920, 1200, 2},  {0, 4, 96, 1024, 768, 1},
                 {0, 0, 191, 1920, 1200, 1}, {0, 0, 192, 1920, 1200, 2}, {0, 0, 288, 1920, 1200, 2},
                 {0, 0, 0, 3840, 2160, 1},   {0, 0, 960, 4000, 3000, 4}};
    for (const auto &c : cases)
        EXPECT_EQ(startScale(c.asked, c.remembered, c.dpi, c.width, c.height), c.scale)
            << &c - cases;
    EXPECT_EQ(dpiOf("Xcursor.size:\t24\nXft.dpi:\t192\n"), 192);
    EXPECT_EQ(dpiOf("Xft.antialias:\t1\n"), 0);
    EXPECT_EQ(dpiOf(nullptr), 0);
}

}  // namespace
