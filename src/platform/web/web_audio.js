// The browser's side of the game's sound: an audio context at the game's own
// rate (22050 frames a second, stereo), whose callback asks the game's mixer
// for the next block of 16-bit samples and hands them to the browser as
// floating-point channels. Browsers let a page start sound only from a click
// or a key, so the game calls twStartAudio from its first one.

var TW_AUDIO_RATE = 22050;
var TW_AUDIO_FRAMES = 1024;  // frames a callback fills: 46 ms at the game's rate
var twAudio = null;

function twStartAudio() {
  var Context = window.AudioContext || window.webkitAudioContext;
  if (twAudio || !Context) return;
  try {
    twAudio = new Context({sampleRate: TW_AUDIO_RATE});
  } catch (e) {  // a browser that cannot run at that rate: the game's sound is stretched to its own
    twAudio = new Context();
  }
  var mixer = twAudio.createScriptProcessor(TW_AUDIO_FRAMES, 0, 2);
  var samples = 0;  // the game's samples for one callback, in the game's memory
  mixer.onaudioprocess = function (event) {
    var left = event.outputBuffer.getChannelData(0);
    var right = event.outputBuffer.getChannelData(1);
    // The game's frames this block takes at the context's rate.
    var frames = Math.max(1, Math.round(left.length * TW_AUDIO_RATE / twAudio.sampleRate));
    if (!samples) samples = Module._malloc(4 * 4 * TW_AUDIO_FRAMES);
    frames = Math.min(frames, 4 * TW_AUDIO_FRAMES);
    Module._twMixAudio(samples, frames * 4);
    var mixed = HEAP16.subarray(samples >> 1, (samples >> 1) + 2 * frames);
    for (var i = 0; i < left.length; ++i) {
      var at = Math.min(frames - 1, Math.floor(i * frames / left.length));
      left[i] = mixed[2 * at] / 32768;
      right[i] = mixed[2 * at + 1] / 32768;
    }
  };
  mixer.connect(twAudio.destination);
  if (twAudio.state === 'suspended') twAudio.resume();
}

function twStopAudio() {
  if (twAudio) twAudio.close();
}
