#include "cursor.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

namespace platform::shell {

namespace {

CursorSource& Source()
{
    static CursorSource source;
    return source;
}

} // namespace

bool GetCursorPos(gdi::Point* point)
{
    if (!point)
        return false;
    QPoint p = Source() ? Source()() : QCursor::pos();
    point->x = p.x();
    point->y = p.y();
    return true;
}

hosting::HWND WindowFromPoint(gdi::Point point)
{
    QWidget* widget = QApplication::widgetAt(QPoint(point.x, point.y));
    return hosting::HandleOf(hosting::OwningWindow(widget));
}

void SetCursorSource(CursorSource source)
{
    Source() = std::move(source);
}

} // namespace platform::shell
