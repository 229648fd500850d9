// Windows beside the main window, which runs modal as the program's message loop.
#pragma once

class wxDialog;
class wxWindow;

// Lets the program's other windows take input while `window` runs modal.
void ShareInputWithModalWindow(wxDialog& window);

// How much taller the window manager's frame (title bar and borders) makes a shown top-level
// window than its client area; the toolkit's own figure is a guess until it has drawn one.
int FrameAddedHeight(const wxWindow& shown);
