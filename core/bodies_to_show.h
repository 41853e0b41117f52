#pragma once
// Keys of the preference section [BodiesToShow]: the body-type groups that the information tables
// list and the optional body groups that the charts draw. The flags themselves are preferences;
// these tables give their keys (in file order), their defaults and the bodies they govern.

inline constexpr int kBodyTypeCount = 19;
inline constexpr int kShowInChartsCount = 11;

// A closed range of body numbers.
struct BodyRange {
    int first;
    int last;
    bool Contains(int body) const { return body >= first && body <= last; }
};

extern const char* const g_bodyTypeNames[kBodyTypeCount]; // "BodyTypePlanet" ...
extern const int g_bodyTypeDefaults[kBodyTypeCount];      // 1 = list the group
extern const BodyRange g_bodyTypeRanges[kBodyTypeCount];  // bodies 71-82 belong to no group

// Key i is stored with chart-drawing flag i, so keys 9 and 10 do not name what they govern:
// ShowUserPointsInCharts is the Maandi flag and ShowMandiInCharts the Gulika flag.
extern const char* const g_showInChartsKeys[kShowInChartsCount];
extern const unsigned char g_showInChartsDefaults[kShowInChartsCount];
extern const BodyRange g_showInChartsRanges[kShowInChartsCount];
