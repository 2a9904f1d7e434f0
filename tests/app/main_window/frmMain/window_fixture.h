#pragma once

#include "program_folder.h"

#include "app/main_window/frmMain/frmMain.h"
#include "platform/forms/forms.h"
#include "tests/platform/forms/app.h"

#include <QImage>
#include <QWidget>

#include "tests/support/render_dir.h"
#include <memory>

namespace mainwin_test {

// The main window over a program folder of its own, with message and input boxes answered
// by the test and the end of the program recorded instead of done.
class WindowTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        formstest::App();
        ProgramFolderTest::SetUp();
        m_dialogs = std::make_unique<platform::forms::ScriptedDialogs>();
        m_main = std::make_unique<quorvel::frmMain>();
        m_main->EndProgram = [this] { ++m_ended; };
    }
    void TearDown() override
    {
        m_main.reset();
        m_dialogs.reset();
        ProgramFolderTest::TearDown();
    }

    template <class T = platform::forms::Control> T& Ctl(const std::string& name) const
    {
        return m_main->Ctl<T>(name);
    }
    // A click on a control, through the event boundary as the user's click would go.
    static void Click(platform::forms::Control& control) { control.Raise("Click", control.Click); }
    void Click(const std::string& name) const { Click(Ctl(name)); }
    // Ticks a timer `n` times (fewer when it stops); returns how many ran.
    int Tick(const std::string& timer, int n) const
    {
        int ran = 0;
        while (ran < n && m_main->FindTimer(timer)->FireTick())
            ++ran;
        return ran;
    }
    bool Running(const std::string& timer) const { return m_main->FindTimer(timer)->Enabled(); }

    void SelectProject(const std::string& name) const
    {
        auto& list = Ctl<platform::forms::ListBox>("lstProjects");
        for (int i = 0; i < list.ListCount(); ++i) {
            if (list.List(i) == name)
                list.SetListIndex(i);
        }
    }
    std::vector<std::string> Column(const std::string& view, int subItem = 0) const
    {
        std::vector<std::string> texts;
        auto& items = Ctl<platform::forms::ListView>(view).ListItems();
        for (int i = 1; i <= items.Count(); ++i)
            texts.push_back(subItem == 0 ? items(i).Text() : items(i).SubItem(subItem));
        return texts;
    }
    std::vector<std::string> Entries(const std::string& combo) const
    {
        std::vector<std::string> texts;
        auto& box = Ctl<platform::forms::ComboBox>(combo);
        for (int i = 0; i < box.ListCount(); ++i)
            texts.push_back(box.List(i));
        return texts;
    }

    // Saves what the window shows as <name>.png in the render folder, when one is named, and
    // returns it.
    static QImage Render(platform::forms::Form& form, const std::string& name)
    {
        form.Show();
        platform::forms::DoEvents();
        QImage image = form.Window()->grab().toImage();
        testing_support::SaveRender(image, name + ".png");
        return image;
    }

    std::unique_ptr<platform::forms::ScriptedDialogs> m_dialogs;
    std::unique_ptr<quorvel::frmMain> m_main;
    int m_ended = 0;
};

} // namespace mainwin_test
