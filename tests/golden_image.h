#pragma once
// Rendered pictures compared with checked-in images. Anti-aliasing may differ by a few pixels; a label in
// the wrong place changes far more. With KH_UPDATE_GOLDEN set the images are written into the source
// tree instead (look at them first). The test target defines KH_GOLDEN_DIR (the checked-in images) and
// KH_TEST_OUTPUT_DIR (where every rendering is also saved for a look).
#include <QImage>
#include <QString>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

inline constexpr int kGoldenChannelTolerance = 96; // a pixel differs when a channel moves further than this
inline constexpr int kGoldenDifferingPixelLimit =
    120; // a misplaced two-letter label differs in several hundred

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

inline void CompareWithGolden(const QImage& rendered, const std::string& name) {
    const QString golden = QString(KH_GOLDEN_DIR) + "/" + QString::fromStdString(name) + ".png";
    rendered.save(QString(KH_TEST_OUTPUT_DIR) + "/" + QString::fromStdString(name) + ".png");
    if (std::getenv("KH_UPDATE_GOLDEN")) {
        ASSERT_TRUE(rendered.save(golden));
        return;
    }
    const QImage expected(golden);
    ASSERT_FALSE(expected.isNull()) << "missing " << golden.toStdString();
    ASSERT_EQ(expected.size(), rendered.size());
    EXPECT_LE(DifferingPixels(expected.convertToFormat(QImage::Format_RGB32),
                              rendered.convertToFormat(QImage::Format_RGB32)),
              kGoldenDifferingPixelLimit)
        << name;
}
