#pragma once

#include <string>
#include <vector>

#include "platform/forms/list_box.h"

namespace platform::forms {

// A folder list: the sub-folders of Path, by name with letter case ignored. List(i) is the
// full path of the i-th sub-folder (from 0), List(-1) the path itself. Paths are native, each
// sub-folder by its own name on disk; hidden entries (a leading ".") are not listed, and
// neither are names the file layer cannot name apart (platform/files/distinct_names.h).
class DirListBox : public ListBox {
public:
    DirListBox();

    const std::string& Path() const { return m_path; }
    // Error 76 when the path names no folder. Raises Change when the path changes.
    void SetPath(const std::string& path);
    void Refresh();
    int ListCount() const { return static_cast<int>(m_folders.size()); }
    std::string List(int index) const;

    std::function<void()> Change;

private:
    std::string m_path;
    std::vector<std::string> m_folders; // the names shown
    std::vector<std::string> m_natives; // the same folders' names on disk
};

// A file list: the files of Path whose names match Pattern (letter case ignored; "*.*" all,
// "*." names without an extension, several patterns separated by ";"), by name with letter
// case ignored. List(i) is the i-th name; FileName is the selected one ("" when none).
class FileListBox : public ListBox {
public:
    FileListBox();

    const std::string& Path() const { return m_path; }
    // Error 76 when the path names no folder; the list stays as it was. Raises PathChange.
    void SetPath(const std::string& path);
    const std::string& Pattern() const { return m_pattern; }
    // Raises PatternChange.
    void SetPattern(const std::string& pattern);
    // Lists the folder again.
    void Refresh();
    std::string FileName() const { return Text(); }

    // The caption of a table row is the pattern.
    void ApplyDesign(const ControlDef& def) override;

    std::function<void()> PathChange;
    std::function<void()> PatternChange;

private:
    std::string m_path;
    std::string m_pattern = "*.*";
};

// Whether `name` matches the list pattern `pattern` (as FileListBox matches).
bool MatchesPattern(const std::string& name, const std::string& pattern);

} // namespace platform::forms
