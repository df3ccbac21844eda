// Time to draw one control-panel frame and one full tunnel frame (140 cubes),
// in the game's own windows, at 800 by 600 and scaled twice. Run from the
// repository root under an X server whose screen holds 1600 by 1200.
#include <GL/freeglut.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include "game/game_state.h"
#include "platform/desktop/startup.h"
#include "platform/desktop/window_layer.h"
#include "render/panel.h"
#include "render/view.h"

namespace {

void BM_PanelFrame(benchmark::State &state) {
    for (int &cell : game.nextRow) cell = Blue;  // all five preview cubes
    for (auto _ : state) {
        drawPanel(desktop.canvas, desktop.layout);
        glFinish();  // count the software renderer's work, not just its queue
    }
}
BENCHMARK(BM_PanelFrame)->Unit(benchmark::kMicrosecond);

// The floor under both: clearing and presenting an empty 800 by 600 frame.
void BM_ClearAndSwap(benchmark::State &state) {
    glutSetWindow(desktop.mainWindow);
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glutSwapBuffers();
        glFinish();
    }
}
BENCHMARK(BM_ClearAndSwap)->Unit(benchmark::kMicrosecond);

void tunnelFrames(benchmark::State &state, Flag colourAid) {
    game.colourAid = colourAid;
    int colour = 0;
    for (auto &side : game.board)
        for (auto &row : side)
            for (int &cell : row) cell = colour++ % 4 + 1;
    for (auto _ : state) {
        drawView(desktop.canvas, desktop.layout);
        glFinish();
    }
    game.colourAid = 0;
}
void BM_TunnelFrame(benchmark::State &state) { tunnelFrames(state, 0); }
BENCHMARK(BM_TunnelFrame)->Unit(benchmark::kMicrosecond);

// The same with the colour aid: a shape on every cube's face toward the tunnel's
// middle, and on the front faces of the row at the mouth.
void BM_TunnelFrameAid(benchmark::State &state) { tunnelFrames(state, 1); }
BENCHMARK(BM_TunnelFrameAid)->Unit(benchmark::kMicrosecond);

// The same frames in a window of 1600 by 1200, the picture scaled twice: four
// times the pixels, which should cost no more than four and a half times.
void resizeWindow(int width, int height) {
    glutSetWindow(desktop.mainWindow);
    glutReshapeWindow(width, height);
    for (int i = 0; i < 50; ++i) {  // shaped, the view too
        glutMainLoopEvent();
        usleep(5000);
    }
}

void BM_PanelFrameDoubled(benchmark::State &state) {
    resizeWindow(1600, 1200);
    BM_PanelFrame(state);
    resizeWindow(800, 600);
}
BENCHMARK(BM_PanelFrameDoubled)->Unit(benchmark::kMicrosecond);

void BM_TunnelFrameDoubled(benchmark::State &state) {
    resizeWindow(1600, 1200);
    tunnelFrames(state, 0);
    resizeWindow(800, 600);
}
BENCHMARK(BM_TunnelFrameDoubled)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char **argv) {
    setUpHeap();  // as the game does: it sets what the renderer's blocks cost
    createWindows(&argc, argv);
    // Let the windows map before timing anything.
    for (int i = 0; i < 20; ++i) glutMainLoopEvent();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
