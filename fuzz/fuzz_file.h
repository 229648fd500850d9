// The fuzz targets that read the gear-data file run in a scratch folder of their own, where
// each input is written as Velmor.ini.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include <unistd.h>

#include "fuzz/fuzz_check.h"
#include "res/strings.h"

// In memory (tmpfs): a file written for every input would otherwise set the pace. The
// folder goes when the run ends.
inline void EnterScratchFolder() {
    static char folder[] = "/dev/shm/velmor-fuzz-XXXXXX";
    if (!mkdtemp(folder) || chdir(folder) != 0) FuzzFailure("no scratch folder");
    std::atexit([] {
        std::remove(text::kGearFileName);
        rmdir(folder);
    });
}

inline void WriteGearFile(std::string_view bytes) {
    std::FILE* file = std::fopen(text::kGearFileName, "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
        std::fclose(file) != 0)
        FuzzFailure("cannot write the gear-data file");
}
