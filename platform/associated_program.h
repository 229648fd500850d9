// The program that the desktop opens a file with: its own MIME database and its choice of
// default programs.
#pragma once

#include <memory>
#include <string>

class AssociatedProgram {
public:
    // Looks up the program for the file at path (a file-system path, as the system spells
    // it). None is found when the file does not exist or its type has no program.
    static AssociatedProgram For(const std::string& path);

    // The program's executable as the desktop names it; empty when none was found.
    const std::string& Path() const { return path_; }

    // Starts the program with the file at path as one argument, never through a shell, and
    // does not wait for it. A program that fails to start is not reported.
    void Open(const std::string& path) const;

private:
    std::string path_;
    std::shared_ptr<void> program_;
};
