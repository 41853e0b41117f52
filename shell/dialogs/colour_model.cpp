#include "shell/dialogs/colour_model.h"

#include <algorithm>

void RgbToHls(ColorRef colour, double* h, double* s, double* l) {
    constexpr double kPerByte = 1.0 / 255.0;
    const double r = (colour & 0xFF) * kPerByte;
    const double g = ((colour >> 8) & 0xFF) * kPerByte;
    const double b = ((colour >> 16) & 0xFF) * kPerByte;
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    *l = (max + min) / 2;
    if (max == min) {
        *s = 0;
        *h = 0;
        return;
    }
    const double d = max - min;
    *s = *l >= 0.5 ? d / (2 - max - min) : d / (max + min);
    double hue = r == max ? (g - b) / d : g == max ? (b - r) / d + 2 : (r - g) / d + 4;
    hue /= 6;
    *h = hue < 0 ? hue + 1 : hue;
}

double HueToRgb(double m1, double m2, double h) {
    if (h < 0) h += 1;
    if (h > 1) h -= 1;
    if (6 * h < 1) return m1 + (m2 - m1) * 6 * h;
    if (2 * h < 1) return m2;
    if (3 * h < 2) return m1 + (m2 - m1) * (2.0 / 3 - h) * 6;
    return m1;
}

ColorRef HlsToRgb(double h, double l, double s) {
    double red = l, green = l, blue = l;
    if (s != 0) {
        const double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
        const double m1 = 2 * l - m2;
        red = HueToRgb(m1, m2, h + 1.0 / 3);
        green = HueToRgb(m1, m2, h);
        blue = HueToRgb(m1, m2, h - 1.0 / 3);
    }
    // Truncated, but not below a whole step that rounding of the hue arithmetic missed by a hair
    // (2/3 - 1/2 times 6 is 0.9999999999999998).
    auto byte = [](double channel) {
        return static_cast<ColorRef>(std::clamp(channel, 0.0, 1.0) * 255 + 1e-9);
    };
    return byte(red) | byte(green) << 8 | byte(blue) << 16;
}
