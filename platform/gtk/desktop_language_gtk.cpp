#include "platform/desktop_language.h"

#include <clocale>

// wx keeps GTK from taking the locale unless the program does; without it GTK's buttons
// (the message boxes', the file dialog's) stay English whatever the desktop says.
void UseDesktopLanguage() {
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_NUMERIC, "C");  // "7.93", never "7,93"
}
