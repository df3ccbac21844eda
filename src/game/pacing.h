// How often the idle step redraws the control panel.
#pragma once

// The idle step's redraw of the panel. A display shows at most one picture per
// refresh, so this draws no sooner than a frame after the idle step's last
// picture, and not at all when the picture would come out the same and no
// timed step (a row push, the end of the credits) is due: then it naps a frame.
void idleRedraw();

// An idle pass with nothing to draw gives the processor away for a frame.
void idleRest();

// Whatever draws the panel calls this with the state it shows, before the
// timed steps that run after the picture may change it: the idle step compares
// the state with this record, so a frame drawn by a mouse event (a button
// pressed, then released with no redraw of its own) counts like its own.
void notePanelDrawn();
