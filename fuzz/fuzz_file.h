// The fuzz targets that read the gear-data file run in a scratch folder of their own, in
// memory (tmpfs): a file written for every input would otherwise set the pace.
#pragma once

#include "tests/support/scratch_folder.h"

inline void EnterScratchFolder() { static const ScratchFolder folder("/dev/shm"); }
