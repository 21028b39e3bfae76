#include "state/SharedState.h"

#include "state/Hooks.h"

namespace quorin {

SharedState& shared() {
    static SharedState state;
    return state;
}

Hooks& hooks() {
    static Hooks h;
    return h;
}

void askCustomGas() {
    if (hooks().showCustomGas) hooks().showCustomGas();
}

void showMessage(const std::string& text) {
    if (hooks().message) hooks().message(text);
}

void beep() {
    if (hooks().beep) hooks().beep();
}

void selectControl(const std::string& control) {
    if (hooks().selectControl) hooks().selectControl(control);
}

}  // namespace quorin
