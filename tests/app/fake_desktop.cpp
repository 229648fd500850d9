#include "tests/app/fake_desktop.h"

#include <stdlib.h>

#include <gio/gio.h>

namespace fs = std::filesystem;

namespace {

void WriteFile(const fs::path& path, const std::string& content) {
    fs::create_directories(path.parent_path());
    WriteBytes(path, content);
}

}  // namespace

FakeDesktop::FakeDesktop() {
    const fs::path& root = root_.Path();
    for (const char* folder : {"data-dirs", "data-home/applications", "config-home", "config-dirs", "launches"})
        fs::create_directories(root / folder);
    fs::create_directory_symlink("/usr/share/mime", root / "data-dirs" / "mime");
    setenv("XDG_DATA_HOME", (root / "data-home").c_str(), 1);
    setenv("XDG_DATA_DIRS", (root / "data-dirs").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (root / "config-home").c_str(), 1);
    setenv("XDG_CONFIG_DIRS", (root / "config-dirs").c_str(), 1);
    unsetenv("XDG_CURRENT_DESKTOP");
    // No session bus: GIO must not start one for the launches.
    setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + (root / "no-bus").string()).c_str(), 1);

    // Each start leaves one file with its arguments, each ended by a zero byte.
    const fs::path recorder = root / "record-launch";
    WriteFile(recorder, "#!/bin/sh\n"
                        "f=$(mktemp '" + launches_.string() + "/start.XXXXXX')\n"
                        "printf '%s\\0' \"$@\" > \"$f.part\" && mv \"$f.part\" \"$f.args\"\n");
    fs::permissions(recorder, fs::perms::owner_all);

    gchar* type = g_content_type_guess("Velmor.mht", nullptr, 0, nullptr);
    WriteFile(root / "data-home" / "applications" / "velmor-test-browser.desktop",
              "[Desktop Entry]\nType=Application\nName=Test browser\nExec=" + recorder.string() +
                  " %f\nMimeType=" + type + ";\n");
    WriteFile(root / "config-home" / "mimeapps.list",
              std::string("[Default Applications]\n") + type + "=velmor-test-browser.desktop\n");
    g_free(type);
}

void FakeDesktop::Forget() const {
    for (const auto& entry : fs::directory_iterator(launches_)) fs::remove(entry.path());
}

std::vector<std::vector<std::string>> FakeDesktop::Launches() const {
    std::vector<std::vector<std::string>> launches;
    for (const auto& entry : fs::directory_iterator(launches_)) {
        if (entry.path().extension() != ".args") continue;
        std::vector<std::string>& arguments = launches.emplace_back();
        const std::string record = ReadBytes(entry.path());
        for (std::size_t start = 0, end; (end = record.find('\0', start)) != std::string::npos;
             start = end + 1)
            arguments.push_back(record.substr(start, end - start));
    }
    return launches;
}
