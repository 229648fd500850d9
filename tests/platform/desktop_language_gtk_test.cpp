// The toolkit's own texts in the desktop's language, figures with a point in every locale.
// Run once under LANG=ja_JP.UTF-8 and once under LANG=de_DE.UTF-8 (see tests/CMakeLists.txt).
#include <glib.h>
#include <gtk/gtk.h>
#include <gtest/gtest.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>

#include <clocale>
#include <cstring>
#include <string>

#include "calc/number_text.h"
#include "chart/development_limits.h"
#include "platform/desktop_language.h"

namespace {

// The text a button shows: a stock button's label is an id, its shown text in a label inside.
std::string ShownText(GtkWidget* widget) {
    if (GTK_IS_LABEL(widget)) return gtk_label_get_label(GTK_LABEL(widget));
    std::string found;
    if (GTK_IS_CONTAINER(widget)) {
        GList* children = gtk_container_get_children(GTK_CONTAINER(widget));
        for (GList* c = children; c && found.empty(); c = c->next) found = ShownText(GTK_WIDGET(c->data));
        g_list_free(children);
    }
    return found;
}

struct Labels {
    std::string first, second;
};

// Shows the dialog as the program does and reads the labels of its two buttons off the real
// GTK dialog, then answers it with the second.
template <class Dialog>
Labels ButtonsOf(Dialog& dialog, GtkResponseType first, GtkResponseType second) {
    struct Seen {
        GtkResponseType first, second;
        Labels labels;
    } seen{first, second, {}};
    g_timeout_add(300, [](gpointer data) -> gboolean {
        auto& s = *static_cast<Seen*>(data);
        GList* windows = gtk_window_list_toplevels();
        for (GList* w = windows; w; w = w->next) {
            if (!GTK_IS_DIALOG(w->data) || !gtk_widget_get_visible(GTK_WIDGET(w->data))) continue;
            GtkDialog* shown = GTK_DIALOG(w->data);
            const auto label = [&](GtkResponseType response) {
                GtkWidget* button = gtk_dialog_get_widget_for_response(shown, response);
                return button ? ShownText(button) : std::string("(none)");
            };
            s.labels = {label(s.first), label(s.second)};
            gtk_dialog_response(shown, s.second);
        }
        g_list_free(windows);
        return G_SOURCE_REMOVE;
    }, &seen);
    dialog.ShowModal();
    return seen.labels;
}

class DesktopLanguage : public testing::Test {
protected:
    static void SetUpTestSuite() { UseDesktopLanguage(); }
    static std::string Messages() { return std::setlocale(LC_MESSAGES, nullptr); }
};

TEST_F(DesktopLanguage, JapaneseDesktopGivesJapaneseButtons) {
    ASSERT_EQ(Messages(), "ja_JP.UTF-8");
    wxMessageDialog question(nullptr, "?", "Velmor", wxYES_NO);
    const Labels yesNo = ButtonsOf(question, GTK_RESPONSE_YES, GTK_RESPONSE_NO);
    EXPECT_EQ(yesNo.first, "はい(_Y)");
    EXPECT_EQ(yesNo.second, "いいえ(_N)");
    wxFileDialog save(nullptr, "?", "", "", "*.png", wxFD_SAVE);
    const Labels saveCancel = ButtonsOf(save, GTK_RESPONSE_ACCEPT, GTK_RESPONSE_CANCEL);
    EXPECT_EQ(saveCancel.first, "保存(_S)");
    EXPECT_EQ(saveCancel.second, "キャンセル(_C)");
}

// Whatever the desktop writes a decimal comma with, the boxes take "7.93" and the figures
// are written "7.930".
TEST_F(DesktopLanguage, FiguresKeepTheirPoint) {
    ASSERT_NE(Messages(), "C");  // the locale was taken, else this proves nothing
    EXPECT_STREQ(std::localeconv()->decimal_point, ".");
    const LimitReading typed = ReadTypedLimit("7.93");
    ASSERT_TRUE(typed.limit);
    EXPECT_EQ(typed.limit->millimetres, 7930);
    EXPECT_EQ(MetresText(7930), "7.930");
    EXPECT_EQ(FormatFixed(2.5, 2, 10), "2.50");
    EXPECT_DOUBLE_EQ(ReadNumber("2.5", 10), 2.5);
}

}  // namespace
