#pragma once
// The hue-lightness-saturation colour model of the colour picker. Colours are 0x00BBGGRR (red in the
// low byte); hue, lightness and saturation are in [0, 1], hue 0 red, 1/3 green, 2/3 blue.
#include "platform/color_ref.h"

struct Hls {
    double h = 0, l = 0, s = 0;
};

// Grey (black and white included) has hue 0 and saturation 0.
void RgbToHls(ColorRef colour, double* h, double* s, double* l);
// One channel from the two HLS helper values and a hue (wrapped into [0, 1]).
double HueToRgb(double m1, double m2, double h);
// The colour of a hue, lightness and saturation; channels truncated to whole steps of 1/255 (a
// channel within 1e-9 of a step counts as that step).
ColorRef HlsToRgb(double h, double l, double s);
