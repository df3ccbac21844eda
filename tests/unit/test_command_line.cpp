// The command line: the game's own options carried out and taken away, GLUT's
// passed on with their values, and every mistake refused with argv untouched.
#include <gtest/gtest.h>

#include <cstdio>
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

// What was written to a temporary stream, which is closed.
std::string text(std::FILE *file) {
    std::rewind(file);
    std::string text;
    for (int c; (c = std::fgetc(file)) != EOF;) text += static_cast<char>(c);
    std::fclose(file);
    return text;
}

// Reads `args` as main gets them, after the program name; `out` may replace
// the captured standard output.
Result read(Args args, std::FILE *out = nullptr) {
    args.insert(args.begin(), "tumblewell");
    std::vector<char *> argv;
    for (std::string &arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::FILE *captured = std::tmpfile(), *err = std::tmpfile();
    int argc = static_cast<int>(args.size());
    const int status = readCommandLine(&argc, argv.data(), out ? out : captured, err);
    EXPECT_EQ(argv[argc], nullptr);
    return {status, Args(argv.begin() + 1, argv.begin() + argc), text(captured), text(err)};
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
        {{"--scale=3", "--fullscreen"}, kStartGame, "", {}, "", 0},  // the window's options
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
    EXPECT_EQ(windowChoice.askedScale, 3);  // as the last row asks
    EXPECT_TRUE(windowChoice.askedFullScreen);
}

// A scale that is no whole number from 1 to 4 is refused in one line.
TEST(CommandLine, AScaleOutOfRangeIsRefusedInOneLine) {
    const std::string refusal = "tumblewell: option '--scale' takes a whole number from 1 to 4";
    for (const char *bad : {"0", "5", "1.5", "2x", ""}) {
        const Result got = read({"--scale", bad});
        EXPECT_EQ(got.status, 2);
        EXPECT_EQ(got.err, refusal + ", not '" + bad + "'\n");
    }
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
