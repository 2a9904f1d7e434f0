#include "controls/progress_bar/picture_cache.h"

#include <functional>
#include <string>

#include "platform/gdi/font.h"

namespace kolvetra {

namespace {

bool g_reuse = true;

// Only what moves from one Value to the next: the rest of the key is the same along a run.
std::size_t HashOf(const PictureKey& key)
{
    std::size_t h = std::hash<std::string>{}(key.value.text);
    const auto mix = [&h](std::size_t v) { h ^= v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2); };
    mix(std::size_t(key.value.barLength));
    mix(std::size_t(key.value.litFields));
    mix(std::size_t(key.value.barShown) | std::size_t(key.value.textShown) << 1);
    mix(std::hash<double>{}(key.value.textPercent));
    mix(std::size_t(key.animation.m_AnimOffset));
    mix(std::size_t(key.width) << 20 ^ std::size_t(key.height));
    return h;
}

} // namespace

SurfaceState StateOf(const PaintSurface& surface)
{
    SurfaceState state;
    state.backColor = surface.BackColor();
    state.foreColor = surface.ForeColor();
    state.fillColor = surface.FillColor();
    state.font = surface.Font();
    state.textAlign = platform::gdi::GetTextAlign(surface.hDC());
    return state;
}

void PictureCache::SetReuseEnabled(bool on)
{
    g_reuse = on;
}

bool PictureCache::ReuseEnabled()
{
    return g_reuse;
}

const QImage* PictureCache::Find(const PictureKey& key, const SurfaceState& now) const
{
    if (!g_reuse)
        return nullptr;
    const auto bucket = m_entries.find(HashOf(key));
    if (bucket == m_entries.end())
        return nullptr;
    for (const Entry& entry : bucket->second) {
        if (entry.after == now && entry.key == key)
            return &entry.picture;
    }
    return nullptr;
}

void PictureCache::Store(const PictureKey& key, const SurfaceState& after, const QImage& picture)
{
    if (!g_reuse || Find(key, after))
        return;
    const std::size_t bytes = std::size_t(picture.sizeInBytes());
    if (m_bytes + bytes > kBudget)
        Clear();
    if (bytes > kBudget)
        return;
    PictureKey stored = key;
    stored.image = 0;
    m_entries[HashOf(stored)].push_back(Entry{stored, after, picture.copy()});
    m_bytes += bytes;
}

void PictureCache::Clear()
{
    m_entries.clear();
    m_bytes = 0;
}

bool CopyPicture(const QImage& picture, QImage& image)
{
    if (picture.size() != image.size() || picture.format() != image.format() ||
        picture.bytesPerLine() != image.bytesPerLine())
        return false;
    // Shared, not copied: a compile shows hundreds of thousands of pictures, and the first
    // drawing on the image afterwards detaches it from the cache's copy anyway. The image
    // takes the picture's revision, which differs from that of any picture shown before.
    image = picture;
    return true;
}

} // namespace kolvetra
