// The moment of a save between its checks and putting the new file in place, owned by the
// tests: what runs there at the next save.
#pragma once

#include <functional>

// `act` runs at the next save's interlude, once; returning false fails that save there,
// with its new file written, as a full disk would.
void AtNextSaveInterlude(std::function<bool()> act);

inline void FailNextSave() {
    AtNextSaveInterlude([] { return false; });
}
