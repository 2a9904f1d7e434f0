#pragma once

// User-control hosting, in one include.
//
// A control of the program derives from UserControl, draws on its surface and overrides the
// surface events it handles; a window places it from a table row:
//
//     using namespace platform::hosting;
//
//     class Lamp : public UserControl {
//     protected:
//         void UserControl_InitProperties() override { m_on = false; }
//         void UserControl_ReadProperties(const PropertyBag& bag) override
//         {
//             m_on = bag.ReadProperty("On", Variant(false)).ToBool();
//         }
//         void UserControl_WriteProperties(PropertyBag& bag) override
//         {
//             bag.WriteProperty("On", Variant(m_on), Variant(false));
//         }
//         void UserControl_Resize() override { Paint(); }
//         void UserControl_Click() override { SetOn(!m_on); }
//     public:
//         void SetOn(bool on) { m_on = on; PropertyChanged("On"); Paint(); }
//     private:
//         void Paint()
//         {
//             Cls();
//             gdi::Rect r{0, 0, PixelWidth(), PixelHeight()};
//             gdi::DrawEdge(hDC(), r, gdi::EDGE_SUNKEN, gdi::BF_RECT);
//         }
//         bool m_on = false;
//     };
//
//     Lamp& lamp = AddUserControl<Lamp>(form, {Kind::PictureBox, "Lamp1", "", 120, 120, 375, 375},
//                                       Placement{&storedBag});   // &bag: ReadProperties
//
// The surface events run in the forms boundary and are logged as "Lamp1.UserControl_Click".
//
// A control that a library serves derives from ControlObject<Derived> (a UserControl with
// IDispatch, an event source and IUserControl); a host creates and sites it:
//
//     ControlSite& site = AddControlObject(form, row, "Kolvetra.ProgressBar", Placement{&bag});
//     PutProperty(site.Object(), 0x68030006, Variant(250.0));
//     site.ControlEvent = [](const Event& e) { /* e.name, e.args */ }; // "pgbFP_Click" logged
//
// Its design-time pages derive from PropertyPageObject<Derived> and reach the selection by
// name (GetSelectedProperty / PutSelectedProperty); a TestHost places a control in design
// mode and opens them:
//
//     TestHost host;                                   // UserMode False
//     ControlSite& site = host.Place(CreateObjectByClass(clsid), "ProgressBar1", 3000, 375);
//     PropertyPageFrame& frame = host.OpenPages(site); // OK / Cancel / Apply
//
// Window shaping: SetWindowRgn(control.hWnd(), region, true) (window_shape.h). The cursor and
// the window under it are in platform/shell.

#include "platform/com/com.h"
#include "platform/gdi/gdi.h"
#include "platform/hosting/control_site.h"
#include "platform/hosting/property_page.h"
#include "platform/hosting/test_host.h"
#include "platform/hosting/user_control.h"
#include "platform/hosting/window_handle.h"
#include "platform/hosting/window_shape.h"
