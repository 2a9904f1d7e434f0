#pragma once

#include <QImage>
#include <QRegion>
#include <cstdint>
#include <unordered_map>
#include <variant>

#include "platform/gdi/font.h"
#include "platform/gdi/types.h"

// The layer's one table of drawing objects. Everything runs on the user-interface thread.
namespace platform::gdi::detail {

struct BrushData {
    bool pattern = false;
    COLORREF colour = 0;
    QImage image; // the tile of a pattern brush, RGB32
};

struct RegionData {
    QRegion pixels;
};

struct FontData {
    LogFont font;
};

struct BitmapData {
    QImage image; // RGB32
};

struct DcData {
    QImage* target = nullptr; // the image of an image DC; null for a memory DC
    HBITMAP bitmap;           // what a memory DC draws on
    HFONT font;
    HBRUSH brush;
    COLORREF pen = 0;
    int penWidth = 1;
    COLORREF text = 0;
    unsigned align = 0;
};

using ObjectData = std::variant<BrushData, RegionData, FontData, BitmapData, DcData>;

struct Entry {
    ObjectData data;
    bool stock = false; // never counted, never deleted
};

class ObjectTable {
public:
    std::uint32_t Add(ObjectData data, bool stock = false);
    // Null when the id names nothing or an object of another kind.
    template <class T> T* Find(std::uint32_t id)
    {
        auto it = m_entries.find(id);
        if (it == m_entries.end())
            return nullptr;
        return std::get_if<T>(&it->second.data);
    }
    Entry* FindEntry(std::uint32_t id);
    void Erase(std::uint32_t id);
    // True when some DC has the object selected.
    bool IsSelected(std::uint32_t id) const;
    std::unordered_map<std::uint32_t, Entry>& Entries() { return m_entries; }

private:
    std::unordered_map<std::uint32_t, Entry> m_entries;
    std::uint32_t m_next = 1;
};

ObjectTable& Objects();

// The stock objects every DC starts with.
HBRUSH NullBrush();
HFONT DefaultFont();
HBITMAP DefaultBitmap();

DcData* FindDc(HDC hdc);
// The pixels a DC draws on; null for a memory DC without a bitmap of its own.
QImage* DrawTarget(DcData& dc);

} // namespace platform::gdi::detail
