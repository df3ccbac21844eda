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
