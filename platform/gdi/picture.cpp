#include "platform/gdi/picture.h"

#include "platform/gdi/bitmap.h"
#include "platform/gdi/objects.h"

namespace platform::gdi {

std::shared_ptr<Picture> Picture::FromImage(const QImage& image)
{
    return std::shared_ptr<Picture>(new Picture(CreateBitmapFromImage(image)));
}

Picture::Picture(HBITMAP bitmap)
    : m_bitmap(bitmap)
{
}

Picture::~Picture()
{
    if (m_bitmap)
        DeleteObject(m_bitmap);
}

QImage Picture::image() const
{
    const QImage* pixels = BitmapImage(m_bitmap);
    return pixels ? *pixels : QImage();
}

} // namespace platform::gdi
