#pragma once
// The divisional-chart variants the chart view's menu offers: for each varga with variants, its column,
// the preference that holds the variant in use, and the command and menu text of each variant.
#include <span>

struct VargaVariant {
    int command;
    const char* text;
};

struct VargaVariantChoice {
    int column;      // varga column 1-20
    int* preference; // the variant in use, an index into `variants`
    std::span<const VargaVariant> variants;
};

std::span<const VargaVariantChoice> VargaVariantChoices();
