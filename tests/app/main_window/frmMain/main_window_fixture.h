#pragma once

#include <string>

#include "platform/forms/forms.h"

namespace mainwindowtest {

// The frame of the main window that its pages are put on: SSTab1 with its five pages, the
// bottom button strip and the hidden quote label.
inline void CreateWindowFrame(platform::forms::Form& form)
{
    using namespace platform::forms;
    static constexpr ControlDef kFrame[] = {
        {Kind::TabDialog, "SSTab1", "", 0, 0, 10095, 5415,
         "Projektmanager|Emphaty.ini|Faction_Prop.ini|Initialworld.ini|XML-Script"},
        {Kind::Label, "Label6", "", 5400, 5760, 135, 135, "\"", -1, kHidden},
    };
    form.SetCaption("Main window");
    form.SetBorderStyle(BorderStyle::FixedSingle);
    form.SetClientSize(10125, 5985);
    form.Create(kFrame);
}

} // namespace mainwindowtest
