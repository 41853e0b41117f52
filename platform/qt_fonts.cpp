#include "platform/qt_fonts.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "core/font_faces.h"

namespace {

constexpr int kNormalWeight = 400; // the weight a record of weight 0 asks for

// Cell height and average character width of one pixel of em, per family and device resolution;
// measured once at a large size so the ratios are exact enough.
struct FaceRatios {
    double cellPerEm;
    double averageWidthPerEm;
};

const FaceRatios& RatiosFor(const QString& family, int weight, const QPaintDevice& device) {
    static std::map<std::pair<QString, int>, FaceRatios> cache;
    const auto key = std::make_pair(family + '@' + QString::number(device.logicalDpiY()), weight);
    auto found = cache.find(key);
    if (found != cache.end()) return found->second;
    constexpr int kProbeEm = 1000;
    QFont probe(family);
    probe.setPixelSize(kProbeEm);
    probe.setWeight(QFont::Weight(weight));
    const QFontMetricsF metrics(probe, &device);
    const FaceRatios ratios{(metrics.ascent() + metrics.descent()) / kProbeEm,
                            metrics.averageCharWidth() / kProbeEm};
    return cache.emplace(key, ratios).first->second;
}

} // namespace

QString InstalledFamilyFor(const std::string& faceName) {
    if (faceName == "Arial Narrow") return kFaceArialNarrow;
    if (faceName == "Arial") return kFaceArial;
    if (faceName == "Times New Roman") return kFaceTimesNewRoman;
    return QString::fromStdString(faceName);
}

QFont QFontFromLogicalFont(const LogicalFont& record, const QPaintDevice& device) {
    const QString family = InstalledFamilyFor(record.faceName);
    const int weight = std::clamp(record.weight > 0 ? record.weight : kNormalWeight, 1, 1000);
    QFont font(family);
    font.setWeight(QFont::Weight(weight));
    font.setItalic(record.italic != 0);
    font.setUnderline(record.underline != 0);
    font.setStrikeOut(record.strikeOut != 0);
    if (record.height == 0 && record.width == 0) return font;

    const FaceRatios& ratios = RatiosFor(family, weight, device);
    double em = record.height > 0 ? record.height / ratios.cellPerEm : -record.height;
    if (record.height == 0) em = QFontMetricsF(font, &device).height() / ratios.cellPerEm;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(em))));
    if (record.width > 0 && ratios.averageWidthPerEm > 0) {
        const double natural = ratios.averageWidthPerEm * font.pixelSize();
        font.setStretch(std::clamp(static_cast<int>(std::lround(100.0 * record.width / natural)), 1, 4000));
    }
    return font;
}
