#pragma once
// Rendered pictures compared with checked-in images. Anti-aliasing may differ by a few pixels; a label
// in the wrong place changes far more. Each picture is also written to the build folder for a look;
// with KH_UPDATE_GOLDEN set the images are written into the source tree instead (look at them first).
#include <QImage>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

inline constexpr int kGoldenChannelTolerance = 96; // a pixel differs when a channel moves further than this

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

// Compares `rendered` with `goldenDir`/`name`.png, allowing `differingLimit` differing pixels.
inline void CompareWithGolden(const QImage& rendered, const std::string& goldenDir, const std::string& outputDir,
                              const std::string& name, int differingLimit) {
    const QString golden = QString::fromStdString(goldenDir + "/" + name + ".png");
    rendered.save(QString::fromStdString(outputDir + "/" + name + ".png"));
    if (std::getenv("KH_UPDATE_GOLDEN")) {
        ASSERT_TRUE(rendered.save(golden));
        return;
    }
    const QImage expected(golden);
    ASSERT_FALSE(expected.isNull()) << "missing " << golden.toStdString();
    ASSERT_EQ(expected.size(), rendered.size());
    EXPECT_LE(DifferingPixels(expected.convertToFormat(QImage::Format_RGB32),
                              rendered.convertToFormat(QImage::Format_RGB32)),
              differingLimit)
        << name;
}
