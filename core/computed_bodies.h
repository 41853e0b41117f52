#pragma once
// Body numbers of the points a full chart computes beside the 13 bodies of the ephemeris (the numbering
// of chart_core.h goes on here). Longitudes of all of them are sidereal degrees like the planets'.

// Special lagnas, moving with the time since sunrise.
inline constexpr int kBhavaLagna = 13;
inline constexpr int kHoraLagna = 14;
inline constexpr int kGhatiLagna = 15;
inline constexpr int kVighatiLagna = 16;
inline constexpr int kPranapadaLagna = 17;
inline constexpr int kSreeLagna = 18;
inline constexpr int kInduLagna = 19;
inline constexpr int kBhriguBindu = 20;
inline constexpr int kKunda = 21;

// Upagrahas: the Dhooma group from the Sun, then the time upagrahas Kaala .. Gulika.
inline constexpr int kDhooma = 22; // Dhooma, Vyatipata, Parivesha, Indra Chapa, Upaketu: 22-26
inline constexpr int kKaala = 27;  // Kaala, Mrityu, Artha Prahara, Yama Ghantaka, Maandi, Gulika: 27-32
inline constexpr int kMaandi = 31;
inline constexpr int kGulika = 32;

// Sphutas.
inline constexpr int kPranaSphuta = 33;
inline constexpr int kDehaSphuta = 34;
inline constexpr int kMrityuSphuta = 35;
inline constexpr int kSookshmaTriSphuta = 36;
inline constexpr int kTithiSphuta = 37;
inline constexpr int kYogaSphuta = 38;
inline constexpr int kRahuTithiSphuta = 39;
inline constexpr int kKshetraSphuta = 40;
inline constexpr int kBeejaSphuta = 41;
inline constexpr int kTriSphuta = 42;
inline constexpr int kChatusSphuta = 43;
inline constexpr int kPanchaSphuta = 44;

inline constexpr int kYogiPoint = 45;
inline constexpr int kAvayogiPoint = 46;

inline constexpr int kFirstVarnada = 47; // varnada lagnas of houses 1-12: 47-58

// Arudha points.
inline constexpr int kArudhaLagna = 59;         // AL, A2 .. A11, UL: 59-70 (house 1 .. 12)
inline constexpr int kFirstLordArudha = 71;     // L1 .. L12: 71-82
inline constexpr int kFirstPlanetArudha = 83;   // of the planets Sun .. Ketu: 83-91
inline constexpr int kFirstOwnSignArudha = 92;  // of the first own sign of Mars .. Saturn: 92-96
inline constexpr int kSecondOwnSignArudha = 97; // of the second own sign of Mars .. Saturn: 97-101
