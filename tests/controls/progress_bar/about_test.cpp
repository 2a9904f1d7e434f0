// The about dialog's size and place.

#include <QWidget>
#include <gtest/gtest.h>

#include "controls/progress_bar/dlgAbout.h"
#include "platform/forms/forms.h"
#include "tests/platform/forms/app.h"

namespace {

// Runs ShowAbout(owner) and hands the dialog on the screen to `check`.
template <class Check> void ShowAndCheck(QWidget* owner, Check check)
{
    bool seen = false;
    auto previous = kolvetra::SetAboutObserver([&](kolvetra::dlgAbout& dialog) {
        seen = true;
        check(dialog);
        dialog.Hide();
    });
    kolvetra::ShowAbout(owner);
    kolvetra::SetAboutObserver(previous);
    EXPECT_TRUE(seen);
}

// 5130 by 3195 twips; the lower line runs to 5160 twips (344 pixels) and must not widen it.
TEST(AboutDialog, KeepsItsClientAreaAlthoughItsLowerLineRunsPastIt)
{
    formstest::App();
    QWidget owner;
    owner.setGeometry(100, 100, 600, 400);
    struct Case {
        const char* name;
        QWidget* owner;
    };
    const Case cases[] = {{"no owner", nullptr}, {"on an owner", &owner}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShowAndCheck(c.owner, [](kolvetra::dlgAbout& dialog) {
            EXPECT_EQ(dialog.Window()->size(), QSize(342, 213));
        });
    }
}

} // namespace
