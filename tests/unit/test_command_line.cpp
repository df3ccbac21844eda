// The command line: the game's own options carried out and taken away, GLUT's
// passed on with their values, and every mistake refused with argv untouched.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "game/game_state.h"

namespace {

using Args = std::vector<std::string>;

struct Result {
    int status;
    Args left;  // argv after the program name, as readCommandLine leaves it
    std::string out, err;
};

// Reads `args` as main gets them, after the program name; `out` may replace
// the captured standard output.
Result read(Args args, std::FILE *out = nullptr) {
    args.insert(args.begin(), "tumblewell");
    std::vector<char *> argv;
    for (std::string &arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    char *outText = nullptr, *errText = nullptr;
    std::size_t outSize = 0, errSize = 0;
    std::FILE *outFile = open_memstream(&outText, &outSize);
    std::FILE *errFile = open_memstream(&errText, &errSize);
    int argc = static_cast<int>(args.size());
    Result result{readCommandLine(&argc, argv.data(), out ? out : outFile, errFile), {}, {}, {}};
    std::fclose(outFile);
    std::fclose(errFile);
    result.out.assign(outText, outSize);
    result.err.assign(errText, errSize);
    std::free(outText);
    std::free(errText);
    EXPECT_EQ(argv[argc], nullptr);
    result.left.assign(argv.begin() + 1, argv.begin() + argc);
    return result;
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
        {{}, kStartGame, "", {}, "", 0},
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
        {{"-display", ":3", "--bogus"}, 2, "tumblewell: unknown option '--bogus'", {}, "", 0},
        {{"-geometry=300x200"}, 2, "tumblewell: unknown option '-geometry=300x200'", {}, "", 0},
        {{"-iconic", "-display"}, 2, "tumblewell: option '-display' needs a value", {}, "", 0},
        {{"--color-aid=yes"}, 2, "tumblewell: option '--color-aid' takes no value", {}, "", 0},
        {{"colour-aid"}, 2, "tumblewell: unexpected argument 'colour-aid'", {}, "", 0},
        // The first of --help and a mistake decides.
        {{"-h", "--bogus"}, 0, "", {}, "Usage: tumblewell ", 0},
        {{"--bogus", "--help"}, 2, "tumblewell: unknown option '--bogus'", {}, "", 0},
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

TEST(CommandLine, HelpFitsEightyColumns) {
    std::istringstream help(read({"--help"}).out);
    int lines = 0;
    for (std::string line; std::getline(help, line); ++lines) EXPECT_LE(line.size(), 80u) << line;
    EXPECT_GT(lines, 20);
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
