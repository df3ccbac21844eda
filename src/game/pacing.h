// When the idle step runs and how often it redraws the control panel.
#pragma once

// The idle step's redraw of the panel. A display shows at most one picture per
// refresh, so this draws no sooner than a frame after the idle step's last
// picture (the step comes back for it then), and not at all when the picture
// would come out the same and no timed step (a row push, the end of the
// credits) is due.
void idleRedraw();

// Whatever draws the panel calls this with the state it shows, before the
// timed steps that run after the picture may change it: the idle step compares
// the state with this record, so a frame drawn by a mouse event (a button
// pressed, then released with no redraw of its own) counts like its own.
void notePanelDrawn();

// Milliseconds until the idle step has work (a tick, a timed step, a new
// picture or a level to finish), or -1 when only an event can give it any, so
// that a paused or finished game sleeps instead of looking for work.
int nextStepDelay();

// Events may come faster than the panel can be drawn (a mouse or keyboard in a
// storm): each event's action runs at once, but of the panel frames asked for
// while events are handled, only one a refresh is drawn. An InputEvent lives
// for the handling of one event.
struct InputEvent {
    InputEvent();
    ~InputEvent();
    InputEvent(const InputEvent &) = delete;
    InputEvent &operator=(const InputEvent &) = delete;

  private:
    bool outer;
};

// Asked by the panel's redraw once its exit step has run: true when the frame
// is asked for by an event less than a refresh after the last panel frame. It
// is then held, not drawn: the idle step draws it when the refresh is over
// (nextStepDelay counts it), with the timed steps that follow a picture.
bool holdPanelFrame();

// Draws a held panel frame once a refresh has passed since the last one, or at
// once with evenWithinAFrame (before the game blocks, so that the player sees
// where it stopped).
void drawHeldPanel(bool evenWithinAFrame);
