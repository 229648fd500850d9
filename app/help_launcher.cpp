// The Help button: opens the help page of the current directory with the program that the
// desktop associates with it.
#include <filesystem>
#include <system_error>

#include "app/help_file.h"
#include "app/main_dialog.h"
#include "platform/associated_program.h"
#include "platform/message_box.h"
#include "res/strings.h"
#include "util/white_space.h"

void CMainDialog::ShowHelpFile() {
    // A current directory that cannot be read gives no path to look at.
    std::error_code error;
    const std::filesystem::path directory = std::filesystem::current_path(error);
    if (!error) {
        const std::string helpPath = HelpFilePath(directory.string());
        const AssociatedProgram program = AssociatedProgram::For(helpPath);
        if (!TrimWhiteSpace(program.Path()).empty()) {
            program.Open(helpPath);
            return;
        }
    }
    ShowMessageBox(text::kHelpNotFound, wxOK | wxICON_EXCLAMATION);
}

void CMainDialog::OnHelp(wxCommandEvent&) {
    ShowHelpFile();
}
