#include "profile.h"

#include "edit_log.h"
#include "ini_document.h"
#include "ini_index.h"
#include "ini_names.h"
#include "platform/files/files.h"
#include "platform/files/names.h"
#include "platform/files/store.h"

#include <cstdint>

namespace platform::profile {

namespace {

constexpr std::size_t kParsedBudget = std::size_t(24) << 20;
bool g_indexEnabled = true;

std::shared_ptr<const files::ParsedFile> Parse(std::string bytes)
{
    return ParseIni(std::move(bytes));
}

// The edits of one user action on one file, kept so that they can be made again on a newer
// version of it that another program saved meanwhile. A file the action makes from nothing
// (an import's) holds its edits in its own text, as the document tells them; the log is
// written only from the first edit the document could not tell again.
class HeldIni : public files::HeldDocument {
public:
    explicit HeldIni(std::shared_ptr<const IniIndex> original)
        : m_fromNothing(!original)
        , m_document(std::move(original))
    {
    }

    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const
    {
        return m_document.Find(section, key);
    }

    void Set(std::string_view section, std::string_view key, std::string_view value)
    {
        if (m_fromNothing && !IniDocument::StoresPlainly(section, key, value))
            LogWhatTheDocumentHolds();
        m_document.Set(section, key, value);
        if (!m_fromNothing)
            m_edits.Add(section, key, value);
    }

    bool Keeps(std::string_view section, std::string_view key, std::string_view value) const
    {
        return m_document.Keeps(section, key, value);
    }

    std::string Content() const override { return m_document.Content(); }
    std::string TakeContent() override { return m_document.TakeContent(); }
    void EachPiece(const std::function<void(std::string_view)>& take) const override
    {
        m_document.EachPiece(take);
    }
    std::uint64_t Size() const override { return m_document.Size(); }

    void Redo(std::optional<std::string> current) override
    {
        if (m_fromNothing)
            LogWhatTheDocumentHolds();
        m_document = IniDocument(current ? ParseIni(std::move(*current)) : nullptr);
        m_edits.ForEach([this](std::string_view section, std::string_view key,
                               std::string_view value) { m_document.Set(section, key, value); });
    }

private:
    void LogWhatTheDocumentHolds()
    {
        m_document.EachNewKey([this](std::string_view section, std::string_view key,
                                     std::string_view value) { m_edits.Add(section, key, value); });
        m_fromNothing = false;
    }

    bool m_fromNothing; // the edits are in the document alone
    IniDocument m_document;
    EditLog m_edits; // every Set in order, to make again on a newer version
};

const IniIndex* IndexOf(const files::ParsedFile* parsed)
{
    return static_cast<const IniIndex*>(parsed);
}

} // namespace

std::optional<std::string> FindProfileValue(std::string_view section, std::string_view key,
                                            const files::Path& file)
{
    if (file.empty())
        return std::nullopt;
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    const files::DocumentSight sight = files::SeeDocument(file, Parse);
    std::optional<std::string_view> value;
    if (sight.document)
        value = static_cast<const HeldIni*>(sight.document)->Find(section, key);
    else if (sight.parsed)
        value =
            IndexOf(sight.parsed.get())->FindValue(files::FoldCase(section), files::FoldCase(key));
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

std::size_t GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, std::string& returned,
                                    std::size_t size, const files::Path& file)
{
    returned.clear();
    if (size == 0)
        return 0;
    const std::optional<std::string> value = FindProfileValue(section, key, file);
    const std::string_view text = value ? std::string_view(*value) : defaultValue;
    returned.assign(text.substr(0, size - 1));
    return returned.size();
}

bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const files::Path& file)
{
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    if (file.empty() || !IsStorableSectionName(section) || !IsStorableKeyName(key))
        return false;
    // At most a new section's header and the key's line, each with a line end, and the line
    // end a last line without one gets.
    const std::uint64_t growth = section.size() + key.size() + value.size() + 9;
    const auto make = [](std::shared_ptr<const files::ParsedFile> current) {
        return std::make_unique<HeldIni>(
            std::static_pointer_cast<const IniIndex>(std::move(current)));
    };
    // A value written as it stands (a Change handler writing back what it shows) leaves the
    // file as it is.
    const auto keeps = [&](const files::HeldDocument* held, const files::ParsedFile* parsed) {
        return held ? static_cast<const HeldIni*>(held)->Keeps(section, key, value)
                    : KeepsBytes(*IndexOf(parsed), section, key, value);
    };
    const auto edit = [&](files::HeldDocument& document) {
        static_cast<HeldIni&>(document).Set(section, key, value);
    };
    return files::EditDocument(file, Parse, make, growth, keeps, edit) == 0;
}

void SetIndexEnabled(bool enabled)
{
    g_indexEnabled = enabled;
    files::SetParsedBudget(enabled ? kParsedBudget : 0);
}

bool IndexEnabled()
{
    return g_indexEnabled;
}

void SetBatchingEnabled(bool enabled)
{
    files::SetHoldingEnabled(enabled);
}

bool BatchingEnabled()
{
    return files::HoldingEnabled();
}

} // namespace platform::profile
