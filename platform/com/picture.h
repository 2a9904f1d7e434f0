#pragma once

#include <QByteArray>
#include <QImage>

#include <memory>

namespace platform::com {

// The standard picture of the component model: a shared, read-only image. Copies share the
// image, so two values are the same picture exactly when they share it; "no picture" is the
// default value.
class Picture {
public:
    Picture() = default;
    explicit Picture(QImage image);

    // Decodes PNG bytes and keeps them, so that a stored layout is written back byte for
    // byte. No picture when the bytes are not an image.
    static Picture FromPng(const QByteArray& png);

    bool IsNone() const { return !m_data; }
    // A null QImage for no picture.
    const QImage& Image() const;
    int Width() const;
    int Height() const;
    // The PNG bytes it was read from, or a fresh encoding; empty for no picture.
    QByteArray ToPng() const;

    friend bool operator==(const Picture& a, const Picture& b) { return a.m_data == b.m_data; }

private:
    struct Data {
        QImage image;
        QByteArray png;
    };
    std::shared_ptr<const Data> m_data;
};

} // namespace platform::com
