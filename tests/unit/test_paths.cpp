// Where the game looks for its data and keeps its table: the source tree, an
// installed game found from its own place, and the overrides.
#include <gtest/gtest.h>

#include "app/paths.h"

namespace {

TEST(Paths, SourceTreeInstalledAndOverridden) {
    const struct {
        PathFacts facts;
        const char *data, *scores;
    } cases[] = {
        // A texture in the working directory wins over everything.
        {{true, "/usr/games/tumblewell", "/opt/data", "/x", "/home/p"}, "", ""},
        // Installed: data beside the program, the table in the home's data folder.
        {{false, "/usr/games/tumblewell", "", "", "/home/p"},
         "/usr/games/../share/tumblewell/",
         "/home/p/.local/share/tumblewell/"},
        // A data override and XDG_DATA_HOME, with or without a trailing slash.
        {{false, "/usr/games/tumblewell", "/opt/tw", "/var/d/", "/home/p/"},
         "/opt/tw/",
         "/var/d/tumblewell/"},
        // A relative XDG_DATA_HOME is ignored.
        {{false, "/p/bin/tumblewell", "", "rel/data", "/home/p"},
         "/p/bin/../share/tumblewell/",
         "/home/p/.local/share/tumblewell/"},
        // Nothing known: the working directory.
        {{false, "", "", "", ""}, "", ""},
    };
    for (const auto &c : cases) {
        const GamePaths paths = choosePaths(c.facts);
        EXPECT_EQ(paths.data, c.data) << &c - cases;
        EXPECT_EQ(paths.scores, c.scores) << &c - cases;
    }
}

}  // namespace
