// CP932 (Shift-JIS) text and its Unicode form for the widgets.
//
// Decoding never fails: a byte that is not valid CP932, and a control byte that a text
// widget would not keep as it is (NUL, CR and the like), become the private-use
// character U+F700 + byte, which encoding turns back into that byte. So every byte
// string survives a round trip, bar CP932 characters that have two byte forms.
#pragma once

#include <string>
#include <string_view>

std::string Cp932ToUtf8(std::string_view cp932);

// Characters that CP932 lacks become "?", as the platform's own conversion does.
std::string Utf8ToCp932(std::string_view utf8);
