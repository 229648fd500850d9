// Linked into each test program in place of the program's own interlude, which lets every
// save go on.
#include "tests/support/save_interlude.h"

#include <utility>

#include "platform/save_file_os.h"

namespace {
std::function<bool()> nextAct;
}

void AtNextSaveInterlude(std::function<bool()> act) { nextAct = std::move(act); }

bool save_file_os::SaveInterlude() {
    const std::function<bool()> act = std::exchange(nextAct, nullptr);
    return !act || act();
}
