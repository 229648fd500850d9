// Writes the default gear data Velmor.ini into the current directory, as the editor does
// when the file is missing, for the packages to ship: the launcher and the installer put
// it in the user's folder before the first start, so the lists are filled from the start.
#include <cstdio>

#include "gear_data/gear_file.h"
#include "platform/save_file.h"
#include "res/strings.h"

int main() {
    if (SaveTextFile(text::kGearFileName, DefaultGearFileText())) return 0;
    std::fprintf(stderr, "the default gear data could not be written\n");
    return 1;
}
