#include "stored_layout.h"

#include "platform/com/names.h"
#include "platform/errors/run_time_error.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace platform::com {

namespace {

constexpr const char* kEol = "\r\n";

std::string FormatNumber(double value)
{
    // The shortest text that reads back as the same double.
    char buf[32];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, end);
}

std::string Quote(std::string_view text)
{
    std::string out = "\"";
    for (char ch : text) {
        unsigned char c = static_cast<unsigned char>(ch);
        switch (ch) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\x%02X", c);
                out += buf;
            } else {
                out += ch;
            }
        }
    }
    return out + "\"";
}

// Reads one value from a line; every failure names the line.
class ValueReader {
public:
    ValueReader(std::string_view text, int line)
        : m_text(text)
        , m_line(line)
    {
    }

    Variant ReadValue()
    {
        SkipBlanks();
        if (AtEnd())
            Fail("a value is missing");
        char c = m_text[m_pos];
        if (c == '"')
            return Variant(ReadString());
        if (c == '&')
            return Variant(ReadColor());
        if (c == '-' || c == '+' || c == '.' || (c >= '0' && c <= '9'))
            return ReadNumber();
        std::string word = ReadWord();
        if (NamesEqual(word, "Empty"))
            return Variant();
        if (NamesEqual(word, "True"))
            return Variant(true);
        if (NamesEqual(word, "False"))
            return Variant(false);
        if (NamesEqual(word, "Nothing"))
            return Variant(Picture());
        if (NamesEqual(word, "Font"))
            return Variant(ReadFont());
        if (NamesEqual(word, "Picture"))
            return Variant(ReadPicture());
        Fail("unknown value \"" + word + "\"");
    }

    void ExpectEnd()
    {
        SkipBlanks();
        if (!AtEnd())
            Fail("unexpected text after the value");
    }

    [[noreturn]] void Fail(const std::string& what) const
    {
        throw RunTimeError(380, "Invalid property value: stored layout line " +
                                    std::to_string(m_line) + ": " + what);
    }

private:
    bool AtEnd() const { return m_pos >= m_text.size(); }

