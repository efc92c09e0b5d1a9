#pragma once

// Whether a window manager runs on the desktop the program shows its windows on: one that
// minimises top-level windows and gives them back. Bare X servers and the offscreen platform
// have none.
bool WindowManagerRuns();
