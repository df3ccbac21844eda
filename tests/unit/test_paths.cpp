// Where the game looks for its data and keeps its table and settings (the source
// tree, an installed game found from its own place, and the overrides), what
// the settings file holds and how it is written, and how large the window
// starts.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/paths.h"
#include "app/window_size.h"
#include "fakes/fake_platform.h"
#include "game/settings.h"
#include "game/storage.h"

namespace {

TEST(Paths, SourceTreeInstalledAndOverridden) {
    const struct {
        PathFacts facts;
        const char *data, *scores, *settings;
    } cases[] = {
        // A program in its build tree started from a folder with a texture
        // plays from there, and keeps no settings.
        {{true, false, "/src/build/tumblewell", "", "/x", "/c", "/home/p"}, "", "", ""},
        // Installed: data beside the program, the table and the settings in the
        // home's data and configuration folders, whatever the folder holds.
        {{true, true, "/usr/games/tumblewell", "", "", "", "/home/p"},
         "/usr/games/../share/tumblewell/",
         "/home/p/.local/share/tumblewell/",
         "/home/p/.config/tumblewell/settings"},
        // A data override, XDG_DATA_HOME and XDG_CONFIG_HOME, with or without a
        // trailing slash.
        {{false, true, "/usr/games/tumblewell", "/opt/tw", "/var/d/", "/etc/c", "/home/p/"},
         "/opt/tw/",
         "/var/d/tumblewell/",
         "/etc/c/tumblewell/settings"},
        // Relative XDG_DATA_HOME and XDG_CONFIG_HOME are ignored.
        {{false, true, "/p/bin/tumblewell", "", "rel/data", "rel/c", "/home/p"},
         "/p/bin/../share/tumblewell/",
         "/home/p/.local/share/tumblewell/",
         "/home/p/.config/tumblewell/settings"},
        // Nothing known: the working directory, and no settings.
        {{false, false, "", "", "", "", ""}, "", "", ""},
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
    // The line is quoted for a terminal: printable characters only, 80 at most.
    EXPECT_EQ(readSettings("\x1b[2J\tclear" + std::string(90, 'x') + "\n", damaged),
              "line 1 (\"?[2J?clear" + std::string(70, 'x') + "...\") is no setting");
    EXPECT_EQ(readSettings("sound = \x7f\n", damaged), "line 1 (\"sound = ?\") is no setting");
}

std::string readFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// An installed game whose settings file is tumblewell/settings in the scratch
// folder.
class SettingsFile : public World {
  protected:
    void SetUp() override {
        World::SetUp();
        path = dir + "/tumblewell/settings";
        std::filesystem::create_directory("tumblewell");
    }
    void TearDown() override {
        loadSettings("");  // no settings again, and nothing left to write
        World::TearDown();
    }
    std::string path;
};

// Two games changing settings at once: the one that waits for the other's lock
// writes its setting into the file as the other left it, so both stay. A file
// kept behind a link is written where the link leads, and the link stays.
TEST_F(SettingsFile, TwoGamesChangingSettingsAtOnceKeepBothAndALinkStays) {
    std::filesystem::create_directory("tumblewell/synced");
    std::ofstream("tumblewell/synced/settings") << "# mine\nscale = 2\n";
    std::filesystem::create_symlink(dir + "/tumblewell/synced/settings", path);
    loadSettings(path);
    int locked[2];
    ASSERT_EQ(pipe(locked), 0);
    const pid_t other = fork();
    ASSERT_GE(other, 0);
    if (other == 0) {  // the other game switches the colour aid on, slowly
        const int written = updatePlayerFile(path, 4096, 1000, [&](std::string &text, bool) {
            const bool told = write(locked[1], "!", 1) == 1;
            usleep(300000);  // time enough for this game's write, were it not held back
            text = writeSetting(text, ColourAidSetting, 1);
            return told;
        });
        _exit(written == 1 ? 0 : 1);
    }
    char byte;
    ASSERT_EQ(read(locked[0], &byte, 1), 1);
    rememberSetting(SoundSetting, 0);
    flushSettings(0, false);
    int status = -1;
    waitpid(other, &status, 0);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(path));
    EXPECT_EQ(readFile("tumblewell/synced/settings"),
              "# mine\nscale = 2\ncolour-aid = on\nsound = off\n");
}

// A storm of c presses: the first change is written at once, later ones a
// second after the last write at the soonest, the last value set at exit. A
// change set back before its write, or one the file holds already (another
// game wrote it), is not written at all.
TEST_F(SettingsFile, AStormOfChangesIsWrittenAtMostOnceASecond) {
    std::ofstream(path) << "scale = 1\n";
    loadSettings(path);
    // Each write replaces the file: the one opened before it then has no name.
    int seen = open(path.c_str(), O_RDONLY), writes = 0;
    const auto countWrite = [&] {
        struct stat info;
        if (fstat(seen, &info) != 0 || info.st_nlink > 0) return;
        ++writes;
        close(seen);
        seen = open(path.c_str(), O_RDONLY);
    };
    for (int i = 0; i < 1000; ++i) {
        rememberSetting(ColourAidSetting, i % 2 == 0 ? 1 : 0);
        flushSettings(5 * i, false);
        countWrite();
    }
    EXPECT_EQ(writes, 5);  // at 0, 1005, 2010, 3015 and 4020 ms
    EXPECT_EQ(readFile(path), "scale = 1\ncolour-aid = on\n");
    EXPECT_EQ(settingsFlushDelay(4995), 25);
    flushSettings(4995, true);
    countWrite();
    EXPECT_EQ(writes, 6);
    EXPECT_EQ(readFile(path), "scale = 1\ncolour-aid = off\n");
    EXPECT_EQ(settingsFlushDelay(4995), -1);
    rememberSetting(ScaleSetting, 3);
    rememberSetting(ScaleSetting, 1);
    EXPECT_EQ(settingsFlushDelay(9000), -1);
    std::ofstream(path) << "scale = 3\ncolour-aid = off\n";
    rememberSetting(ScaleSetting, 3);
    flushSettings(9000, true);
    countWrite();
    EXPECT_EQ(writes, 6);
    EXPECT_EQ(remembered.value[ScaleSetting], 3);
    EXPECT_EQ(settingsFlushDelay(9000), -1);
    close(seen);
}

// Something other than a file in the settings file's place is named for what
// it is. A write that fails is said once, and not tried again until the next
// change.
TEST_F(SettingsFile, AFolderOrAPipeInItsPlaceIsNamedAndAFailedWriteWaits) {
    testing::internal::CaptureStderr();
    loadSettings(path);
    std::filesystem::create_directory(path);
    rememberSetting(SoundSetting, 0);
    flushSettings(0, false);
    EXPECT_EQ(settingsFlushDelay(5000), -1);
    rememberSetting(SoundSetting, 1);
    EXPECT_EQ(settingsFlushDelay(600), 400);  // a second after the last try
    flushSettings(1000, false);
    EXPECT_EQ(settingsFlushDelay(5000), -1);
    std::filesystem::remove(path);
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    loadSettings(path);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "tumblewell: cannot write " + path + ": Is a directory\n" +
                  "tumblewell: cannot read " + path + ": not a regular file; the defaults hold\n");
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
