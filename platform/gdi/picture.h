#pragma once

#include <QImage>
#include <memory>

#include "platform/gdi/types.h"

namespace platform::gdi {

// The drawing side of a standard picture object: its type and the bitmap it owns. A bitmap
// picture's Handle() is a bitmap a pattern brush can be made from; an empty picture's is 0.
class Picture {
public:
    enum class Type { None = 0, Bitmap = 1 };

    // A bitmap picture holding a copy of the image (an empty picture for a null image).
    static std::shared_ptr<Picture> FromImage(const QImage& image);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    Type type() const { return m_bitmap ? Type::Bitmap : Type::None; }
    HBITMAP Handle() const { return m_bitmap; }
    QImage image() const;

private:
    explicit Picture(HBITMAP bitmap);
    HBITMAP m_bitmap;
};

} // namespace platform::gdi
