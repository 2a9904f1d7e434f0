#pragma once

#include "platform/forms/forms.h"

namespace quorvel {

// Page 4 ("XML-Script") of the main window's SSTab1: the header fields of a mod's XML script
// in a frame that slides open and shut, and the script text. The generate button is placed
// disabled and nothing enables it; nothing of this page is ever written to a file.
// The page puts its controls and its two timers on the window it is given, which must hold
// SSTab1 (five pages) and the hidden quote label Label6 already.
class XmlScriptPage {
public:
    explicit XmlScriptPage(platform::forms::Form& form);
    XmlScriptPage(const XmlScriptPage&) = delete;
    XmlScriptPage& operator=(const XmlScriptPage&) = delete;

private:
    void connectHandlers();

    void Check1_Click();
    void Timer6_Timer();
    void Timer5_Timer();
    void btnCreateXML_Click();
    void AddXMLHeader();

    platform::forms::Form& m_form;
    platform::forms::CheckBox& m_check1;
    platform::forms::Frame& m_frame3;
    platform::forms::TextBox& m_txtHeadModName;
    platform::forms::TextBox& m_txtHeadModVersion;
    platform::forms::TextBox& m_txtHeadModURL;
    platform::forms::TextBox& m_txtHeadModAutor;
    platform::forms::TextBox& m_txtHeadModDescr;
    platform::forms::RichTextBox& m_rtfXML;
    platform::forms::Control& m_btnCreateXML;
    platform::forms::TimerControl& m_timer6;
    platform::forms::TimerControl& m_timer5;
};

} // namespace quorvel
