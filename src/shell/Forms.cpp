// The factories of every form, by name.
#include "shell/Shell.h"

namespace quorin {

void registerForms() {
    Shell& shell = Shell::instance();
    (void)shell;
}

}  // namespace quorin