    void SkipBlanks()
    {
        while (!AtEnd() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t'))
            ++m_pos;
    }

    void Expect(char c)
    {
        SkipBlanks();
        if (AtEnd() || m_text[m_pos] != c)
            Fail(std::string("'") + c + "' expected");
        ++m_pos;
    }

    bool Accept(char c)
    {
        SkipBlanks();
        if (!AtEnd() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

    std::string ReadWord()
    {
        SkipBlanks();
        std::size_t start = m_pos;
        while (!AtEnd() &&
               (std::isalnum(static_cast<unsigned char>(m_text[m_pos])) || m_text[m_pos] == '_'))
            ++m_pos;
        if (start == m_pos)
            Fail("a value is expected");
        return std::string(m_text.substr(start, m_pos - start));
    }

    std::string ReadString()
    {
        Expect('"');
        std::string out;
        for (;;) {
            if (AtEnd())
                Fail("the text has no closing quote");
            char c = m_text[m_pos++];
            if (c == '"')
                return out;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (AtEnd())
                Fail("the text has no closing quote");
            char e = m_text[m_pos++];
            switch (e) {
            case '\\':
            case '"':
                out += e;
                break;
            case 'r':
                out += '\r';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'x': {
                unsigned value = 0;
                auto [end, ec] =
                    std::from_chars(m_text.data() + m_pos,
                                    m_text.data() + std::min(m_pos + 2, m_text.size()), value, 16);
                if (ec != std::errc() || end != m_text.data() + m_pos + 2)
                    Fail("\\x needs two hex digits");
                m_pos += 2;
                out += static_cast<char>(value);
                break;
            }
            default:
                Fail(std::string("unknown escape \\") + e);
            }
        }
    }

    OleColor ReadColor()
    {
        if (m_text.substr(m_pos, 2) != "&H" && m_text.substr(m_pos, 2) != "&h")
            Fail("a colour is written &H followed by hex digits");
        m_pos += 2;
        std::uint32_t value = 0;
        const char* begin = m_text.data() + m_pos;
        auto [end, ec] = std::from_chars(begin, m_text.data() + m_text.size(), value, 16);
        if (ec != std::errc() || end - begin > 8)
            Fail("a colour has one to eight hex digits");
        m_pos += static_cast<std::size_t>(end - begin);
        return OleColor{value};
    }

    double ReadRawNumber(std::string* spelled = nullptr)
    {
        SkipBlanks();
        std::size_t start = m_pos;
        while (!AtEnd() &&
               std::string_view("+-.0123456789eE").find(m_text[m_pos]) != std::string_view::npos)
            ++m_pos;
        std::string_view digits = m_text.substr(start, m_pos - start);
        if (spelled)
            *spelled = std::string(digits);
        try {
            return ParseNumber(digits);
        } catch (const RunTimeError&) {
            Fail("\"" + std::string(digits) + "\" is not a number");
        }
    }

    Variant ReadNumber()
    {
        std::string spelled;
        double value = ReadRawNumber(&spelled);
        char suffix = AtEnd() ? '\0' : m_text[m_pos];
        auto whole = [&](double low, double high) {
            // The range first: converting a double beyond 64 bits to an integer is undefined.
            if (!(value >= low && value <= high) || value != std::trunc(value))
                Fail("\"" + spelled + suffix + "\" is out of range");
        };
        switch (suffix) {
        case '%':
            ++m_pos;
            whole(-32768, 32767);
            return Variant(static_cast<std::int16_t>(value));
        case '&':
            ++m_pos;
            whole(std::numeric_limits<std::int32_t>::min(),
                  std::numeric_limits<std::int32_t>::max());
            return Variant(static_cast<std::int32_t>(value));
        case '#':
            ++m_pos;
            return Variant(value);
        default:
            if (spelled.find_first_of(".eE") == std::string::npos &&
                value >= std::numeric_limits<std::int32_t>::min() &&
                value <= std::numeric_limits<std::int32_t>::max())
                return Variant(static_cast<std::int32_t>(value));
            return Variant(value);
        }
    }

    std::int16_t ReadSmallInteger()
    {
        double value = ReadRawNumber();
        if (!(value >= -32768 && value <= 32767) || value != std::trunc(value))
            Fail("a whole number from -32768 to 32767 is expected");
        return static_cast<std::int16_t>(value);
    }

    StdFont ReadFont()
    {
        StdFont font;
        Expect('(');
        SkipBlanks();
        if (AtEnd() || m_text[m_pos] != '"')
            Fail("a font starts with its name in quotes");
        font.name = ReadString();
        Expect(',');
        font.size = ReadRawNumber();
        Expect(',');
        font.weight = ReadSmallInteger();
        Expect(',');
        font.charset = ReadSmallInteger();
        font.bold = false;
        while (Accept(',')) {
            std::string flag = ReadWord();
            if (NamesEqual(flag, "Bold"))
                font.bold = true;
            else if (NamesEqual(flag, "Italic"))
                font.italic = true;
            else if (NamesEqual(flag, "Underline"))
                font.underline = true;
            else if (NamesEqual(flag, "Strikethrough"))
                font.strikethrough = true;
            else
                Fail("unknown font flag \"" + flag + "\"");
        }
        Expect(')');
        return font;
    }

    Picture ReadPicture()
    {
        Expect('(');
        SkipBlanks();
        if (AtEnd() || m_text[m_pos] != '"')
            Fail("a picture holds its PNG bytes in base64, in quotes");
        std::string base64 = ReadString();
        Expect(')');
        auto decoded = QByteArray::fromBase64Encoding(QByteArray::fromStdString(base64),
                                                      QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            Fail("the picture is not valid base64");
        Picture picture = Picture::FromPng(*decoded);
        if (picture.IsNone())
            Fail("the picture is not a PNG image");
        return picture;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line;
};

bool IsNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

} // namespace

const StoredControl* StoredLayout::Find(std::string_view name) const
{
    for (const StoredControl& c : controls) {
        if (NamesEqual(c.name, name))
            return &c;
    }
    return nullptr;
}

std::string FormatStoredValue(const Variant& value)
{
    switch (value.Type()) {
    case VarType::Empty:
        return "Empty";
    case VarType::Boolean:
        return value.ToBool() ? "True" : "False";
    case VarType::Integer:
        return std::to_string(value.ToInt16()) + "%";
    case VarType::Long:
        return std::to_string(value.ToInt32()) + "&";
    case VarType::Double:
        return FormatNumber(value.ToDouble()) + "#";
    case VarType::Color: {
        char buf[16];
        std::snprintf(buf, sizeof buf, "&H%08X", value.ToColor().value);
        return buf;
    }
    case VarType::String:
        return Quote(value.ToString());
    case VarType::Font: {
        StdFont f = value.ToFont();
        std::string out = "Font(" + Quote(f.name) + ", " + FormatNumber(f.size) + ", " +
                          std::to_string(f.weight) + ", " + std::to_string(f.charset);
        if (f.bold)
            out += ", Bold";
        if (f.italic)
            out += ", Italic";
        if (f.underline)
            out += ", Underline";
        if (f.strikethrough)
            out += ", Strikethrough";
        return out + ")";
    }
    case VarType::Picture: {
        Picture p = value.ToPicture();
        if (p.IsNone())
            return "Nothing";
        return "Picture(\"" + p.ToPng().toBase64().toStdString() + "\")";
    }
    case VarType::Object:
        break;
    }
    throw RunTimeError(13, "Type mismatch: an object reference cannot be stored in a layout");
}

std::string WriteStoredLayout(const StoredLayout& layout)
{
    std::string out;
    for (const StoredControl& c : layout.controls) {
        out += "Begin " + c.classId + " " + c.name + kEol;
        for (const auto& [name, value] : c.properties.Entries())
            out += "    " + name + " = " + FormatStoredValue(value) + kEol;
        out += std::string("End") + kEol;
    }
    return out;
}

StoredLayout ParseStoredLayout(std::string_view text)
{
    StoredLayout layout;
    StoredControl* current = nullptr;
    int lineNumber = 0;
    while (!text.empty()) {
        auto eol = text.find('\n');
        std::string_view line = text.substr(0, eol);
        text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        line = TrimBlanks(line);
        ValueReader reader(line, lineNumber);
        if (line.empty() || line.front() == '\'')
            continue;

        auto firstBlank = line.find_first_of(" \t");
        std::string_view keyword = line.substr(0, firstBlank);
        if (NamesEqual(keyword, "Begin")) {
            if (current)
                reader.Fail("Begin inside a block (End missing)");
            std::string_view rest = TrimBlanks(line.substr(keyword.size()));
            auto gap = rest.find_first_of(" \t");
            std::string_view classId = rest.substr(0, gap);
            std::string_view name =
                gap == std::string_view::npos ? std::string_view() : TrimBlanks(rest.substr(gap));
            if (classId.empty() || name.empty() || name.find_first_of(" \t") != name.npos)
                reader.Fail("Begin needs a class and an instance name");
            layout.controls.push_back({std::string(classId), std::string(name), {}});
            current = &layout.controls.back();
            continue;
        }
        if (NamesEqual(line, "End")) {
            if (!current)
                reader.Fail("End without Begin");
            current = nullptr;
            continue;
        }
        if (!current)
            reader.Fail("a value outside a Begin ... End block");
        auto eq = line.find('=');
        std::string_view name = TrimBlanks(line.substr(0, eq));
        if (eq == std::string_view::npos || name.empty() ||
            std::find_if_not(name.begin(), name.end(), IsNameChar) != name.end())
            reader.Fail("Name = value expected");
        ValueReader valueReader(line.substr(eq + 1), lineNumber);
        Variant value = valueReader.ReadValue();
        valueReader.ExpectEnd();
        if (current->properties.Contains(name))
            reader.Fail("\"" + std::string(name) + "\" is stored twice");
        current->properties.Set(name, value);
    }
    if (current)
        throw RunTimeError(380, "Invalid property value: stored layout ends inside the block of " +
                                    current->name);
    return layout;
}

} // namespace platform::com
