#include "app/fake_desktop.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>

#include <gio/gio.h>

namespace fs = std::filesystem;

namespace {

void WriteFile(const fs::path& path, const std::string& content) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

FakeDesktop::FakeDesktop(Browser browser) {
    std::string pattern = (fs::temp_directory_path() / "velmor-desktop.XXXXXX").string();
    root_ = mkdtemp(pattern.data());
    fs::create_directories(root_ / "data-dirs");
    fs::create_directory_symlink("/usr/share/mime", root_ / "data-dirs" / "mime");
    fs::create_directories(root_ / "data-home" / "applications");
    fs::create_directories(root_ / "config-home");
    fs::create_directories(root_ / "config-dirs");
    fs::create_directories(root_ / "launches");

    setenv("XDG_DATA_HOME", (root_ / "data-home").c_str(), 1);
    setenv("XDG_DATA_DIRS", (root_ / "data-dirs").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (root_ / "config-home").c_str(), 1);
    setenv("XDG_CONFIG_DIRS", (root_ / "config-dirs").c_str(), 1);
    unsetenv("XDG_CURRENT_DESKTOP");
    // No session bus: GIO must not start one for the launches.
    setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + (root_ / "no-bus").string()).c_str(), 1);
    if (browser == Browser::None) return;

    // Each start leaves one file with its arguments, each ended by a zero byte.
    const fs::path recorder = root_ / "record-launch";
    WriteFile(recorder, "#!/bin/sh\n"
                        "f=$(mktemp '" + (root_ / "launches").string() + "/start.XXXXXX')\n"
                        "printf '%s\\0' \"$@\" > \"$f.part\" && mv \"$f.part\" \"$f.args\"\n");
    fs::permissions(recorder, fs::perms::owner_all);

    gchar* type = g_content_type_guess("Velmor.mht", nullptr, 0, nullptr);
    WriteFile(root_ / "data-home" / "applications" / "velmor-test-browser.desktop",
              "[Desktop Entry]\nType=Application\nName=Test browser\nExec=" + recorder.string() +
                  " %f\nMimeType=" + type + ";\n");
    WriteFile(root_ / "config-home" / "mimeapps.list",
              std::string("[Default Applications]\n") + type + "=velmor-test-browser.desktop\n");
    g_free(type);
}

FakeDesktop::~FakeDesktop() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

fs::path FakeDesktop::StartOver() const {
    const fs::path folder = root_ / "work";
    fs::current_path(root_);
    fs::remove_all(folder);
    fs::create_directory(folder);
    for (const auto& entry : fs::directory_iterator(root_ / "launches")) fs::remove(entry.path());
    return folder;
}

std::vector<std::vector<std::string>> FakeDesktop::Launches() const {
    std::vector<std::vector<std::string>> launches;
    for (const auto& entry : fs::directory_iterator(root_ / "launches")) {
        if (entry.path().extension() != ".args") continue;
        std::vector<std::string>& arguments = launches.emplace_back();
        const std::string record = ReadFile(entry.path());
        for (std::size_t start = 0, end; (end = record.find('\0', start)) != std::string::npos;
             start = end + 1)
            arguments.push_back(record.substr(start, end - start));
    }
    return launches;
}
