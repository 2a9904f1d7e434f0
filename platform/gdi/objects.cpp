#include "platform/gdi/objects.h"

#include "platform/gdi/detail/object_table.h"

namespace platform::gdi {

namespace detail {

std::uint32_t ObjectTable::Add(ObjectData data, bool stock)
{
    const std::uint32_t id = m_next++;
    m_entries.emplace(id, Entry{std::move(data), stock});
    return id;
}

Entry* ObjectTable::FindEntry(std::uint32_t id)
{
    auto it = m_entries.find(id);
    return it == m_entries.end() ? nullptr : &it->second;
}

void ObjectTable::Erase(std::uint32_t id)
{
    m_entries.erase(id);
}

bool ObjectTable::IsSelected(std::uint32_t id) const
{
    for (const auto& [key, entry] : m_entries) {
        if (const auto* dc = std::get_if<DcData>(&entry.data)) {
            if (dc->bitmap.value == id || dc->font.value == id || dc->brush.value == id)
                return true;
        }
    }
    return false;
}

ObjectTable& Objects()
{
    static ObjectTable table;
    return table;
}

HBRUSH NullBrush()
{
    static const HBRUSH brush{Objects().Add(BrushData{false, 0, QImage()}, true)};
    return brush;
}

HFONT DefaultFont()
{
    static const HFONT font{[] {
        LogFont lf;
        lf.height = -11;
        lf.faceName = "Sans Serif";
        return Objects().Add(FontData{lf}, true);
    }()};
    return font;
}

HBITMAP DefaultBitmap()
{
    static const HBITMAP bitmap{[] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.fill(0);
        return Objects().Add(BitmapData{image}, true);
    }()};
    return bitmap;
}

DcData* FindDc(HDC hdc)
{
    return Objects().Find<DcData>(hdc.value);
}

QImage* DrawTarget(DcData& dc)
{
    if (dc.target)
        return dc.target;
    if (dc.bitmap == DefaultBitmap())
        return nullptr;
    auto* bitmap = Objects().Find<BitmapData>(dc.bitmap.value);
    return bitmap ? &bitmap->image : nullptr;
}

} // namespace detail

using namespace detail;

HGDIOBJ GetStockObject(int index)
{
    switch (index) {
    case NULL_BRUSH:
        return NullBrush();
    case DEFAULT_GUI_FONT:
        return DefaultFont();
    default:
        return {};
    }
}

ObjectKind KindOf(HGDIOBJ object)
{
    Entry* entry = Objects().FindEntry(object.value);
    if (!entry)
        return ObjectKind::None;
    static constexpr ObjectKind kinds[] = {ObjectKind::Brush, ObjectKind::Region, ObjectKind::Font,
                                           ObjectKind::Bitmap, ObjectKind::DC};
    return kinds[entry->data.index()];
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object)
{
    DcData* dc = FindDc(hdc);
    if (!dc)
        return {};
    HGDIOBJ previous;
    switch (KindOf(object)) {
    case ObjectKind::Brush:
        previous = dc->brush;
        dc->brush = HBRUSH{object.value};
        return previous;
    case ObjectKind::Font:
        previous = dc->font;
        dc->font = HFONT{object.value};
        return previous;
    case ObjectKind::Bitmap:
        if (dc->target)
            return {};
        previous = dc->bitmap;
        dc->bitmap = HBITMAP{object.value};
        return previous;
    default:
        return {};
    }
}

bool DeleteObject(HGDIOBJ object)
{
    Entry* entry = Objects().FindEntry(object.value);
    if (!entry || std::holds_alternative<DcData>(entry->data))
        return false;
    if (entry->stock)
        return true;
    if (Objects().IsSelected(object.value))
        return false;
    Objects().Erase(object.value);
    return true;
}

LiveObjects CountLiveObjects()
{
    LiveObjects live;
    for (const auto& [id, entry] : Objects().Entries()) {
        if (entry.stock)
            continue;
        std::visit(
            [&](const auto& data) {
                using T = std::decay_t<decltype(data)>;
                if constexpr (std::is_same_v<T, BrushData>)
                    ++live.brushes;
                else if constexpr (std::is_same_v<T, RegionData>)
                    ++live.regions;
                else if constexpr (std::is_same_v<T, FontData>)
                    ++live.fonts;
                else if constexpr (std::is_same_v<T, BitmapData>)
                    ++live.bitmaps;
                else if (!data.target)
                    ++live.memoryDcs;
            },
            entry.data);
    }
    return live;
}

} // namespace platform::gdi
