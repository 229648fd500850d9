// Windows beside the main window, which runs modal as the program's message loop.
#pragma once

class wxDialog;

// Lets the program's other windows take input while `window` runs modal.
void ShareInputWithModalWindow(wxDialog& window);
