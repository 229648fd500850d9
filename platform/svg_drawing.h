// A drawing as SVG bytes. wxSVGFileDC writes only to a file it opens by name, so the
// platform gives it one that no other user can reach or swap, and reads it back through
// its own descriptor; nothing of it stays behind.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include <wx/gdicmn.h>

class wxDC;

// Nothing when the drawing could not be made whole; the toolkit's own messages are kept
// from the user.
std::optional<std::string> DrawnAsSvg(const wxSize& size, const std::function<void(wxDC& dc)>& paint);
