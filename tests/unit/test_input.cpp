// Mouse and keys: the two hit-test passes, the guards of each button in each
// mode of the game, the flat grid, the command keys and the name entry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/button.h"
#include "app/input.h"
#include "fakes/fake_frame.h"
#include "game/flow.h"

namespace {

constexpr int kLeft = 0, kRight = 2, kDown = 0, kUp = 1;

struct Input : testing::Test {
    void SetUp() override {
        resetWorld();
        placeButtons();
        enterScratchDir();  // the high-score screen reads and writes scores.dat
    }
    void TearDown() override { leaveScratchDir(); }
};

// Panel points are y-up; GLUT reports window positions y-down from the top.
void mouseAt(int button, int state, int px, int py) { onMouse(button, state, px, 600 - py); }

// The pressed flags of the eleven buttons, in the order of the press pass.
Button *const kButtons[] = {&newGameButton,   &soundButton, &highScoresButton, &speedUpButton,
                            &speedDownButton, &pauseButton, &topButton,        &bottomButton,
                            &leftButton,      &rightButton, &exitButton};
std::string pressedFlags() {
    std::string flags;
    for (Button *b : kButtons) flags += static_cast<char>('0' + b->pressed);
    return flags;
}

TEST_F(Input, PressAndReleaseTestTheButtonsInTheirOwnOrders) {
    const struct {
        int state, px, py;
        const char *flags;
    } cases[] = {
        {kDown, 10, 280, "00000000111"},  // Left: Top and Bottom come first on a press
        {kUp, 10, 280, "00000011011"},    // ...but after it on a release
        {kUp, 120, 280, "00000001001"},   // Right comes before Bottom on a release
        {kDown, 60, 480, "00000111111"},  // Pause comes after the speeds on a press
        {kDown, 83, 450, "00011111111"},  // the column shared by the speed buttons
        {kUp, 83, 450, "00001011111"},
        {kDown, 60, 420, "00000000001"},  // Exit, tested last by both
        {kUp, 60, 420, "00000000000"},
        {kUp, 300, 50, "00000000000"},  // on no button: every one is tested
    };
    for (const auto &c : cases) {
        resetWorld();
        placeButtons();
        for (Button *b : kButtons) b->pressed = 1;
        mouseAt(kLeft, c.state, c.px, c.py);
        EXPECT_EQ(pressedFlags(), c.flags) << c.state << " at " << c.px << ", " << c.py;
        // The redraw comes before any action.
        EXPECT_EQ(fake.calls.empty() ? "" : fake.calls.front(), "drawPanel");
    }
    // Other mouse buttons only redraw.
    resetWorld();
    placeButtons();
    mouseAt(kRight, kDown, 60, 540);
    mouseAt(kRight, kUp, 60, 540);
    EXPECT_EQ(pressedFlags(), "00000000000");
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"drawPanel", "drawPanel"}));
}

// What a release did: 'A' its action ran, 'R' only the panel was redrawn, '-'
// nothing beyond the redraw every event makes, 'Q' the program ended.
char releaseOutcome(int px, int py) {
    const GameState before = game;
    fake.clear();
    try {
        mouseAt(kLeft, kUp, px, py);
    } catch (const QuitCalled &) {
        return 'Q';
    }
    const bool acted = fake.count("drawView") > 0 || game.soundOn != before.soundOn ||
                       game.highScoreView != before.highScoreView || game.paused != before.paused ||
                       game.currentInterval != before.currentInterval ||
                       game.viewSide != before.viewSide || game.exitState != before.exitState ||
                       game.points != before.points;
    if (acted) return 'A';
    return fake.count("drawPanel") > 1 ? 'R' : '-';
}

TEST_F(Input, EachModeRefusesItsOwnButtons) {
    // New Game, Sound, the scores, Pause, Speed +, Speed -, Left, Top, Right,
    // Bottom, Exit, and a pair of blocks on the grid.
    const int points[][2] = {{60, 540}, {60, 510}, {0, 0},     {60, 480}, {40, 450}, {120, 450},
                             {40, 280}, {80, 310}, {120, 280}, {80, 250}, {60, 420}, {15, 5}};
    const struct {
        const char *mode;
        Flag paused, gameOver;
        int highScoreView, exitState;
        const char *outcomes;
    } modes[] = {{"playing", 0, 0, 0, 0, "AAAAAAAAAAAA"},
                 {"paused", 1, 0, 0, 0, "AAAAAARRRRA-"},
                 {"scores", 1, 0, 1, 0, "AAARRRRRRRA-"},
                 {"over", 0, 1, 0, 0, "AAAAAAAAAAA-"},
                 {"credits", 0, 1, 0, 1, "--R-RR----Q-"}};
    for (const auto &m : modes) {
        std::string outcomes;
        for (const auto &p : points) {
            resetWorld();
            placeButtons();
            game.paused = m.paused;
            game.gameOver = m.gameOver;
            game.highScoreView = m.highScoreView;
            game.exitState = m.exitState;
            game.viewSide = Bottom;
            game.board[Bottom][0][0] = game.board[Bottom][0][1] = Red;
            if (p[1] == 250) game.viewSide = Top;  // so that Bottom is a change
            outcomes += releaseOutcome(p[0], p[1]);
        }
        EXPECT_EQ(outcomes, m.outcomes) << m.mode;
    }
}

