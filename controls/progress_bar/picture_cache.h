#pragma once

#include <QImage>

#include <cstddef>
#include <unordered_map>
#include <vector>

#include "controls/progress_bar/paint_surface.h"
#include "controls/progress_bar/picture_key.h"

namespace kolvetra {

// What a repaint leaves on its surface besides the pixels, as far as a later repaint reads it.
struct SurfaceState {
    OLE_COLOR backColor = 0;
    OLE_COLOR foreColor = 0;
    OLE_COLOR fillColor = 0;
    StdFont font;
    unsigned textAlign = 0;
    bool operator==(const SurfaceState&) const = default;
};

SurfaceState StateOf(const PaintSurface& surface);

// Pictures a bar has painted, by the key of the repaint that made them. A compile runs the
// same values through a bar once per faction, so the pictures repeat; a repeat is copied
// instead of drawn. A picture is only reused when the surface already is in the state the
// repaint would leave it in, so skipping the drawing leaves nothing different behind.
class PictureCache {
public:
    // The picture of a repaint with `key` starting from `now`; null when it must be drawn.
    const QImage* Find(const PictureKey& key, const SurfaceState& now) const;
    // Keeps `picture`, painted by a repaint with `key` that left the surface `after`. The
    // cache forgets everything once it holds more than its budget.
    void Store(const PictureKey& key, const SurfaceState& after, const QImage& picture);
    void Clear();

    // Off, every repaint draws (for tests that hold a picture against a drawn one).
    static void SetReuseEnabled(bool on);
    static bool ReuseEnabled();

private:
    struct Entry {
        PictureKey key;
        SurfaceState after;
        QImage picture;
    };
    static constexpr std::size_t kBudget = 16u << 20; // bytes of pictures per bar

    std::unordered_map<std::size_t, std::vector<Entry>> m_entries;
    std::size_t m_bytes = 0;
};

// Puts `picture` on `image` as a paint would, sharing its pixels until either is drawn on: the
// image takes the picture's revision. False when the two differ in size or format.
bool CopyPicture(const QImage& picture, QImage& image);

} // namespace kolvetra
