// The gear-data reader and the three splits on arbitrary file content: they never crash,
// and keep every list, entry and field within its fixed size, an entry within one line.
#include <cstring>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_file.h"
#include "gear_data/gear_file.h"
#include "res/strings.h"

namespace {

template <std::size_t N>
void CheckFields(const EntryFields<N>& fields) {
    for (const FieldSlot& slot : fields.slots)
        if (std::strlen(slot.data()) > kFieldMaxBytes) FuzzFailure("a field overran its slot");
}

// Splits every entry, and one beyond each end, with split.
template <class Split>
void CheckList(const GearList& list, Split split) {
    if (list.count < 0 || list.count > kGearListCapacity) FuzzFailure("a list overran");
    for (int i = -1; i <= list.count; ++i) {
        const std::string_view entry = list.Entry(i);
        if (entry.size() > kEntryMaxBytes) FuzzFailure("an entry overran its slot");
        const std::size_t lf = entry.find('\n');
        if (lf != std::string_view::npos && lf + 1 != entry.size())
            FuzzFailure("an entry holds more than one line");
        CheckFields(split(entry));
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    EnterScratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WriteBytes(text::kGearFileName, std::string_view(reinterpret_cast<const char*>(data), size));
    const std::optional<GearLists> lists = ReadGearFile();
    if (!lists) FuzzFailure("cannot open the gear-data file");
    CheckList(lists->crankset, SplitCranksetEntry);
    CheckList(lists->cassette, SplitCassetteEntry);
    TyreFields tyre;
    CheckList(lists->tyre, [&tyre](std::string_view entry) { return tyre = SplitTyreEntry(entry, tyre); });
    return 0;
}
