// A window that stays usable while the program's main window runs modal.
#pragma once

class wxTopLevelWindow;

void WorkBesideModalWindow(wxTopLevelWindow& window);
