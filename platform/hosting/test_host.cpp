#include "test_host.h"

namespace platform::hosting {

TestHost::TestHost(bool designMode, int widthTwips, int heightTwips)
    : Form("TestHost")
    , m_designMode(designMode)
{
    SetCaption("TestHost");
    SetClientSize(widthTwips, heightTwips);
}

TestHost::~TestHost() = default;

ControlSite& TestHost::Place(com::ComPtr<com::IUnknown> object, const char* name, int widthTwips,
                             int heightTwips, const com::PropertyBag* stored)
{
    forms::ControlDef row{forms::Kind::PictureBox, name, "", 120, 120, widthTwips, heightTwips};
    return AddControlObject(*this, row, std::move(object), Placement{stored, m_designMode});
}

PropertyPageFrame& TestHost::OpenPages(ControlSite& site)
{
    return OpenPages(site, CreatePropertyPages(site.Surface().PropertyPages()));
}

PropertyPageFrame& TestHost::OpenPages(ControlSite& site,
                                       std::vector<com::ComPtr<com::IUnknown>> pages)
{
    m_frame.reset();
    m_frame = std::make_unique<PropertyPageFrame>(
        "Eigenschaften " + site.Name(), std::move(pages),
        std::vector<com::ComPtr<com::IDispatch>>{com::ComPtr<com::IDispatch>(site.Object())});
    return *m_frame;
}

} // namespace platform::hosting
