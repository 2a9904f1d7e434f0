#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::registry {

// One registered class: which library serves it and what the toolbox shows for it.
// Identifiers are kept as text (braced GUIDs) and compared without regard to case.
struct ClassEntry {
    std::string clsid;
    std::string library; // absolute path of the shared library
    std::string displayName;
    std::string progId;         // "" when the class has none
    std::string typeLib;        // the library identifier of its type library, or ""
    std::string toolboxPicture; // a reference into the library, or ""

    friend bool operator==(const ClassEntry&, const ClassEntry&) = default;
};

struct ProgIdEntry {
    std::string progId;
    std::string clsid;

    friend bool operator==(const ProgIdEntry&, const ProgIdEntry&) = default;
};

struct TypeLibEntry {
    std::string libid;
    std::string name;
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint32_t locale = 0;
    std::string library;

    friend bool operator==(const TypeLibEntry&, const TypeLibEntry&) = default;
};

// The per-user class registry: a small text file that registration writes and creation reads.
// Loading a missing file gives an empty registry; every save replaces the whole file at once
// (a temporary file beside it, renamed into place), so a reader never sees half a file. The
// temporary file is always newly made (exclusive creation, links never followed).
class Registry {
public:
    // $QV_REGISTRY_FILE when set and not empty; else $XDG_DATA_HOME/quorvel/registry.txt
    // (when absolute); else .local/share/quorvel/registry.txt in the user's own home: $HOME
    // when absolute, else the account database's home of the user. With none of these it
    // raises 76 saying that no registry can be found; it never falls back to a folder that
    // other users could write.
    static std::string DefaultPath();

    // Lines it does not understand are skipped. Raises a RunTimeError naming the path when
    // the file exists but cannot be read.
    static Registry Load(const std::string& path = DefaultPath());

    // Creates missing parent folders. Raises a RunTimeError naming the path on failure
    // (a file where a folder should be, a full disk); the old file is then left as it was.
    // A value holding a line break cannot be stored and raises error 5.
    void Save(const std::string& path = DefaultPath()) const;

    const ClassEntry* FindClass(std::string_view clsid) const;
    // The class identifier a programmatic identifier names, without regard to case.
    std::optional<std::string> ClassOfProgId(std::string_view progId) const;
    const TypeLibEntry* FindTypeLib(std::string_view libid) const;

    // Set* replaces an entry with the same key in place, or appends one.
    void SetClass(const ClassEntry& entry);
    void SetProgId(const ProgIdEntry& entry);
    void SetTypeLib(const TypeLibEntry& entry);
    // Remove* tells whether there was such an entry.
    bool RemoveClass(std::string_view clsid);
    bool RemoveProgId(std::string_view progId);
    bool RemoveTypeLib(std::string_view libid);

    const std::vector<ClassEntry>& Classes() const { return m_classes; }
    const std::vector<ProgIdEntry>& ProgIds() const { return m_progIds; }
    const std::vector<TypeLibEntry>& TypeLibs() const { return m_typeLibs; }

    friend bool operator==(const Registry&, const Registry&) = default;

private:
    std::vector<ClassEntry> m_classes;
    std::vector<ProgIdEntry> m_progIds;
    std::vector<TypeLibEntry> m_typeLibs;
};

} // namespace platform::registry
