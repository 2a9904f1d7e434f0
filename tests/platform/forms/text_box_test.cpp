#include "platform/forms/text_box.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "platform/forms/form.h"
#include "tests/platform/forms/app.h"

namespace {

using namespace platform::forms;
using formstest::Events;

class TextBoxTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { formstest::App(); }

    Form form{"frmTest"};
    TextBox& txt = static_cast<TextBox&>(
        form.Create({Kind::TextBox, "txtName", "", 120, 120, 1500, 285, "start"}));
    TextBox& memo = static_cast<TextBox&>(
        form.Create({Kind::TextBox, "txtMemo", "", 120, 600, 3000, 1500, "", -1, kMultiLine}));
};

TEST_F(TextBoxTest, DesignTextRaisesNothingAndEverySetRaisesChange)
{
    EXPECT_EQ(txt.Text(), "start");
    EventLog log;
    txt.SetText("start");
    txt.SetText("start");
    txt.SetText("other");
    EXPECT_EQ(log.Take(), (Events{"txtName_Change", "txtName_Change", "txtName_Change"}));
}

TEST_F(TextBoxTest, TypingRaisesChangeForEachKeystrokeWithTheTextSoFar)
{
    txt.SetText("");
    std::vector<std::string> seen;
    txt.Change = [&] { seen.push_back(txt.Text()); };
    EventLog log;
    QTest::keyClicks(txt.Widget(), "0.5");
    EXPECT_EQ(seen, (std::vector<std::string>{"0", "0.", "0.5"}));
    EXPECT_EQ(log.Take(), (Events{"txtName_Change", "txtName_Change", "txtName_Change"}));
}

TEST_F(TextBoxTest, KeyPressCanSwallowOrReplaceTheKey)
{
    txt.SetText("");
    txt.KeyPress = [](int& key) {
        if (key == 'x')
            key = 0;
        else if (key == 'a')
            key = 'A';
    };
    int changes = 0;
    txt.Change = [&] { ++changes; };
    QTest::keyClicks(txt.Widget(), "axb");
    EXPECT_EQ(txt.Text(), "Ab");
    EXPECT_EQ(changes, 2);
}

TEST_F(TextBoxTest, EnterReachesKeyPressAsThirteen)
{
    std::vector<int> keys;
    txt.KeyPress = [&](int& key) { keys.push_back(key); };
    QTest::keyClick(txt.Widget(), Qt::Key_Return);
    EXPECT_EQ(keys, (std::vector<int>{13}));
}

TEST_F(TextBoxTest, MultiLineTextWithCrLfRoundTripsExactly)
{
    struct Case {
        const char* name;
        std::string text;
    };
    const Case cases[] = {
        {"crlf lines", "<script>\r\n</script>"},
        {"empty lines", "a\r\n\r\n\r\nb\r\n"},
        {"lone lf and cr", "a\nb\rc"},
        {"cp1252 bytes", "K\xF6rper \x80 \x85"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        memo.SetText(c.text);
        EXPECT_EQ(memo.Text(), c.text);
        memo.SetText(memo.Text() + "\r\nx");
        EXPECT_EQ(memo.Text(), c.text + "\r\nx");
    }
}

TEST_F(TextBoxTest, TypedLineBreaksReadAsCrLf)
{
    memo.SetText("");
    QTest::keyClicks(memo.Widget(), "ab");
    QTest::keyClick(memo.Widget(), Qt::Key_Return);
    QTest::keyClicks(memo.Widget(), "c");
    EXPECT_EQ(memo.Text(), "ab\r\nc");
}

TEST_F(TextBoxTest, TextCrossesTheToolkitAsCp1252)
{
    txt.SetText("Gr\xFC\xDF \x80");
    auto* edit = static_cast<QLineEdit*>(txt.Widget());
    EXPECT_EQ(edit->text(), QString::fromUtf8("Grüß €"));
    txt.SetText("");
    // Characters outside ASCII, as a keyboard layout delivers them.
    for (QChar ch : QString::fromUtf8("ä€")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(txt.Widget(), &press);
    }
    EXPECT_EQ(txt.Text(), "\xE4\x80");
}

TEST_F(TextBoxTest, SelTextCountsCrLfAsTwoCharacters)
{
    memo.SetText("ab\r\ncd");
    memo.SetSelStart(4);
    memo.SetSelLength(2);
    EXPECT_EQ(memo.SelText(), "cd");
    EventLog log;
    memo.SetSelText("XY");
    EXPECT_EQ(memo.Text(), "ab\r\nXY");
    EXPECT_EQ(log.Take(), (Events{"txtMemo_Change"}));
    memo.SetSelStart(2);
    memo.SetSelText("--");
    EXPECT_EQ(memo.Text(), "ab--\r\nXY");
}

TEST_F(TextBoxTest, RichTextBoxIsMultiLinePlainText)
{
    auto& rtf =
        static_cast<RichTextBox&>(form.Create({Kind::RichTextBox, "rtfLog", "", 0, 0, 3000, 2000}));
    EXPECT_TRUE(rtf.MultiLine());
    EventLog log;
    rtf.SetText("");
    rtf.SetText("<b>not bold</b>\r\nline");
    EXPECT_EQ(rtf.Text(), "<b>not bold</b>\r\nline");
    EXPECT_EQ(log.Take(), (Events{"rtfLog_Change", "rtfLog_Change"}));
    EXPECT_EQ(static_cast<QPlainTextEdit*>(rtf.Widget())->toPlainText(),
              QString("<b>not bold</b>\nline"));
}

} // namespace
