// The things other than a regular file that may stand at a file's name, made as a user
// might (mkfifo, mknod, ln -s, mkdir) and all inside the current folder, so that a read or
// save that goes wrong cannot harm anything outside it; and a description of what stands
// there that shows any change to it.
#pragma once

#include <filesystem>
#include <map>
#include <sstream>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

struct SpecialFile {
    const char* kind;
    bool (*make)(const char* name);  // false when the system does not let the test make it
};

// Device nodes of the kernel's zero and null devices, as /dev has them; making one needs
// the right to (root, outside a container that withholds it).
inline bool MakeDevice(const char* name, unsigned minor) {
    return mknod(name, S_IFCHR | 0666, makedev(1, minor)) == 0;
}

inline const SpecialFile kSpecialFiles[] = {
    {"named pipe", [](const char* name) { return mkfifo(name, 0600) == 0; }},
    {"zero device", [](const char* name) { return MakeDevice(name, 5); }},
    {"link to a null device",
     [](const char* name) { return MakeDevice("null", 3) && symlink("null", name) == 0; }},
    {"folder", [](const char* name) { return mkdir(name, 0700) == 0; }},
    {"dangling link", [](const char* name) { return symlink("missing", name) == 0; }},
    {"link loop", [](const char* name) { return symlink(name, name) == 0; }},
};

// Kind, identity, size and time of last change of what stands at the name, and where a
// link points.
inline std::string Describe(const char* name) {
    struct stat st;
    if (lstat(name, &st) != 0) return "nothing";
    std::ostringstream described;
    described << st.st_mode << ' ' << st.st_ino << ' ' << st.st_size << ' ' << st.st_mtim.tv_sec
              << '.' << st.st_mtim.tv_nsec;
    if (S_ISLNK(st.st_mode)) described << " -> " << std::filesystem::read_symlink(name).string();
    return described.str();
}

// Each thing in the current folder, by name, described; hidden ones too.
inline std::string DescribeFolder() {
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        entries[entry.path().filename().string()] = Describe(entry.path().c_str());
    std::string described;
    for (const auto& [name, what] : entries) described += name + ": " + what + "\n";
    return described;
}
