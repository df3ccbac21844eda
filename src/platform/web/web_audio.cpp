// Sound in a page: the game's mixer, filled into the browser's audio by the
// callback of web_audio.js on the page's own thread.
#include "platform/web/web_audio.h"

#include <emscripten.h>

#include <cstdint>
#include <cstring>

#include "app/clips.h"
#include "assets/mixer.h"
#include "game/audio.h"

namespace {

Mixer mixer;
bool audioStarted = false;

}  // namespace

// The browser's callback asks for `bytes` of the device format: silence with
// every playing clip added on top.
extern "C" EMSCRIPTEN_KEEPALIVE void twMixAudio(std::uint8_t *stream, int bytes) {
    if (bytes <= 0) return;
    std::memset(stream, 0, static_cast<std::size_t>(bytes));
    mixer.mix(stream, static_cast<std::size_t>(bytes));
}

void startAudio() {
    if (audioStarted) return;
    audioStarted = true;
    EM_ASM(twStartAudio());
}

void stopAudio() { EM_ASM(twStopAudio()); }

void playSound(const char *file) { startClip(mixer, file); }
