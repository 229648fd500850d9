// A desktop of its own for the help tests: XDG folders in a temporary folder, with the
// system's MIME database and one browser that records how it was started.
// Build it before the first GIO call of the process (a global object does), as GIO reads
// the XDG variables once.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/scratch_folder.h"

class FakeDesktop {
public:
    FakeDesktop();

    // The arguments of each start of the browser so far, one list per start; Forget()
    // drops those recorded so far.
    std::vector<std::vector<std::string>> Launches() const;
    void Forget() const;

private:
    TempFolder root_;
    std::filesystem::path launches_ = root_.Path() / "launches";
};
