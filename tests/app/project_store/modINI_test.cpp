#include "app/project_store/modINI.h"
#include "store_fixture.h"

namespace {

using quorvel::Path;
using quorvel::ReadIni;
using quorvel::WriteIni;

class ModIni : public store_test::StoreTest {
protected:
    Path m_file = Path::Native(m_tmp.path()) / "v.ini";
};

TEST_F(ModIni, LineBreaksAreEscapedOnWriteAndRestoredOnRead)
{
    struct Case {
        const char* name;
        std::string value;
        std::string storedLine;
        std::string readBack;
    };
    const Case cases[] = {
        {"CR LF", "a\r\nb", "k=a/20&\\b", "a\r\nb"},
        {"lone LF becomes CR LF", "a\nb", "k=a/20&\\b", "a\r\nb"},
        {"lone CR becomes CR LF", "a\rb", "k=a/20&\\b", "a\r\nb"},
        {"CR before CR LF", "a\r\r\nb", "k=a/20&\\/20&\\b", "a\r\n\r\nb"},
        {"trailing line break", "a\r\n", "k=a/20&\\", "a\r\n"},
        {"a stored escape reads as a line break", "x/20&\\y", "k=x/20&\\y", "x\r\ny"},
        {"scan without overlap", "/20&/20&\\\\", "k=/20&/20&\\\\", "/20&\r\n\\"},
        {"escape is exact", "/20&/ /2O&\\", "k=/20&/ /2O&\\", "/20&/ /2O&\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_tmp.Put("v.ini", "");
        WriteIni("s", "k", c.value, m_file);
        EXPECT_EQ(m_tmp.Get("v.ini"), "[s]\r\n" + c.storedLine + "\r\n");
        EXPECT_EQ(ReadIni("s", "k", "<d>", m_file), c.readBack);
    }
}

TEST_F(ModIni, AValueCannotInjectALineOrSection)
{
    WriteIni("s", "k", "x\n[other]\nk=evil\rk2=more", m_file);
    WriteIni("s", "after", "1", m_file);
    EXPECT_EQ(m_tmp.Get("v.ini"),
              "[s]\r\nk=x/20&\\[other]/20&\\k=evil/20&\\k2=more\r\nafter=1\r\n");
    EXPECT_EQ(ReadIni("other", "k", "none", m_file), "none");
    EXPECT_EQ(ReadIni("s", "k2", "none", m_file), "none");
}

TEST_F(ModIni, ReadsAtMost254StoredCharactersAndSaysSo)
{
    struct Case {
        const char* name;
        std::string stored;
        std::string text;
        bool cut;
    };
    const std::string a249(249, 'a');
    const Case cases[] = {
        {"254 fits", std::string(254, 'x'), std::string(254, 'x'), false},
        {"255 is cut", std::string(255, 'x'), std::string(254, 'x'), true},
        {"300 is cut", std::string(300, 'y'), std::string(254, 'y'), true},
        {"escape ending at 254 is undone", a249 + "/20&\\", a249 + "\r\n", false},
        {"escape across the cut stays a fragment", a249 + "a/20&\\", a249 + "a/20&", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_tmp.Put("v.ini", "[s]\r\nk=" + c.stored + "\r\n");
        const quorvel::IniValue v = quorvel::ReadIniValue("s", "k", "", m_file);
        EXPECT_EQ(v.text, c.text);
        EXPECT_EQ(v.cut, c.cut);
        EXPECT_EQ(ReadIni("s", "k", "", m_file), c.text);
    }
}

TEST_F(ModIni, MissingValuesGiveTheDefaultUnchanged)
{
    m_tmp.Put("v.ini", "[s]\r\nempty=\r\n");
    const std::string longDefault = std::string(300, 'd') + "/20&\\";
    EXPECT_EQ(ReadIni("s", "none", longDefault, m_file), longDefault);
    EXPECT_EQ(ReadIni("t", "empty", "0.0", m_file), "0.0");
    EXPECT_EQ(ReadIni("s", "k", "[ERROR]", Path::Native(m_tmp.path()) / "no.ini"), "[ERROR]");
    EXPECT_EQ(ReadIni("s", "empty", "0.0", m_file), "");
    EXPECT_FALSE(quorvel::ReadIniValue("s", "none", longDefault, m_file).cut);
}

TEST_F(ModIni, FailedWriteRaisesError5AndMakesNothing)
{
    const Path inMissing = Path::Native(m_tmp.path()) / "missing" / "v.ini";
    EXPECT_EQ(ErrorOf([&] { WriteIni("s", "k", "v", inMissing); }), 5);
    EXPECT_FALSE(m_tmp.Exists("missing"));

    m_tmp.Put("v.ini", "[s]\r\nk=old\r\n");
    for (const auto& [section, key] :
         {std::pair{"s\r\n[t]", "k"}, {"s]t", "k"}, {"s", "k=j"}, {"s", ";k"}, {"s", "[t]"}}) {
        SCOPED_TRACE(std::string(section) + " / " + key);
        EXPECT_EQ(ErrorOf([&] { WriteIni(section, key, "v", m_file); }), 5);
    }
    EXPECT_EQ(m_tmp.Get("v.ini"), "[s]\r\nk=old\r\n");
}

TEST_F(ModIni, NoFileNamedMeansTheSettingsFileInTheProgramFolder)
{
    EXPECT_EQ(quorvel::GetIniPath(), Path::Native(m_tmp.path()) / "Tessvorn.ini");
    WriteIni("Main", "x", "1", Path());
    EXPECT_EQ(m_tmp.Get("Tessvorn.ini"), "[Main]\r\nx=1\r\n");
    EXPECT_EQ(ReadIni("main", "X", "", Path()), "1");

    testing_support::TempFolder other;
    quorvel::SetProgramFolder(other.path());
    EXPECT_EQ(ReadIni("main", "x", "gone", Path()), "gone");
}

} // namespace
