// The command line: the game's own options carried out and taken away, GLUT's
// passed on with their values, and every mistake refused with argv untouched.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/window_size.h"
#include "game/game_state.h"

namespace {

using Args = std::vector<std::string>;

struct Result {
    int status;
    Args left;  // argv after the program name, as readCommandLine leaves it
    std::string out, err;
};

// A stream that keeps what is written to it, handed out by text().
struct Capture {
    char *buffer = nullptr;
    std::size_t size = 0;
    std::FILE *file = open_memstream(&buffer, &size);
    std::string text() {
        std::fclose(file);
        std::string text(buffer, size);
        std::free(buffer);
        return text;
    }
};

// Reads `args` as main gets them, after the program name; `out` may replace
// the captured standard output.
Result read(Args args, std::FILE *out = nullptr) {
    args.insert(args.begin(), "tumblewell");
    std::vector<char *> argv;
    for (std::string &arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    Capture outText, errText;
    int argc = static_cast<int>(args.size());
    const int status = readCommandLine(&argc, argv.data(), out ? out : outText.file, errText.file);
    EXPECT_EQ(argv[argc], nullptr);
    return {status, Args(argv.begin() + 1, argv.begin() + argc), outText.text(), errText.text()};
}

TEST(CommandLine, OptionsCarriedOutPassedOnOrRefused) {
    const struct {
        Args args;
        int status;
        const char *firstLine;  // of standard error ("" for nothing), then a hint to --help
        Args left;              // after a start; a refusal leaves all of args
        const char *out;        // how standard output starts
        int colourAid;
    } cases[] = {
        {{"--colour-aid"}, kStartGame, "", {}, "", 1},
        // GLUT's options stay, in order and with their values, around the game's.
        {{"-display", ":3", "--color-aid", "-geometry", "300x200+0+0", "-iconic", "-direct",
          "-indirect", "-sync", "-gldebug"},
         kStartGame,
         "",
         {"-display", ":3", "-geometry", "300x200+0+0", "-iconic", "-direct", "-indirect", "-sync",
          "-gldebug"},
         "",
         1},
        // The first mistake or --help decides.
        {{"-sync", "--bogus", "--help"}, 2, "tumblewell: unknown option '--bogus'", {}, "", 0},
        {{"-geometry=300x200"}, 2, "tumblewell: unknown option '-geometry=300x200'", {}, "", 0},
        {{"-iconic", "-display"}, 2, "tumblewell: option '-display' needs a value", {}, "", 0},
        {{"--color-aid=yes"}, 2, "tumblewell: option '--color-aid' takes no value", {}, "", 0},
        {{"colour-aid"}, 2, "tumblewell: unexpected argument 'colour-aid'", {}, "", 0},
        {{"-h", "--bogus"}, 0, "", {}, "Usage: tumblewell ", 0},
        {{"--version"}, 0, "", {}, "tumblewell 1.", 0},
    };
    for (const auto &c : cases) {
        game.colourAid = 0;
        const Result got = read(c.args);
        const std::string row = testing::PrintToString(c.args);
        const std::string hint = "\nTry 'tumblewell --help' for the options.\n";
        EXPECT_EQ(got.status, c.status) << row;
        EXPECT_EQ(got.left, c.status == kStartGame ? c.left : c.args) << row;
        EXPECT_EQ(got.err, *c.firstLine ? c.firstLine + hint : "") << row;
        EXPECT_EQ(got.out.substr(0, std::string(c.out).size()), c.out) << row;
        EXPECT_EQ(game.colourAid, c.colourAid) << row;
    }
}

// The window's options; a scale that is no whole number from 1 to 4 is refused
// in one line.
TEST(CommandLine, TheWindowStartsScaledOrInFullScreen) {
    EXPECT_EQ(read({"--scale=3", "--fullscreen"}).status, kStartGame);
    EXPECT_EQ(windowChoice.askedScale, 3);
    EXPECT_TRUE(windowChoice.askedFullScreen);
    for (const char *bad : {"0", "5", "1.5", "2x", ""}) {
        const Result got = read({"--scale", bad});
        EXPECT_EQ(got.status, 2) << bad;
        EXPECT_EQ(got.err, std::string("tumblewell: option '--scale' takes a whole number from 1 "
                                       "to 4, not '") +
                               bad + "'\n");
    }
}

// The help lists the game's options with both their spellings, and GLUT's.
TEST(CommandLine, HelpListsTheOptionsInEightyColumns) {
    const std::string text = read({"--help"}).out;
    std::istringstream help(text);
    for (std::string line; std::getline(help, line);) EXPECT_LE(line.size(), 80u) << line;
    EXPECT_NE(text.find("\n  --colour-aid, --color-aid "), std::string::npos) << text;
    EXPECT_NE(text.find("\n  -display NAME "), std::string::npos) << text;
}

// `tumblewell --version > /dev/full` must not look like a success.
TEST(CommandLine, OutputThatCannotBeWrittenFails) {
    std::FILE *full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    const Result got = read({"--version"}, full);
    std::fclose(full);
    EXPECT_EQ(got.status, 1);
    EXPECT_EQ(got.err, "tumblewell: cannot write the output: No space left on device\n");
}

}  // namespace
