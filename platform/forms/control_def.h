#pragma once

#include "platform/forms/colour.h"

namespace platform::forms {

// The kinds a window's control table names.
enum class Kind {
    Label,
    TextBox,      // kMultiLine for a multi-line box
    ComboBox,     // drop-down combo: free text
    DropDownList, // drop-down list: no free text
    ListBox,
    Frame, // kNoBorder for a borderless frame
    CheckBox,
    OptionButton, // groups with the other option buttons of its container
    PictureBox,
    Image,
    Line, // left, top, width, height hold X1, Y1, X2, Y2
    CommandButton,
    Slider,
    ListView, // report mode; caption "Faction|Description|REP" names the columns
    RichTextBox,
    TabDialog, // caption "Page 0|Page 1|..." names the pages
    DirListBox,
    FileListBox, // caption is the pattern ("*." for files without an extension)
};

// Flags of a table row.
enum : unsigned {
    kHidden = 1u << 0,   // Visible = False at start
    kDisabled = 1u << 1, // Enabled = False at start
    kMultiLine = 1u << 2,
    kSorted = 1u << 3,      // list and combo boxes
    kNoBorder = 1u << 4,    // frames, picture boxes, text boxes
    kTransparent = 1u << 5, // labels: BackStyle 0
    kAlignRight = 1u << 6,  // labels
    kAlignCenter = 1u << 7, // labels
    kChecked = 1u << 8,     // check boxes (Value 1) and option buttons (Value True)
    kLocked = 1u << 9,      // text boxes
};

// A font of a table row; a null name keeps the form's font.
struct FontDef {
    const char* name = nullptr;
    double size = 0; // points; 0 keeps the form's size
    bool bold = false;
};

// One row of a window's control table, as the window's design lists it. Positions and sizes
// are twips relative to the container; `container` is "" for the form itself or the name of
// a frame, picture box or tabbed dialog made by an earlier row; `page` is the page of a
// tabbed dialog container.
//   {Kind::ComboBox, "cboFP_group", "SSTab1", 120, 360, 3000, 315, "", 2},
struct ControlDef {
    Kind kind;
    const char* name;
    const char* container;
    int left;
    int top;
    int width;
    int height;
    const char* caption = "";
    int page = -1;
    unsigned flags = 0;
    FontDef font = {};
    OleColor fore = kDefaultColor;
    OleColor back = kDefaultColor;
};

} // namespace platform::forms
