#pragma once
// The analytical vocabulary: chara karakas, avasthas, vaiseshikamsa dignities, sahamas, taras,
// transit murthis, dasa seeds, number words and house ordinals. Constant after start-up.
#include <string>

#include "core/chart_day.h" // kDasaSeedCount

inline constexpr int kCharaKarakaCount = 8;
inline constexpr int kSahamaCount = 36;
inline constexpr int kTaraCount = 9;
inline constexpr int kSpecialTaraCount = 11;

extern const char* const g_charaKarakaAbbrevs[kCharaKarakaCount]; // "AK", "AmK" ...
extern const char* const g_charaKarakaMeanings[kCharaKarakaCount];

extern const char* const g_activityAvasthaNames[12];
extern const char* const g_activityIntensityNames[3];
extern const char* const g_ageAvasthaNames[5];
extern const char* const g_alertnessAvasthaNames[3];
extern const char* const g_moodAvasthaNames[15];

// Dignity by the number of good vargas (index = that number), padded with blanks to a fixed width
// of 14 characters (15 in the 16-varga table) so that the columns line up; 0 and 1 are all blanks.
extern const char* const g_vaiseshikamsaNames6[7];
extern const char* const g_vaiseshikamsaNames7[8];
extern const char* const g_vaiseshikamsaNames10[11];
extern const char* const g_vaiseshikamsaNames16[17];

extern const char* const g_sahamaNames[kSahamaCount];      // "Punya Sahama"
extern const char* const g_sahamaShortNames[kSahamaCount]; // chart cells: "Puny"
extern const char* const g_sahamaMeanings[kSahamaCount];

extern const char* const g_taraNames[kTaraCount]; // counted from a reference nakshatra
extern const char* const g_taraMeanings[kTaraCount];
extern const char* const g_specialTaraNames[kSpecialTaraCount];
extern const char* const g_specialTaraMeanings[kSpecialTaraCount];
// Where each special tara lies from the reference star, counted with that star as 1.
extern const int g_specialTaraCounts[kSpecialTaraCount];

extern const char* const g_murthiNames[4];

// The points from which a nakshatra dasa can be started.
extern const char* const g_dasaSeedNames[kDasaSeedCount];
// Name of the seed the current dasa was started from, valid only while the flag is set.
extern std::string g_strDasaSeedName;
extern bool g_bDasaSeedNameValid;

extern const char* const g_numberWords[13];   // "Zero" ... "Twelve"
extern const char* const g_numberTexts[33];   // "0" ... "32"
extern const char* const g_houseOrdinals[12]; // "1st" ... "12th"
