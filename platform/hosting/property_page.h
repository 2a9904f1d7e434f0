#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/com_ptr.h"
#include "platform/com/dispatch.h"
#include "platform/com/dispatch_table.h"
#include "platform/com/variant.h"
#include "platform/forms/form.h"

class QTabWidget;
class QPushButton;
class QWidget;

namespace platform::hosting {

// A property page: a small form whose controls show properties of the selected controls.
// The host fills SelectedControls and raises SelectionChanged; the page marks itself Changed
// on every edit; the host raises ApplyChanges when the user applies, after which Changed is
// false again. Both events run inside the forms boundary as "<name>.PropertyPage_<Event>";
// an error in them is shown and keeps the page changed. The page reaches the controls only
// late-bound, by property name.
class PropertyPage : public forms::Form {
public:
    // `caption` is the tab's title; the size is the page's in twips.
    PropertyPage(std::string name, std::string caption, int widthTwips, int heightTwips);

    const std::vector<com::ComPtr<com::IDispatch>>& SelectedControls() const { return m_selected; }
    // Host side: a new selection, then SelectionChanged. False when the handler raised.
    bool SetSelectedControls(std::vector<com::ComPtr<com::IDispatch>> controls);
    bool Changed() const { return m_changed; }
    void SetChanged(bool changed);
    // Host side: ApplyChanges; Changed becomes false when it ran without error.
    bool Apply();

    // Told of every change of Changed (the frame enables its Apply button with it).
    std::function<void(bool changed)> ChangedSink;

protected:
    virtual void PropertyPage_SelectionChanged() {}
    virtual void PropertyPage_ApplyChanges() {}

    // Late-bound get and put by name on SelectedControls item `index`; error 91 when there is
    // no such item, the dispatch errors otherwise.
    com::Variant GetSelectedProperty(std::string_view name, std::size_t index = 0) const;
    void PutSelectedProperty(std::string_view name, const com::Variant& value,
                             std::size_t index = 0);

private:
    com::IDispatch* Selected(std::size_t index) const;

    std::vector<com::ComPtr<com::IDispatch>> m_selected;
    bool m_changed = false;
};

// What a page class served through the component model answers, so a frame can show it.
struct IPropertyPageObject : com::IUnknown {
    static constexpr com::Guid iid = com::MakeGuid("{9E27D4A3-0B61-4C58-A3F2-61D8C07B4E95}");
    using Base = com::IUnknown;
    virtual PropertyPage* GetPropertyPage() = 0;
};

// The base of a page class that a library publishes (with its dispatch interface, which may
// be empty: `Derived::Members()`).
template <class Derived>
class PropertyPageObject
    : public PropertyPage,
      public com::DispatchObject<Derived, com::IDispatch, IPropertyPageObject> {
public:
    template <class... Args>
    explicit PropertyPageObject(Args&&... args)
        : PropertyPage(std::forward<Args>(args)...)
    {
    }
    PropertyPage* GetPropertyPage() override { return this; }
};

// The frame a design environment shows a control's pages in: one tab per page and the
// buttons OK, Cancel and Apply. Apply is enabled while a page is changed. OK applies every
// changed page and closes (it stays open when an apply failed), Cancel closes without
// applying. Every page gets the selection when the frame opens.
class PropertyPageFrame {
public:
    // Each page object must answer IPropertyPageObject; others are left out.
    PropertyPageFrame(std::string title, std::vector<com::ComPtr<com::IUnknown>> pages,
                      std::vector<com::ComPtr<com::IDispatch>> selection);
    ~PropertyPageFrame();
    PropertyPageFrame(const PropertyPageFrame&) = delete;
    PropertyPageFrame& operator=(const PropertyPageFrame&) = delete;

    QWidget* Window() const { return m_window; }
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    PropertyPage& Page(int index) const;
    int CurrentPage() const;
    void SetCurrentPage(int index);

    bool ApplyEnabled() const;
    bool IsOpen() const { return m_open; }
    void Show();

    // The three buttons, as a click on them.
    void Ok();
    void Cancel();
    void ApplyNow();

private:
    bool ApplyChangedPages();
    void UpdateApply();
    void Close();

    QWidget* m_window;
    QTabWidget* m_tabs;
    QPushButton* m_apply;
    std::vector<com::ComPtr<com::IUnknown>> m_objects;
    std::vector<PropertyPage*> m_pages;
    bool m_open = true;
};

// Creates the pages a control lists (PropertyPages()) through the component model; pages
// whose class is not registered are left out.
std::vector<com::ComPtr<com::IUnknown>> CreatePropertyPages(const std::vector<com::Guid>& classes);

} // namespace platform::hosting
