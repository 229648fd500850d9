// The things other than a regular file that may stand at a file's name, made as a user
// might (mkfifo, ln -s, mkdir), and a description of what stands there that shows any
// change to it.
#pragma once

#include <filesystem>
#include <sstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

struct SpecialFile {
    const char* kind;
    void (*make)(const char* name);
};

inline const SpecialFile kSpecialFiles[] = {
    {"named pipe", [](const char* name) { mkfifo(name, 0600); }},
    {"link to /dev/zero", [](const char* name) { symlink("/dev/zero", name); }},
    {"link to /dev/null", [](const char* name) { symlink("/dev/null", name); }},
    {"folder", [](const char* name) { mkdir(name, 0700); }},
    {"dangling link", [](const char* name) { symlink("missing", name); }},
    {"link loop", [](const char* name) { symlink(name, name); }},
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
