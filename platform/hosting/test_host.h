#pragma once

#include <memory>
#include <vector>

#include "platform/com/com_ptr.h"
#include "platform/forms/form.h"
#include "platform/hosting/control_site.h"
#include "platform/hosting/property_page.h"

namespace platform::hosting {

// A form that places one control at a time and opens its property pages, as a design
// environment would: the tests use it, and so does anyone who wants to look at a control or
// its pages. It designs by default (UserMode False).
class TestHost : public forms::Form {
public:
    explicit TestHost(bool designMode = true, int widthTwips = 9000, int heightTwips = 6000);
    ~TestHost() override;

    bool DesignMode() const { return m_designMode; }

    // Places the control object at (120, 120) with the given size in twips and loads it.
    ControlSite& Place(com::ComPtr<com::IUnknown> object, const char* name, int widthTwips,
                       int heightTwips, const com::PropertyBag* stored = nullptr);

    // Opens a frame with the control's pages (PropertyPages(), those that can be created) or
    // with the pages given, the control being the selection. The frame lives until the next
    // one is opened or the host goes.
    PropertyPageFrame& OpenPages(ControlSite& site);
    PropertyPageFrame& OpenPages(ControlSite& site, std::vector<com::ComPtr<com::IUnknown>> pages);

private:
    bool m_designMode;
    std::unique_ptr<PropertyPageFrame> m_frame;
};

} // namespace platform::hosting