TEST_F(Input, AReleaseOnTheGridClicksTheCellUnderIt) {
    // Stripes make the removed group tell where the click landed.
    const struct {
        int px, py;
        bool columns;
        int removed;  // the column (vertical stripes) or row (horizontal) emptied
    } cases[] = {{25, 5, true, 0},     {159, 209, true, 4},  {25, 5, false, 0},
                 {159, 209, false, 6}, {160, 209, true, -1}, {9, 5, true, -1},
                 {159, 210, true, -1}};
    for (const auto &c : cases) {
        resetWorld();
        game.viewSide = Right;
        for (int row = 0; row < kRows; ++row)
            for (int col = 0; col < kColumns; ++col)
                game.board[Right][row][col] = (c.columns ? col : row) % 2 ? Green : Red;
        for (auto &row : game.board[Bottom])   // the next wall in memory: nothing to
            for (int &cell : row) cell = Red;  // find there by a click beside the grid
        mouseAt(kLeft, kUp, c.px, c.py);
        if (c.removed < 0) {
            EXPECT_EQ(game.points, 0);
        } else if (c.columns) {
            EXPECT_EQ(game.points, 70);
            EXPECT_EQ(game.board[Right][0][c.removed], Empty);
        } else {
            EXPECT_EQ(game.points, 50);
            EXPECT_EQ(game.board[Right][6][0], Empty);
            EXPECT_EQ(game.board[Right][0][0], c.removed == 0 ? Green : Red);
        }
    }
}

void type(const std::string &keys) {
    for (char key : keys) onKeyboard(static_cast<unsigned char>(key), 0, 0);
}

TEST_F(Input, CommandKeys) {
    const struct {
        char key;
        Flag paused;
        int exitState, viewSide, rowsLeft;
    } cases[] = {{'s', 0, 0, Left, 15},   {'e', 0, 0, Top, 15}, {'f', 0, 0, Right, 15},
                 {'d', 0, 1, Bottom, 15}, {'d', 1, 0, -1, 15},  {'D', 0, 0, -1, 15},
                 {'x', 0, 0, -1, 15},     {'n', 1, 1, -1, 0}};
    for (const auto &c : cases) {
        resetWorld();
        game.viewSide = -1;  // so that any choice of wall shows
        game.paused = c.paused;
        game.exitState = c.exitState;
        game.gameOver = c.exitState;
        type(std::string(1, c.key));
        EXPECT_EQ(game.viewSide, c.viewSide) << c.key;
        EXPECT_EQ(game.rowsLeft, c.rowsLeft) << c.key;
    }
    EXPECT_THROW(type("q"), QuitCalled);
}

TEST_F(Input, AfterAGameOverKeysTypeTheNameUntilEnter) {
    game.gameOver = 1;
    game.nameState = 1;
    type("\bq\bAB\b");
    EXPECT_STREQ(game.playerName, "A");  // q was a letter of the name, not a quit
    type("bcdefghijklmnopqrstuvwxyz");
    EXPECT_STREQ(game.playerName, "Abcdefghijklmnopqrst");  // full at 20
    type("\b");
    EXPECT_STREQ(game.playerName, "Abcdefghijklmnopqrs");
    EXPECT_EQ(game.nameState, 1);
    // Each key asks the view to show the name as it now stands, and nothing else.
    EXPECT_EQ(fake.count("requestViewRedraw"), static_cast<int>(fake.calls.size()));
    EXPECT_EQ(fake.calls.size(), 32u);
    type("\r");
    EXPECT_EQ(game.nameState, 2);
    EXPECT_STREQ(game.playerName, "Abcdefghijklmnopqrs");
    EXPECT_THROW(type("q"), QuitCalled);
}

}  // namespace
