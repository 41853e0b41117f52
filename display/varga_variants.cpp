// Menu texts of the divisional-chart variants, as the program has always shown them.
#include "display/varga_variants.h"

#include "core/varga_options.h"

namespace {

constexpr VargaVariant kD9[] = {
    {33237, "Parasara's navamsa"},
    {33238, "Kalachakra navamsa"},
    {33285, "Rangacharya's Krishna mishra navamsa / Nadi Navamsa of Pt Velmar (non-uniform)"},
    {33319, "Parasara navamsa with even sign reversal (Uniform Krishna Mishra navamsa)"},
};
constexpr VargaVariant kD2[] = {
    {33152, "Traditional Parasara hora (only Cn && Le)"},
    {33151, "Kalomithra hora (1st/7th, day/night)"},
    {33156, "Parivritti-dwaya (bicyclical) hora"},
    {33153, "Samasaptaka hora (rasi and 7th)"},
    {33154, "Mandooka hora (rasi and 3rd)"},
    {33155, "Kashinatha hora (ownership, day/night)"},
    {33258, "Parasara hora with parivritti && even sign reversal (Uma-Shambhu)"},
    {33257, "Labha Mandooka hora (rasi and 11th)"},
    {33256, "Raman hora (1st/11th, day/night)"},
    {33261, "Raman hora (NVC modified)"},
    {33259, "Niranjan hora (3rd/8th, 2nd/7th, day/night)"},
    {33260, "Niranjan hora (NVC modified)"},
};
constexpr VargaVariant kD3[] = {
    {33147, "Traditional Parasara drekkana"},
    {33144, "Parivritti-traya drekkana"},
    {33145, "Somanatha drekkana"},
    {33146, "Kalomithra drekkana"},
    {33395, "Parasara drekkana with parivritti && even sign reversal (Uma-Shambhu)"},
};
constexpr VargaVariant kD4[] = {
    {33180, "Traditional Parasara chaturthamsa"},
    {33176, "Parivritti chaturthamsa (cyclical, H-4)"},
};
constexpr VargaVariant kD5[] = {
    {33181, "Standard panchamsa"},
    {33177, "Parivritti panchamsa (cyclical, H-5)"},
};
constexpr VargaVariant kD7[] = {
    {33401, "Traditional Parasara saptamsa (Even: Start from 7th && go forward)"},
    {33402, "Pararsara saptamsa with even sign reversal (Even: Start from 7th && go reverse)"},
    {33403, "Pararsara saptamsa with even sign reversal (Even: Go reverse && end in 7th)"},
};
constexpr VargaVariant kD8[] = {
    {33182, "Continuous/regular ashtamsa"},
    {33178, "Dr. Raman's ashtamsa (tattva based)"},
};
constexpr VargaVariant kD10[] = {
    {33263, "Traditional Parasara dasamsa (Even: Start from 9th && go forward)"},
    {33264, "Parivritti dasamsa (Ojha)"},
    {33398, "Pararsara dasamsa with even sign reversal (Even: Start from 9th && go reverse)"},
    {33399, "Pararsara dasamsa with even sign reversal (Even: Go reverse && end in 9th)"},
    {33400, "Pararsara dasamsa with even sign reversal (Even: Start from reverse 9th && go reverse)"},
};
constexpr VargaVariant kD11[] = {
    {33183, "Rudramsa (regular, Pt. Velmar)"},
    {33179, "Ekadasamsa (anti-zodiacal, Dr. Raman)"},
};
constexpr VargaVariant kD12[] = {
    {33411, "Traditional Parasara dwadasamsa"},
    {33412, "Parasara dwadasamsa with even sign reversal"},
};
constexpr VargaVariant kD16[] = {
    {33407, "Traditional Parasara shodasamsa"},
    {33408, "Parasara shodasamsa with even sign reversal"},
};
constexpr VargaVariant kD20[] = {
    {33413, "Traditional Parasara vimsamsa"},
    {33414, "Parasara vimsamsa with even sign reversal"},
};
constexpr VargaVariant kD24[] = {
    {33396, "Parasara siddhamsa with even sign reversal (Odd Le->Cn, Even Cn->Le)"},
    {33397, "Traditional Parasara siddhamsa (Odd Le->Cn, Even Cn->Ge)"},
    {33409, "Parasara siddhamsa with even sign double reversal (Odd Le->Cn, Even Le->Cn)"},
};
constexpr VargaVariant kD27[] = {
    {33415, "Traditional Parasara nakshatramsa"},
    {33416, "Parasara nakshatramsa with even sign reversal"},
};
constexpr VargaVariant kD30[] = {
    {33150, "Parasara trimsamsa"},
    {33149, "Parivritti (cyclical) trimsamsa"},
    {33148, "Shashtyamsa like trimsamsa"},
};
constexpr VargaVariant kD60[] = {
    {33405, "Traditional Parasara shashtyamsa (from sign)"},
    {33406, "Parasara shashtyamsa with even sign reversal (from sign)"},
    {33410, "Parasara shashtyamsa with even sign reversal (from Aries)"},
    {33417, "Parasara shashtyamsa (from Aries)"},
};
constexpr VargaVariant kD81[] = {
    {33240, "Parasara's nava-navamsa"},
    {33241, "Kalachakra nava-navamsa"},
};

} // namespace

std::span<const VargaVariantChoice> VargaVariantChoices() {
    static const VargaVariantChoice kChoices[] = {
        {1, &g_nD9Preference, kD9},    {2, &g_nHoraPreference, kD2},  {3, &g_nD3Preference, kD3},
        {4, &g_nD4Preference, kD4},    {5, &g_nD5Preference, kD5},    {7, &g_nD7Preference, kD7},
        {8, &g_nD8Preference, kD8},    {9, &g_nD10Preference, kD10},  {10, &g_nD11Preference, kD11},
        {11, &g_nD12Preference, kD12}, {12, &g_nD16Preference, kD16}, {13, &g_nD20Preference, kD20},
        {14, &g_nD24Preference, kD24}, {15, &g_nD27Preference, kD27}, {16, &g_nD30Preference, kD30},
        {19, &g_nD60Preference, kD60}, {20, &g_nD81Variant, kD81},
    };
    return kChoices;
}
