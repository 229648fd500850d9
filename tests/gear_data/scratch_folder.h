// A fresh empty folder made the current directory for one test, where Velmor.ini is
// looked for; the previous current directory comes back afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

class ScratchFolder {
public:
    ScratchFolder() : previous_(std::filesystem::current_path()) {
        // A new folder of a random name (mkdtemp is POSIX only).
        std::random_device random;
        for (int i = 0; i < 100 && path_.empty(); ++i) {
            const auto candidate = std::filesystem::temp_directory_path() /
                                   ("velmor-" + std::to_string(random()));
            if (std::filesystem::create_directory(candidate)) path_ = candidate;
        }
        if (path_.empty()) ADD_FAILURE() << "no scratch folder";
        else std::filesystem::current_path(path_);
    }
    ~ScratchFolder() {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(path_);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

inline void WriteBytes(const std::filesystem::path& name, std::string_view bytes) {
    std::ofstream(name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::filesystem::path& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
