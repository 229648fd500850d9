#include "platform/associated_program.h"

#include <gdk/gdk.h>
#include <gio/gio.h>

AssociatedProgram AssociatedProgram::For(const std::string& path) {
    AssociatedProgram found;
    if (!g_file_test(path.c_str(), G_FILE_TEST_IS_REGULAR)) return found;

    gchar* type = g_content_type_guess(path.c_str(), nullptr, 0, nullptr);
    GAppInfo* program = g_app_info_get_default_for_type(type, FALSE);
    g_free(type);
    if (program == nullptr) return found;

    found.program_.reset(program, g_object_unref);
    if (const char* executable = g_app_info_get_executable(program)) found.path_ = executable;
    return found;
}

void AssociatedProgram::Open(const std::string& path) const {
    if (!program_) return;
    auto* program = static_cast<GAppInfo*>(program_.get());

    // The file goes in as a file object: the desktop entry's field code decides whether
    // the program gets its path or its URI, always as a single argument.
    GFile* file = g_file_new_for_path(path.c_str());
    GList files = {file, nullptr, nullptr};
    GdkDisplay* display = gdk_display_get_default();
    GAppLaunchContext* context =
        display ? G_APP_LAUNCH_CONTEXT(gdk_display_get_app_launch_context(display)) : nullptr;

    GError* error = nullptr;
    g_app_info_launch(program, &files, context, &error);
    if (error != nullptr) g_error_free(error);

    if (context != nullptr) g_object_unref(context);
    g_object_unref(file);
}
