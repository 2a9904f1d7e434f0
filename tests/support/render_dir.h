#pragma once

#include <cstdlib>
#include <string>

#include <QDir>
#include <QImage>
#include <QString>

namespace testing_support {

// The folder named by QV_RENDER_DIR, where tests leave pictures of what they drew for a person
// to look at; empty when none is named, and then no test writes a picture anywhere, so test
// runs side by side never share a file.
inline std::string RenderDir()
{
    const char* dir = std::getenv("QV_RENDER_DIR");
    return dir ? dir : "";
}

// Where the picture `name` goes in the render folder (made when missing).
inline QString RenderPath(const std::string& name)
{
    const QString dir = QString::fromStdString(RenderDir());
    QDir().mkpath(dir);
    return dir + "/" + QString::fromStdString(name);
}

// Saves the picture in the render folder when one is named; true when saved or not asked for.
inline bool SaveRender(const QImage& image, const std::string& name)
{
    return RenderDir().empty() || image.save(RenderPath(name));
}

} // namespace testing_support

// A test that only draws for a person to look at, asserting nothing about what it shows, runs
// only when a render folder is named.
#define QV_SKIP_UNLESS_RENDERING()                                                                 \
    do {                                                                                           \
        if (testing_support::RenderDir().empty())                                                  \
            GTEST_SKIP() << "draws only for a look; set QV_RENDER_DIR to a folder to run it";      \
    } while (0)
