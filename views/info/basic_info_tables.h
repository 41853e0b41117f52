#pragma once
// The tables of the basic information pane: which bodies the position tables list, the cell texts,
// and one filler per table. A filler declares its columns and fills its rows through the list's
// column convention; charts are the document's current chart and its natal chart.
#include <string>
#include <vector>

class CChart;
class CCustomListView;

// Tables by number (the pane's mode); the numbers are those of the pane's menu and its reports.
enum BasicInfoTable {
    kTableLongitudes = 0,
    kTableAspects = 1,
    kTableAllDivisional = 2,
    kTableCoordinates = 3,
    kTableRasisInVargas = 4,
    kTableNavaTarasMoon = 5,
    kTableNavaTarasLagna = 6,
    kTableSpecialTarasMoon = 7,
    kTableSpecialTarasLagna = 8,
    kTableNakshatraAspects = 9,
    kTableYogi = 10,
    kTablePushkara = 11,
    kTableSpecialTithis = 12,
    kTableCharaKarakas = 13,
    kTableCombustion = 14,
    kTableGrahaYuddha = 15,
    kTableBrahmaRudra = 16,
    kTableMrityuBhaga = 17,
    kTableDrekkanas = 18,
    kTableMaliciousDivisions = 19,
    kTableSahamas = 20,
    kTableNatalLongitudes = 21,
    kTableNatalSahamas = 22,
    kBasicInfoTableCount = 23,
};

// The varga column of the longitude table (0 = D-1), shared by every basic information pane.
extern int g_nBasicInfoVarga;

// Bodies of the shown body groups in group order. `limited`: bodies from 59 on are left out unless
// longitude-based bhava arudhas are on, and then only up to 82. The named extra points are not included.
std::vector<int> ListedBodies(bool limited);
// "%2d %s %02d' %05.2f\"" with the sign's name: a longitude within its sign, degrees, rounded as a
// whole to the hundredth of a second.
std::string FormatSignLongitude(double longitude);
// "%2d%s%02d": degrees, sign name, minutes, the longitude rounded as a whole to the minute (from 30
// seconds on up: 29 59' 30" makes 0 00' of the next sign).
std::string FormatShortSignLongitude(double longitude);
// The body's name, " (R) " when retrograde (else " "), and for planets 1-8 "- " with its chara
// karaka abbreviations joined by "/".
std::string BodyLabel(const CChart& chart, int body);

// The 22 points of the pushkara, mrityu bhaga and drekkana tables: Sun to Ketu, Maandi, the lagna and
// the cusps of houses 2 to 12, with their longitudes (degrees). `body` is the body number, 0 for the
// lagna and the cusps.
struct SensitivePoint {
    std::string label;
    double longitude;
    int body;
};
std::vector<SensitivePoint> SensitivePoints(const CChart& chart);

// Fills `list` with table `table`; false for a table this pane does not list.
bool FillBasicInfoTable(CCustomListView& list, int table, CChart& current, CChart& natal);
