// A desktop of its own for the help tests: XDG folders in a temporary folder, with the
// system's MIME database and, when asked for, one browser that records how it was started.
// Build it before the first GIO call of the process (a global object does), as GIO reads
// the XDG variables once.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class FakeDesktop {
public:
    enum class Browser { Registered, None };

    explicit FakeDesktop(Browser browser);
    ~FakeDesktop();
    FakeDesktop(const FakeDesktop&) = delete;
    FakeDesktop& operator=(const FakeDesktop&) = delete;

    // Forgets the launches so far and returns an empty folder for a test's own files.
    std::filesystem::path StartOver() const;

    // The arguments of each start of the browser so far, one list per start.
    std::vector<std::vector<std::string>> Launches() const;

private:
    std::filesystem::path root_;
};
