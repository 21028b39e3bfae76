// The composition root: the one place that knows every screen and connects
// the calculation core to the screens. main() and the start-up benchmark
// start the program through it; the screen tests use its registrations and
// hooks.
#pragma once

#include <memory>

namespace quorin {

class MDIForm1;

// Registers the factories of every form of the program with the shell.
void registerForms();

// Connects the calculation hooks (message, beep, custom-gas dialog, the
// selection of a box) to the seams, the shell and the event mechanism.
void installCoreHooks();

// Everything the program does at start-up, with the QApplication already
// made: the application's name, organisation, desktop id and icon, the
// intro pictures started on their worker thread, the desktop's dialogs and
// beep, the core's hooks, the forms, and the parent window shown with the
// intro screen. The caller keeps the window for as long as the program runs.
std::unique_ptr<MDIForm1> startProgram();

}  // namespace quorin
