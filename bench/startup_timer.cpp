// startup_timer PROGRAM [ARGS...]: starts the program and prints, once its first top-level
// window is mapped, the milliseconds since the start and the program's resident memory
// (kB, after it has settled); then ends the program.
// startup_timer --painted PROGRAM [ARGS...]: prints the milliseconds until the program
// writes its first line (the benchmark builds do so once their first paint is complete and
// end) and the milliseconds of processor time it has used, which a busy machine stretches
// less.
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

long ResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

// Starts argv[0] with its standard output into output (when not -1).
pid_t Start(char** argv, int output) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (output >= 0) dup2(output, STDOUT_FILENO);
        execvp(argv[0], argv);
        _exit(127);
    }
    return pid;
}

double MsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

int TimePaint(char** argv) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return 1;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = Start(argv, pipeFds[1]);
    close(pipeFds[1]);
    char c;
    const bool said = read(pipeFds[0], &c, 1) == 1;
    const double ms = MsSince(start);
    kill(pid, SIGTERM);
    rusage usage{};
    wait4(pid, nullptr, 0, &usage);
    if (!said) {
        std::fprintf(stderr, "startup_timer: %s ended without a paint\n", argv[0]);
        return 1;
    }
    const auto cpuMs = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    std::printf("%.1f %.1f\n", ms, cpuMs(usage.ru_utime) + cpuMs(usage.ru_stime));
    return 0;
}

int TimeMap(char** argv) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_timer: no display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = Start(argv, -1);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify) break;
    }
    const double ms = MsSince(start);
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    const long rss = ResidentKb(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::printf("%.1f %ld\n", ms, rss);
    XCloseDisplay(display);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const bool painted = argc > 1 && std::strcmp(argv[1], "--painted") == 0;
    if (argc < 2 + painted) {
        std::fprintf(stderr, "usage: startup_timer [--painted] PROGRAM [ARGS...]\n");
        return 2;
    }
    return painted ? TimePaint(argv + 2) : TimeMap(argv + 1);
}
