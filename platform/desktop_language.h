// The toolkit's own texts (message-box buttons, the file dialog) in the desktop's language.
#pragma once

// Takes the desktop's locale for the toolkit's texts, while figures go on being read and
// written with a point in every locale. Call once, after the toolkit has started and
// before the first window.
void UseDesktopLanguage();
