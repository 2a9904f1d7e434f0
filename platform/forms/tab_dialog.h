#pragma once

#include <string>
#include <vector>

#include "platform/forms/control.h"

class QTabBar;

namespace platform::forms {

// A tabbed dialog: a row of page tabs over one panel. Controls on a page are placed relative
// to the dialog's own top-left corner (tab row included), as the original placed them; those
// of pages not shown are off the screen while their own Visible flag stays as set.
// Click is raised when the user picks another page and when the program sets Tab to another
// page; PreviousTab() tells the page shown before.
class TabDialog : public Control, public Container {
public:
    explicit TabDialog(int pages = 0);

    int Tabs() const { return static_cast<int>(m_pages.size()); }
    // Adds pages up to `count` (captions empty); never removes any.
    void SetTabs(int count);
    int Tab() const { return m_current; }
    // Error 380 for a page outside 0..Tabs-1.
    void SetTab(int page);
    int PreviousTab() const { return m_previous; }
    std::string TabCaption(int page) const;
    void SetTabCaption(int page, const std::string& caption);
    // The height of the tab row, twips.
    int TabHeight() const;

    QWidget* ClientArea(int page) override;
    // Caption "Page 0|Page 1|..." makes one page per name.
    void ApplyDesign(const ControlDef& def) override;

protected:
    void ApplyGeometry() override;

private:
    void ShowPage(int page);
    void CheckPage(int page) const;

    QTabBar* m_bar;
    std::vector<QWidget*> m_pages;
    int m_current = 0;
    int m_previous = 0;
};

} // namespace platform::forms
