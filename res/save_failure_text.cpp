#include "res/save_failure_text.h"

#include "res/strings.h"

namespace {

const struct {
    SaveFailure failure;
    const char* text;
} kTexts[] = {
    {SaveFailure::NotAFile, text::kChartSaveNotAFile},
    {SaveFailure::LinkRefused, text::kSaveLinkRefused},
    {SaveFailure::ReadOnly, text::kSaveReadOnly},
    {SaveFailure::FolderRefused, text::kSaveFolderRefused},
    {SaveFailure::NameTooLong, text::kSaveNameTooLong},
    {SaveFailure::ChangedElsewhere, text::kSaveChangedElsewhere},
    {SaveFailure::NoSpace, text::kSaveNoSpace},
    {SaveFailure::Failed, text::kChartSaveFailed},
};

}  // namespace

const char* SaveFailureText(SaveFailure failure) {
    for (const auto& entry : kTexts)
        if (entry.failure == failure) return entry.text;
    return nullptr;
}
