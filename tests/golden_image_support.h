#pragma once
// Rendered pictures compared with the checked-in images of `goldenDir`: each is also written into the
// build folder for a look. Anti-aliasing may differ by a few pixels; a misplaced label or bar changes far
// more. With KH_UPDATE_GOLDEN set the images are written into the source tree instead (look at them first).
#include <QImage>
#include <QString>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

inline constexpr int kGoldenChannelTolerance = 96; // a pixel differs when a channel moves further than this
inline constexpr int kGoldenPixelLimit = 120;      // a misplaced two-letter label differs in several hundred

inline int DifferingPixels(const QImage& a, const QImage& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > kGoldenChannelTolerance ||
                std::abs(qGreen(p) - qGreen(q)) > kGoldenChannelTolerance ||
                std::abs(qBlue(p) - qBlue(q)) > kGoldenChannelTolerance)
                ++differing;
        }
    }
    return differing;
}

inline void CompareWithGolden(const QImage& rendered, const std::string& name, const QString& goldenDir,
                              const QString& outputDir) {
    const QString golden = goldenDir + "/" + QString::fromStdString(name) + ".png";
    rendered.save(outputDir + "/" + QString::fromStdString(name) + ".png");
    if (std::getenv("KH_UPDATE_GOLDEN")) {
        ASSERT_TRUE(rendered.save(golden));
        return;
    }
    const QImage expected(golden);
    ASSERT_FALSE(expected.isNull()) << "missing " << golden.toStdString();
    ASSERT_EQ(expected.size(), rendered.size());
    EXPECT_LE(DifferingPixels(expected.convertToFormat(QImage::Format_RGB32),
                              rendered.convertToFormat(QImage::Format_RGB32)),
              kGoldenPixelLimit)
        << name;
}
