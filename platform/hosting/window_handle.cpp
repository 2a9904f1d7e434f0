#include "window_handle.h"

#include <map>

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace platform::hosting {

namespace {

struct Entry {
    QPointer<QWidget> widget;
    UserControl* control = nullptr;
};

struct Table {
    std::map<HWND, Entry> byHandle;
    std::map<const QWidget*, HWND> byWidget;
    HWND next = 0x10000;
};

Table& Handles()
{
    static Table table;
    return table;
}

void Forget(const QWidget* widget)
{
    Table& t = Handles();
    auto it = t.byWidget.find(widget);
    if (it == t.byWidget.end())
        return;
    t.byHandle.erase(it->second);
    t.byWidget.erase(it);
}

} // namespace

HWND HandleOf(QWidget* widget)
{
    if (!widget)
        return 0;
    Table& t = Handles();
    auto it = t.byWidget.find(widget);
    if (it != t.byWidget.end())
        return it->second;
    // Steps of 4, as the original's handles went; nothing relies on it beyond being non-zero.
    HWND hwnd = t.next;
    t.next += 4;
    t.byWidget[widget] = hwnd;
    t.byHandle[hwnd] = Entry{widget, nullptr};
    QObject::connect(widget, &QObject::destroyed, [widget] { Forget(widget); });
    return hwnd;
}

QWidget* WidgetOf(HWND hwnd)
{
    Table& t = Handles();
    auto it = t.byHandle.find(hwnd);
    return it == t.byHandle.end() ? nullptr : it->second.widget.data();
}

UserControl* UserControlOf(HWND hwnd)
{
    Table& t = Handles();
    auto it = t.byHandle.find(hwnd);
    if (it == t.byHandle.end() || !it->second.widget)
        return nullptr;
    return it->second.control;
}

QWidget* OwningWindow(QWidget* widget)
{
    Table& t = Handles();
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        auto it = t.byWidget.find(w);
        if (it != t.byWidget.end() && t.byHandle[it->second].control)
            return w;
        if (w->isWindow())
            return w;
    }
    return nullptr;
}

namespace detail {

void RegisterSurface(QWidget* surface, UserControl* control)
{
    HWND hwnd = HandleOf(surface);
    Handles().byHandle[hwnd].control = control;
}

void UnregisterSurface(QWidget* surface)
{
    Forget(surface);
}

} // namespace detail

} // namespace platform::hosting
