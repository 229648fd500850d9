// Where the picture of the minimised window goes: the icon centred in the client area.
#pragma once

struct IconOrigin {
    int x;
    int y;
};

// The division truncates towards zero, so an empty client area with 32 x 32 icons
// gives -15, -15, not -16, -16.
IconOrigin MinimizedIconOrigin(int left, int top, int right, int bottom, int cx, int cy);

class wxIcon;
class wxTopLevelWindow;

// Paints icon at that origin while the window is minimised and gives it as the window's
// drag icon, where the platform asks the window for these (Windows); elsewhere nothing.
void UseMinimizedIcon(wxTopLevelWindow& window, const wxIcon& icon);
