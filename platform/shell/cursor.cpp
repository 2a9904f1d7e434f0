#include "cursor.h"

#include <algorithm>

#include <QApplication>
#include <QCursor>
#include <QWidget>
#include <QWindow>

namespace platform::shell {

namespace {

CursorSource& Source()
{
    static CursorSource source;
    return source;
}

// Whether a shown window of the program covers the point at all. Finding the window under a
// point asks the display server, which knows the other programs' windows stacked above ours;
// where none of ours lies, no such question can name one of ours.
bool AnyWindowCovers(QPoint point)
{
    // The shown windows' own list: much shorter than every widget of the program, which the
    // list of top-level widgets walks through.
    const QWindowList windows = QGuiApplication::topLevelWindows();
    return std::any_of(windows.begin(), windows.end(), [&](const QWindow* window) {
        return window->isVisible() && window->frameGeometry().contains(point);
    });
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
    if (!AnyWindowCovers(QPoint(point.x, point.y)))
        return 0;
    QWidget* widget = QApplication::widgetAt(QPoint(point.x, point.y));
    return hosting::HandleOf(hosting::OwningWindow(widget));
}

void SetCursorSource(CursorSource source)
{
    Source() = std::move(source);
}

} // namespace platform::shell
