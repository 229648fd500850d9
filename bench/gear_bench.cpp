// Figures of the gear-data file: reading it (the default file, and 100 MiB next to wc -l
// on the same file), and the editor's load and save of a 4 MiB file.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include "bench/median_time.h"
#include "gear_data/editor_text.h"
#include "gear_data/gear_file.h"
#include "platform/cp932.h"
#include "res/strings.h"
#include "tests/support/scratch_folder.h"

namespace {

double MedianMs(int runs, const std::function<void()>& work) { return MedianMicros(runs, 1, work) / 1000; }

// A field of /proc/self/status in kB.
long StatusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(field)) return std::atol(line.c_str() + std::string_view(field).size());
    return -1;
}

// The peak resident memory that work adds, in kB.
long PeakGrowthKb(const std::function<void()>& work) {
    std::ofstream("/proc/self/clear_refs") << "5";  // restarts the peak count
    const long before = StatusKb("VmRSS:");
    work();
    return StatusKb("VmHWM:") - before;
}

void ReadOnce() { (void)ReadGearFile(); }

// The default content over and over, in CR LF lines, up to `bytes`.
void WriteRepeatedDefaultFile(std::size_t bytes, const std::string& extraLine) {
    std::string block;
    for (char c : DefaultGearFileText() + "\n" + extraLine + "\n") block += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::ofstream out(text::kGearFileName, std::ios::binary);
    for (std::size_t written = 0; written < bytes; written += block.size()) out << block;
}

}  // namespace

int main() {
    const ScratchFolder folder;

    WriteDefaultGearFile();
    const double defaultUs = MedianMs(5, [] { for (int i = 0; i < 1000; ++i) ReadOnce(); });
    std::printf("ReadGearFile, default file (688 bytes):   %8.1f us\n", defaultUs);

    WriteRepeatedDefaultFile(100u << 20, "");
    const long peakKb = PeakGrowthKb(ReadOnce);  // first, before other work leaves pages resident
    const double wcMs = MedianMs(5, [] { std::system("wc -l < Velmor.ini > /dev/null"); });
    const double largeMs = MedianMs(5, ReadOnce);
    std::printf("ReadGearFile, 100 MiB file:               %8.1f ms   (wc -l: %.1f ms, ratio %.2f, target at most 4)\n",
                largeMs, wcMs, largeMs / wcMs);
    std::printf("  peak memory above the baseline:         %8ld kB   (target under 32768 kB)\n", peakKb);

    // Lines the box cannot give back by itself, so that the kept bytes are part of the work.
    WriteRepeatedDefaultFile(4u << 20, "\xED\x40\x87\x90-\x80\xFF");
    EditorText editor;
    std::string box;
    const double loadMs = MedianMs(5, [&] {
        editor.Load();
        box = Cp932ToUtf8(editor.TakeText());
    });
    const double saveMs = MedianMs(5, [&] { editor.Save(Utf8ToCp932(box)); });
    std::printf("Editor load of 4 MiB (to the box's text): %8.1f ms   (target under 300 ms)\n", loadMs);
    std::printf("Editor save of 4 MiB (from the box's):    %8.1f ms   (target under 300 ms)\n", saveMs);
}
