// Side effects that calculation routines ask for but never perform themselves.
//
// The user interface installs real handlers at start-up; tests install
// recording ones. An empty hook does nothing.
#pragma once

#include <functional>
#include <string>

namespace quorin {

struct Hooks {
    // Show the custom-gas dialog modally; returns when it is closed.
    std::function<void()> showCustomGas;
    // Plain message box with an OK button and no title of its own.
    std::function<void(const std::string& text)> message;
    // The system beep.
    std::function<void()> beep;
    // Select the whole text of the named box of the open screen and give it
    // the focus (for example "cboLineSize" when a size has no coefficient).
    std::function<void(const std::string& control)> selectControl;
};

Hooks& hooks();

// Callers use these; they tolerate missing handlers.
void askCustomGas();
void showMessage(const std::string& text);
void beep();
void selectControl(const std::string& control);

}  // namespace quorin
