// Measures how long a program takes from exec to its first top-level window
// being mapped on the X display:
//
//     mapwait "Window title" program [args...]
//
// prints the milliseconds on standard output, then ends the program.
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

bool hasName(Display *display, Window window, const char *name) {
    char *title = nullptr;
    const bool match = XFetchName(display, window, &title) && title && std::strcmp(title, name) == 0;
    if (title) XFree(title);
    return match;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: mapwait TITLE PROGRAM [ARGS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "mapwait: cannot open the display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    alarm(20);  // give up on a program that never shows its window
    int status = 1;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify) continue;
        // Some toolkits name the window just after mapping it; look again briefly.
        bool named = false;
        for (int i = 0; i < 50 && !named; ++i) {
            named = hasName(display, event.xmap.window, argv[1]);
            if (!named) usleep(1000);
        }
        if (named) {
            std::printf("%.1f\n", nowMs() - start);
            status = 0;
            break;
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return status;
}
