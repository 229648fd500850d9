// Dialog templates as data: the window's caption, size and font, and its controls in
// template order (which is also the tab order), positioned in dialog units.
#pragma once

#include <span>

enum class ControlKind {
    Static,         // left-aligned text, wraps at word breaks
    Frame,          // black frame, used as a separator line (drawn in the theme's colour)
    Icon,           // the program's icon
    Edit,           // bordered, centred, scrolls sideways
    DropList,       // drop-down list without an edit field
    DropDown,       // drop-down list with an edit field
    PushButton,
    DefPushButton,  // the default push button (Enter)
    CheckBox,       // automatic check box
};

enum ControlStyle : unsigned {
    kNoStyle = 0,
    kReadOnly = 1u << 0,
    kTextLeft = 1u << 1,
    kMultiline = 1u << 2,  // multi-line edit, both scroll bars, Enter inserts a line break
    kNoPrefix = 1u << 3,   // "&" is shown, not a mnemonic
    // A static text whose words head, left to right, the edit boxes of the nearest row
    // below it whose centres lie within its width: each word is drawn over its box.
    kColumnHeadings = 1u << 4,
    // A static text whose words head, top to bottom, the edit boxes of the nearest column
    // to its right whose middles lie within its height: each word is drawn beside its box.
    kRowHeadings = 1u << 5,
};

struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* text;
    int x, y, cx, cy;
    unsigned style = kNoStyle;
    std::span<const char* const> items = {};  // initial items of a combo box
};

enum DialogStyle : unsigned {
    kFixedSize = 0,
    kMinimizeBox = 1u << 0,
    kResizable = 1u << 1,
};

struct DialogTemplate {
    int id;
    const char* caption;
    int x, y, cx, cy;  // placed at 0, 0: centred when shown
    const char* fontFace;
    int pointSize;
    unsigned style;
    std::span<const ControlTemplate> controls;
};

const DialogTemplate& MainDialogTemplate();
const DialogTemplate& AboutDialogTemplate();
const DialogTemplate& SettingsDialogTemplate();
