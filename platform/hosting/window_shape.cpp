#include "window_shape.h"

#include "platform/gdi/window_region.h"
#include "platform/hosting/user_control.h"

namespace platform::hosting {

int SetWindowRgn(HWND hwnd, gdi::HRGN region, bool redraw)
{
    UserControl* control = UserControlOf(hwnd);
    if (!control)
        return 0;
    int result = gdi::SetWindowRgn(control->m_shape, region, redraw);
    if (result)
        control->ApplyShape();
    return result;
}

} // namespace platform::hosting
