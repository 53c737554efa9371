#pragma once
// Checks shared by the tests of the icon sets: an icon draws something at every size a
// widget asks for, and on a high-density screen it is drawn anew rather than magnified.

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>

namespace avizad::testing {

// The share of the picture's pixels that are not fully transparent.
inline double coverage(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            drawn += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return image.isNull() ? 0.0 : double(drawn) / (image.width() * image.height());
}

inline void expectDrawnAtEverySize(const QIcon& icon) {
    ASSERT_FALSE(icon.isNull());
    for (const int size : {16, 24, 32}) {
        SCOPED_TRACE(size);
        const QImage normal = icon.pixmap(QSize(size, size), 1.0).toImage();
        const QImage dense = icon.pixmap(QSize(size, size), 2.0).toImage();
        EXPECT_EQ(normal.size(), QSize(size, size));
        EXPECT_EQ(dense.size(), QSize(size, size) * 2);
        EXPECT_GT(coverage(normal), 0.15);
        EXPECT_GT(coverage(dense), 0.15);
        EXPECT_NE(dense.convertToFormat(QImage::Format_ARGB32),
                  normal.scaled(dense.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .convertToFormat(QImage::Format_ARGB32));
    }
}

}  // namespace avizad::testing
