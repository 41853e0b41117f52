#pragma once
// The options of the document and its dasa systems: the Document rows of the option table
// (core/option_table.h), process-wide globals named after their preference-file keys where they have
// one. The shell's preference file loads and saves those with a key; the document and the dasa pages
// read and set them all.
#include <array>

#include "core/calc_options.h"

inline constexpr int kNoDasaCode = kDasaCodeCount; // 75: the cycle offset belongs to no code yet

// The saved cycle offset of every dasa code 0-74, and [75] the one saved under kNoDasaCode.
using DasaCycleOffsets = std::array<int, kDasaCodeCount + 1>;

#define DECLARE_DOCUMENT_OPTION(layer, section, form, type, name, ...)                                       \
    OPTION_OF_LAYER(layer, Document, extern type name;)
OPTION_TABLE(DECLARE_DOCUMENT_OPTION)
#undef DECLARE_DOCUMENT_OPTION
