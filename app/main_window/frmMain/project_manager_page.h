#pragma once

#include "platform/forms/timer.h"

#include <string>

namespace quorvel {

class frmMain;

// Page 0 "Projektmanager" without the registry pane: the speed slider, the arrow that slides
// between the two panes, and the project manager Frame1 with its list, protocol view, name
// box, buttons, notice and pgLoadProject.
class ProjectManagerPage {
public:
    explicit ProjectManagerPage(frmMain& form);

    // Form_Load's part: points Dir1 at "projects" (76 when it is missing); the window fills the
    // list afterwards.
    void Load();

    platform::forms::TimerControl& Timer1() { return *m_timer1; }
    platform::forms::TimerControl& Timer2() { return *m_timer2; }
    platform::forms::TimerControl& Timer3() { return *m_timer3; }
    platform::forms::TimerControl& Timer4() { return *m_timer4; }
    platform::forms::TimerControl& Timer7() { return *m_timer7; }

private:
    void connectHandlers();
    void FillProjectList(const std::vector<std::string>& names);
    void ShowNotice();
    void SlideTick(int direction);

    void lstProjects_Click();
    void BreloButton4_Click();
    void BreloButton5_Click();
    void BreloButton6_Click();
    void BreloButton7_Click();
    void txtdateiname_KeyPress(int& keyAscii);
    void Label4_Click();
    void Slider1_Scroll();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer7_Timer();

    frmMain& m_form;
    platform::forms::TimerControl* m_timer1;
    platform::forms::TimerControl* m_timer2;
    platform::forms::TimerControl* m_timer3;
    platform::forms::TimerControl* m_timer4;
    platform::forms::TimerControl* m_timer7;
};

} // namespace quorvel
