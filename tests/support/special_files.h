// The things other than a regular file that may stand at a file's name, made as a user
// might (mkfifo, ln -s, mkdir); a description of what stands there that shows any change
// to it; and a watchdog that keeps a test from hanging on a named pipe.
#pragma once

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>

#include <fcntl.h>
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

// Every few seconds, opens a named pipe at the name for writing, which ends a reader's
// wait for a writer; Released() tells whether someone was waiting.
class PipeWatchdog {
public:
    explicit PipeWatchdog(const char* name)
        : thread_([this, name](std::stop_token stop) {
              std::mutex mutex;
              std::unique_lock lock(mutex);
              std::condition_variable_any wake;
              while (!wake.wait_for(lock, stop, std::chrono::seconds(5), [&stop] { return stop.stop_requested(); })) {
                  struct stat st;
                  if (lstat(name, &st) != 0 || !S_ISFIFO(st.st_mode)) continue;
                  // Without waiting, this succeeds only while a reader holds the pipe.
                  const int fd = open(name, O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                  if (fd < 0) continue;
                  released_ = true;
                  close(fd);
              }
          }) {}

    bool Released() {
        thread_.request_stop();
        thread_.join();
        return released_;
    }

private:
    std::atomic<bool> released_ = false;
    std::jthread thread_;
};
