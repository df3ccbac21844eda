#pragma once

// One complete frame of the credits in the view window.
void drawCredits();
