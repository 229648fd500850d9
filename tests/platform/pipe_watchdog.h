// Keeps a test from hanging when the code under test waits for a named pipe's writer:
// every few seconds it opens the pipe for writing, which ends such a wait, and tells
// afterwards whether it had to.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class PipeWatchdog {
public:
    explicit PipeWatchdog(std::string name)
        : thread_([this, name = std::move(name)] { Watch(name); }) {}
    ~PipeWatchdog() { Stop(); }
    PipeWatchdog(const PipeWatchdog&) = delete;
    PipeWatchdog& operator=(const PipeWatchdog&) = delete;

    // Ends the watch; true when someone was found waiting on the pipe.
    bool Stop() {
        {
            const std::lock_guard lock(mutex_);
            stopped_ = true;
        }
        wake_.notify_one();
        if (thread_.joinable()) thread_.join();
        return released_;
    }

private:
    void Watch(const std::string& name) {
        std::unique_lock lock(mutex_);
        while (!wake_.wait_for(lock, std::chrono::seconds(5), [this] { return stopped_; })) {
            struct stat st;
            if (lstat(name.c_str(), &st) != 0 || !S_ISFIFO(st.st_mode)) continue;
            // Without waiting, this succeeds only while a reader holds or awaits the pipe.
            const int fd = open(name.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd < 0) continue;
            released_ = true;
            close(fd);
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopped_ = false;
    bool released_ = false;
    std::thread thread_;
};
