// Scratch folders for tests, fuzz targets and benchmarks, and whole-file bytes.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

// A new empty folder of a random name under `parent`, removed with its content at the end.
class TempFolder {
public:
    explicit TempFolder(const std::filesystem::path& parent = std::filesystem::temp_directory_path(),
                        const std::string& prefix = "velmor-") {
        std::random_device random;
        for (int i = 0; i < 100 && path_.empty(); ++i) {
            const auto candidate = parent / (prefix + std::to_string(random()));
            if (std::filesystem::create_directory(candidate)) path_ = candidate;
        }
        if (path_.empty()) throw std::runtime_error("no scratch folder in " + parent.string());
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A TempFolder that is the current directory, where Velmor looks for its files, for its
// lifetime.
class ScratchFolder : public TempFolder {
public:
    using TempFolder::TempFolder;
    ~ScratchFolder() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_ = Enter(Path());

    static std::filesystem::path Enter(const std::filesystem::path& folder) {
        std::filesystem::path previous = std::filesystem::current_path();
        std::filesystem::current_path(folder);
        return previous;
    }
};

// How many entries the folder holds, hidden ones too.
inline std::size_t FilesIn(const std::filesystem::path& folder = ".") {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()));
}

inline void WriteBytes(const std::filesystem::path& name, std::string_view bytes) {
    std::ofstream(name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::filesystem::path& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
