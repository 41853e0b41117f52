#pragma once
// Names of the weekdays (0 Sunday ... 6 Saturday) and of the panchanga elements. Tithis count from
// 0, the first tithi of the bright half, to 14 the full moon, then 15-29 the dark half ending with
// the new moon.

inline constexpr int kWeekdayCount = 7;
inline constexpr int kMonthCount = 12;
inline constexpr int kTithiCount = 30;
inline constexpr int kSpecialTithiCount = 36; // twelve names in three cycles
inline constexpr int kPanchangaYogaCount = 27;
inline constexpr int kKaranaCount = 11;
inline constexpr int kChoghadiyaCount = 7;
inline constexpr int kLunarMonthCount = 12;
inline constexpr int kRituCount = 6;
inline constexpr int kSamvatsaraCount = 60;

extern const char* const g_weekdayNames[kWeekdayCount];      // "Sunday"
extern const char* const g_weekdayShortNames[kWeekdayCount]; // "Sun"
extern const char* const g_weekdayAbbrevs[kWeekdayCount];    // "Su"

extern const char* const g_monthNames[kMonthCount]; // Gregorian months, 0 "January"

extern const char* const g_tithiNames[kTithiCount];      // with the paksha: "Sukla Pratipat"
extern const char* const g_tithiDayNames[kTithiCount];   // without it: "Pratipat"
extern const char* const g_tithiDeityNames[kTithiCount]; // the nitya of each tithi
extern const char* const g_pakshaNames[2];               // "Sukla", "Krishna"
extern const char* const g_specialTithiNames[kSpecialTithiCount];

extern const char* const g_yogaNames[kPanchangaYogaCount];
extern const char* const g_karanaNames[kKaranaCount];
extern const char* const g_choghadiyaNames[kChoghadiyaCount];
extern const char* const g_lunarMonthNames[kLunarMonthCount]; // 0 Vaisakha ... 11 Chaitra
extern const char* const g_rituNames[kRituCount];
extern const char* const g_samvatsaraNames[kSamvatsaraCount];
