// Message boxes in the platform's manner: the caption is the executable's name, and a box
// that names no icon gets the exclamation mark.
#pragma once

#include <string>
#include <string_view>

namespace msgbox {
inline constexpr unsigned kOk = 0x00;
inline constexpr unsigned kYesNo = 0x04;
inline constexpr unsigned kIconQuestion = 0x20;
inline constexpr unsigned kIconExclamation = 0x30;
inline constexpr unsigned kDefaultNo = 0x100;  // with kYesNo: Enter answers No

inline constexpr int kIdOk = 1;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;
}  // namespace msgbox

// The executable's file name without directory and extension.
std::string ApplicationTitle();

// Shows a modal box over the active window and returns the button pressed (msgbox::kId*).
int ShowMessageBox(std::string_view text, unsigned flags);
