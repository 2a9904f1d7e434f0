// Numbers on the property page "Allgemein" under the user locale: shown and read with its
// decimal separator, as the bar writes its value text.

#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "controls/progress_bar/PgbAllgemein.h"
#include "controls/progress_bar/ProgressBar.h"
#include "controls/progress_bar/paint_surface.h"
#include "platform/errors/run_time_error.h"
#include "platform/forms/forms.h"
#include "tests/platform/forms/app.h"

namespace {

using namespace platform::com;
using kolvetra::PageNumber;
using kolvetra::PageNumberText;
using kolvetra::PgbAllgemein;
using kolvetra::ProgressBar;
using platform::forms::TextBox;

TEST(PageNumbers, ShowAndReadWithTheDecimalSeparatorGiven)
{
    struct Case {
        const char* name;
        char separator;
        double value;
        const char* text;
    };
    const Case cases[] = {
        {"comma", ',', 12.5, "12,5"},
        {"comma, negative", ',', -0.25, "-0,25"},
        {"comma, more digits to read back", ',', 0.1 + 0.2, "0,30000000000000004"},
        {"comma, scientific", ',', 1.5e-5, "1,5E-05"},
        {"comma, whole", ',', 250, "250"},
        {"point", '.', 12.5, "12.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PageNumberText(c.value, c.separator), c.text);
        EXPECT_EQ(PageNumber(c.text, c.separator), c.value);
    }
}

TEST(PageNumbers, TheOtherSeparatorIsNoNumber)
{
    struct Case {
        const char* text;
        char separator;
    };
    // Under the comma a point could be meant as a thousands mark: refused, not guessed.
    const Case cases[] = {{"12.5", ','}, {"1,5", '.'}, {"1.000,5", ','}, {"", ','}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            PageNumber(c.text, c.separator);
            ADD_FAILURE() << "read as a number";
        } catch (const platform::RunTimeError& e) {
            EXPECT_EQ(e.number(), 13);
        }
    }
}

// The page and the bar's surface take their separator from the user locale by one rule. A
// process's locale is fixed when it starts, so the German case runs in a child of this test.
TEST(PageLocale, PageAndBarFollowTheUserLocale)
{
    if (std::getenv("KOLVETRA_LOCALE_CHILD")) {
        formstest::App();
        QImage image(10, 10, QImage::Format_RGB32);
        kolvetra::PaintSurface surface(image);
        const std::string separator = std::getenv("KOLVETRA_LOCALE_CHILD");
        EXPECT_EQ(std::string(1, surface.DecimalSeparator()), separator);
        auto bar = MakeObject<ProgressBar>();
        bar->UserControl_InitProperties();
        PutProperty(bar.get(), "Value", Variant(12.5));
        auto page = MakeObject<PgbAllgemein>();
        ASSERT_TRUE(page->SetSelectedControls({bar.As<IDispatch>()}));
        EXPECT_EQ(page->Ctl<TextBox>("txtValue").Text(), "12" + separator + "5");
        page->Ctl<TextBox>("txtAspectRatio").SetText("2" + separator + "5");
        ASSERT_TRUE(page->Apply());
        EXPECT_EQ(GetProperty(bar.get(), "AspectRatio").ToDouble(), 2.5);
        return;
    }
    struct Case {
        const char* locale;
        const char* separator;
    };
    const Case cases[] = {{"de_DE.UTF-8", ","}, {"en_US.UTF-8", "."}, {"C", "."}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::setenv("LC_ALL", c.locale, 1);
            ::setenv("LANG", c.locale, 1);
            ::setenv("KOLVETRA_LOCALE_CHILD", c.separator, 1);
            ::execl("/proc/self/exe", "page_locale_child",
                    "--gtest_filter=PageLocale.PageAndBarFollowTheUserLocale", nullptr);
            ::_exit(127);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
}

} // namespace
