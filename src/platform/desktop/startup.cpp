#include "platform/desktop/startup.h"

#include <GL/freeglut.h>
#include <SDL/SDL.h>
#include <X11/Xutil.h>
#include <malloc.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/paths.h"
#include "app/window_size.h"
#include "assets/ppm.h"
#include "game/actions.h"
#include "game/game_state.h"
#include "game/settings.h"
#include "game/storage.h"
#include "platform/desktop/audio.h"
#include "platform/desktop/full_screen.h"
#include "platform/desktop/input.h"
#include "platform/desktop/screen.h"
#include "platform/desktop/stale_wm.h"
#include "platform/desktop/window_identity.h"
#include "platform/desktop/window_layer.h"

namespace {

// SDL keeps using the format it was opened with, so it lives for the whole run.
SDL_AudioSpec audioSpec;

// Loads the picture of one block colour; a missing or unusable picture ends
// the start-up with its message, and the reason on standard error tells the
// two apart. It is read whole before anything is made of it, and no larger
// than the graphics driver can hold.
void loadBlockPicture(int block, const char *file, const char *message) {
    const std::string path = dataFile(file);
    std::string bytes;
    PpmImage image;
    const char *why = nullptr;
    if (!readSmallFile(path, bytes, kMaxPpmFileBytes))
        why = describeFileError(errno);
    else
        readPpm(bytes, image, std::min(desktop.canvas.largestPicture(), kMaxPpmSide), &why);
    if (why != nullptr) {
        std::printf("%s", message);
        std::fprintf(stderr, "%s: %s\n", path.c_str(), why);
        // A failed start must not look like a successful one to the caller.
        quitGame(1);
    }
    desktop.canvas.loadPicture(block, image);
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

void checkDisplay(int argc, char **argv) { requireDisplay(optionValue(argc, argv, "-display")); }

void createWindows(int *argc, char **argv) {
    const char *display = optionValue(*argc, argv, "-display");
    // -geometry gives GLUT a place, a size, or both; what it leaves out is the
    // game's own.
    const char *geometry = optionValue(*argc, argv, "-geometry");
    int gx = 0, gy = 0;
    unsigned gw = 0, gh = 0;
    const int given = geometry != nullptr ? XParseGeometry(geometry, &gx, &gy, &gw, &gh) : 0;
    const bool sized = (given & (WidthValue | HeightValue)) != 0;
    clearStaleWindowManagerCheck(display);
    const int dpi = screenDpi(display);
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    // As large as asked, or as the player last left it, or as the screen's
    // resolution suggests.
    windowScale = startScale(windowChoice.askedScale, std::max(remembered.value[ScaleSetting], 0),
                             dpi, glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
    if (sized) {
        // A size given for this run is no size the player chose to keep: the
        // window starts at the scale it shows, which is then nothing new.
        windowScale = wholeScale(layoutFor(static_cast<int>(gw), static_cast<int>(gh)));
    } else {
        glutInitWindowSize(kPictureWidth * windowScale, kPictureHeight * windowScale);
    }
    if ((given & (XValue | YValue)) == 0) glutInitWindowPosition(100, 100);

    dealFirstGame();  // the first game's walls exist before any window does

    desktop.mainWindow = glutCreateWindow("Tumblewell");
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

    desktop.canvas.setWindows(desktop.mainWindow, 0);
    loadBlockPicture(Red, "red.ppm", "Couldn't find red texture file\n");
    loadBlockPicture(Green, "green.ppm", "Couldn't find green texture file\n");
    loadBlockPicture(Blue, "blue.ppm", "Couldn't find blue texture file\n");
    loadBlockPicture(LightBlue, "lightblue.ppm", "Couldn't find light blue texture file\n");

    desktop.layout = layoutFor(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    const WindowBox view = viewBox(desktop.layout);
    desktop.viewWindow =
        glutCreateSubWindow(desktop.mainWindow, view.x, view.y, view.width, view.height);
    glutDisplayFunc([] { mark(MarkView); });
    glutReshapeFunc(onViewReshape);
    glutKeyboardFunc(onKeyboard);
    glutSpecialFunc(onSpecialKey);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    desktop.canvas.setWindows(desktop.mainWindow, desktop.viewWindow);
}
