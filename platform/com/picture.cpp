#include "picture.h"

#include <QBuffer>

namespace platform::com {

Picture::Picture(QImage image)
{
    if (!image.isNull())
        m_data = std::make_shared<const Data>(Data{std::move(image), QByteArray()});
}

Picture Picture::FromPng(const QByteArray& png)
{
    Picture picture;
    QImage image;
    if (image.loadFromData(png, "PNG"))
        picture.m_data = std::make_shared<const Data>(Data{std::move(image), png});
    return picture;
}

const QImage& Picture::Image() const
{
    static const QImage none;
    return m_data ? m_data->image : none;
}

int Picture::Width() const
{
    return m_data ? m_data->image.width() : 0;
}

int Picture::Height() const
{
    return m_data ? m_data->image.height() : 0;
}

QByteArray Picture::ToPng() const
{
    if (!m_data)
        return QByteArray();
    if (!m_data->png.isEmpty())
        return m_data->png;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    m_data->image.save(&buffer, "PNG");
    return bytes;
}

} // namespace platform::com
