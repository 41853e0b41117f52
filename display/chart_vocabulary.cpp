#include "display/chart_vocabulary.h"

#include "core/vocabulary_names.h"

const char* KarakaAbbreviation(int slot) {
    return g_charaKarakaAbbrevs[slot];
}

const char* HouseOrdinal(int house) {
    return g_houseOrdinals[house - 1];
}
