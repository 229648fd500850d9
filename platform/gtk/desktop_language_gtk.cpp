#include "platform/desktop_language.h"

#include <wx/translation.h>

#include <clocale>

// wx keeps GTK from taking the locale unless the program does; without it GTK's buttons
// and labels stay English whatever the desktop says.
void UseDesktopLanguage() {
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_NUMERIC, "C");  // "7.93", never "7,93"
    // wx's own texts (the file dialog's buttons) from its installed catalogue.
    auto* translations = new wxTranslations;
    wxTranslations::Set(translations);
    translations->AddStdCatalog();
}
