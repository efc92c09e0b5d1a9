#pragma once

class QDialog;

// Runs `dialog` as the application's modal window until done() ends it (accept, reject or a
// close from the window system) and returns its result. Unlike QDialog::exec(), hiding the
// dialog does not end the run, so a window may hide itself while it rebuilds and show again.
int RunModal(QDialog& dialog);
