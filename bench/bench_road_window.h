#pragma once

#include "app/main_window/frmMain/frmMain.h"
#include "platform/forms/forms.h"

#include <memory>
#include <string>

namespace roadbench {

// Every switch between the fast paths and the baseline, in one place.
void SetFastPaths(bool on);

// The real main window over a program folder, driven as the user drives it: every step is a
// click, a pick or a double-click raised through the controls' events, so each handler runs
// inside the one event boundary. The window is on the (offscreen) screen, and the page of the
// tabbed dialog that holds a control is brought to the front and painted before the control
// is used, as a user sees the button before pressing it. Message and input boxes are answered
// by the bench.
class RoadWindow {
public:
    // Registers the component library `kolvetra` into a registry file inside `programFolder`
    // (the bars of the window come from it), loads the window and shows it. Needs the
    // application object.
    RoadWindow(const std::string& programFolder, const std::string& kolvetra);
    ~RoadWindow();

    platform::forms::Control& Ctl(const std::string& name) const;

    // Back on the project manager, makes a project in the name box, as the user does.
    void CreateInNameBox(const std::string& name);
    // Back on the project manager, lists the project folders again (a project written by the
    // bench itself appears) and selects `name` in the project list.
    void SelectProject(const std::string& name);
    // The Load button's click alone; FinishSlide plays the slide to the editing pane after it.
    void ClickLoad();
    void FinishSlide();

    void Click(const std::string& control);
    // Picks the entry `entry` of the faction picker `picker`.
    void Pick(const std::string& picker, int entry);
    // Selects row `row` (from 1) of `view`; the next input box is answered with `answer`.
    void SelectRow(const std::string& view, int row, const std::string& answer);
    void DoubleClick(const std::string& view);
    // Whether the input box was shown since SelectRow.
    bool Answered() const;

    // The message boxes shown since the last call, each on a line; "" when none was.
    std::string TakeMessages();

    // Brings the page holding `control` to the front, as the user's pick of its tab, and
    // lets the screen show it; nothing when it is in front already. Click, Pick, SelectRow
    // and DoubleClick do it first; a timed step does it before its clock starts.
    void ShowPageOf(const std::string& control);

private:
    void BackToManager();
    void Tick(const std::string& timer, int most);

    std::unique_ptr<platform::forms::ScriptedDialogs> m_dialogs;
    std::unique_ptr<quorvel::frmMain> m_main;
};

} // namespace roadbench
