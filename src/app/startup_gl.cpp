#include <GL/freeglut.h>
#include <SDL/SDL.h>
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/frame.h"
#include "app/full_screen.h"
#include "app/input.h"
#include "app/layout.h"
#include "app/paths.h"
#include "app/screen.h"
#include "app/stale_wm.h"
#include "app/startup.h"
#include "app/window_identity.h"
#include "app/window_size.h"
#include "assets/sound.h"
#include "assets/texture.h"
#include "game/board.h"
#include "game/game_state.h"
#include "game/settings.h"
#include "render/draw_helpers.h"
#include "render/view.h"

namespace {

// SDL keeps using the format it was opened with, so it lives for the whole run.
SDL_AudioSpec audioSpec;

// Loads one block texture; a missing or unusable picture ends the start-up
// with its message, and the reason on standard error tells the two apart.
void loadBlockTexture(unsigned int &name, const char *file, const char *message) {
    const std::string path = dataFile(file);
    const char *why = "";
    name = loadTexture(path.c_str(), 1, why);
    if (name == 0) {
        std::printf("%s", message);
        std::fprintf(stderr, "%s: %s\n", path.c_str(), why);
        // A failed start must not look like a successful one to the caller.
        quitGame(1);
    }
}

// The value of GLUT's option `name` on the command line, or nullptr.
const char *optionValue(int argc, char **argv, const char *name) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0) return argv[i + 1];
    return nullptr;
}

}  // namespace

void setUpHeap() {
    // Every clip is read and converted afresh when it plays, in buffers of tens
    // to hundreds of kilobytes that come and go in any order. Served from their
    // own mappings they go back to the system when freed, instead of leaving
    // holes that make the heap creep over a long session. The software GL
    // renderer's working blocks (64 KiB and a few bytes, several a frame) get
    // mappings too, which costs a frame some time; kept in the heap instead,
    // they made it grow by megabytes within minutes of play.
    mallopt(M_MMAP_THRESHOLD, 64 * 1024);
}

void openAudio() {
    fillAudioSpec(audioSpec);
    if (SDL_OpenAudio(&audioSpec, nullptr) < 0) {
        std::fprintf(stderr, "Unable to open audio: %s\n", SDL_GetError());
        game.soundOn = 0;
        return;
    }
    // Playing starts even with the sound switched off (in an earlier run): the
    // switch only decides whether clips are started.
    SDL_PauseAudio(0);
}

void createWindows(int *argc, char **argv) {
    const char *display = optionValue(*argc, argv, "-display");
    const bool placed = optionValue(*argc, argv, "-geometry") != nullptr;
    clearStaleWindowManagerCheck(display);
    const int dpi = screenDpi(display);
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    // As large as asked, or as the player last left it, or as the screen's
    // resolution suggests; a -geometry given to GLUT has the last word.
    windowScale = startScale(windowChoice.askedScale, std::max(remembered.value[ScaleSetting], 0),
                             dpi, glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
    if (!placed) {
        glutInitWindowSize(game.windowWidth * windowScale, game.windowHeight * windowScale);
        glutInitWindowPosition(100, 100);
    }

    // The first game's board exists before any window does. rand() is never
    // seeded, so every run deals the same walls.
    clearBoard();
    fillBoard(0, 4);

    game.mainWindow = glutCreateWindow("Tumblewell");
    identifyWindow();  // before anything else that talks to the display
    if (windowChoice.askedFullScreen || remembered.value[FullScreenSetting] == 1) startFullScreen();
    // A window the system shows again is drawn at the next frame; the game's
    // own changes mark what they change.
    glutDisplayFunc([] { mark(MarkPanel); });
    glutReshapeFunc(onReshape);
    // Closed by the window manager: the game ends as it does on q, settings
    // written and the sound device closed.
    glutCloseFunc(onWindowClosed);
    glutWindowStatusFunc(onWindowStatus);
    glutMouseFunc(onMouse);
    glutKeyboardFunc(onKeyboard);
    glutSpecialFunc(onSpecialKey);
    initPanelGL();

    loadBlockTexture(game.redTexture, "red.ppm", "Couldn't find red texture file\n");
    loadBlockTexture(game.greenTexture, "green.ppm", "Couldn't find green texture file\n");
    loadBlockTexture(game.blueTexture, "blue.ppm", "Couldn't find blue texture file\n");
    loadBlockTexture(game.lightBlueTexture, "lightblue.ppm",
                     "Couldn't find light blue texture file\n");

    shownLayout = layoutFor(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    const WindowBox view = viewBox(shownLayout);
    game.viewWindow = glutCreateSubWindow(game.mainWindow, view.x, view.y, view.width, view.height);
    glutDisplayFunc([] { mark(MarkView); });
    glutReshapeFunc(onViewReshape);
    glutKeyboardFunc(onKeyboard);
    glutSpecialFunc(onSpecialKey);
    glClearColor(0, 0, 0, 0);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-1.0, 1.0, -1.0, 1.0, 1.5, 20.0);
    glMatrixMode(GL_MODELVIEW);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    buildCubeLists(kCubeEdge);
}
