#pragma once
// CChartRecord: what a chart derives from its birth data, and the queries the analysis reads: houses,
// relationships, dignities, sign lords and co-lords, sign strengths and the years of the rasi dasas. It
// holds values only; CChart (chart/chart.h) adds the pipeline that fills them, the child charts of the
// varga columns and the analysis objects computed from a const CChartRecord&.
//
// Units and frames as in CChartCore: longitudes in degrees [0, 360), sidereal unless the chart is
// tropical; Julian days UT; geographic longitude and time zones positive WEST.
// Numbering: bodies as in chart_core.h (0 lagna, 1 Sun .. 9 Ketu, up to 104); signs 0 Aries .. 11
// Pisces; varga columns 0-28 as in varga_columns.h; planets in planet tables 1 Sun .. 9 Ketu stored at
// 0..8.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/calc_options.h"
#include "core/chart_core.h"
#include "core/chart_day.h"
#include "core/day_frame_moment.h"
#include "core/sign_lord_tables.h"
#include "core/varga_sign_table.h"

inline constexpr int kPlanetCount = 9;           // Sun .. Ketu in planet tables
inline constexpr int kExtraPointCount = 3;       // bodies 102-104
inline constexpr int kFirstExtraPointBody = 102; // body number of extra point 0
inline constexpr int kSahamCount = 36;
inline constexpr int kStarLordLevels = 6; // the nakshatra lord and five nested sub-lords
inline constexpr int kCharaKarakaSlots = 8;
inline constexpr int kNoCharaKaraka = 0; // a slot no planet holds (seven karakas without a pitri karaka)
inline constexpr int kSignMarkerNone = 12;
inline constexpr char kNoExtraPoint[] = "NULL"; // name of an extra-point slot that holds no point

// A 9 x 9 relationship table of the planets Sun .. Ketu (stored at 0..8): 0 self, 1 great friend,
// 2 friend, 3 neutral, 4 enemy, 5 great enemy.
using RelationTable = std::array<std::array<int, kPlanetCount>, kPlanetCount>;
// The natural (permanent) relationships: 0 self, 2 friend, 3 neutral, 4 enemy.
extern const RelationTable g_nNaturalRelation;

// The zone override the pipeline reads (g_bZoneOverride, g_dBirthZone, g_dOverrideZone) is an option of
// option_table.h.

// Everything a chart derives from its birth data, in record order. A chart's copy is the member-wise
// copy: no member names the chart that holds it.
struct CChartData {
    std::string m_strTitle;                               // empty at construction
    std::array<std::uint8_t, kBodyCount> m_nakshatra{};   // 0-26
    std::array<std::uint8_t, kBodyCount> m_nakshatra28{}; // 0-27, with Abhijit (ToNakshatra28)
    std::array<std::uint8_t, kBodyCount> m_pada{};        // 0-3 within the nakshatra
    CVargaSignTable m_vargaSign;  // sign of each body in each column, with the D-150 halves and rulers
    double m_dStandardZone = 0.0; // hours, positive west
    double m_dDstZone = 0.0;      // hours, positive west
    std::uint8_t m_bDst = 0;

    // Birth-day frames: sunrise, noon, sunset, midnight, next sunrise, as moments without positions
    // (the lagna-defined day of the traditional model leaves noon and midnight alone); then the Sun at
    // sunrise, the one body computed at them; then the frame's ghati values.
    std::array<CDayFrameMoment, 5> m_sunSnapshot;
    CRasiLongitude m_sunAtSunrise; // at m_sunSnapshot[0], exactly as a chart cast then holds it
    // Where the Sun does not rise or set that day (polar day or night) the frame marks the moments that
    // stand in for them (chart/sunrise_days.h).
    CDayFrameTimes m_sunriseFrame;
    CDmsAngle m_ayanamsa;    // the chart's ayanamsa, degrees
    CHmsTime m_siderealTime; // local sidereal time, hours (ARMC / 15)
    // The 6:00-to-6:00 frames of local mean time and of zone time: 6:00, 18:00, next 6:00 (moments
    // without positions).
    std::array<CDayFrameMoment, 3> m_meanTimeProbe;
    CDayFrameTimes m_meanTimeFrame;
    std::array<CDayFrameMoment, 3> m_zoneTimeProbe;
    CDayFrameTimes m_zoneTimeFrame;
    // Day results: "current" follows WeekdayDefinition, "second" WeekdayDefinitionKaala; then frames
    // 0 (sunrise), 1 (mean time), 2 (zone time).
    CDayLords m_currentDay;
    CDayLords m_secondDay;
    std::array<CDayLords, 3> m_frameDay;
    int m_nPartPlanet = 0; // 0-6, of the sunrise frame
    CPanchanga m_panchanga;

    std::array<std::string, kExtraPointCount> m_extraName;      // "NULL": no point in the slot
    std::array<std::string, kExtraPointCount> m_extraShortName; // "NULL": no point in the slot
    std::array<CRasiLongitude, kExtraPointCount> m_extraPoint;
    std::array<std::array<std::uint8_t, kVargaColumnCount>, kExtraPointCount> m_extraVargaSign{};
    std::array<RelationTable, kVargaColumnCount> m_compoundRelation{};
    std::array<RelationTable, kVargaColumnCount> m_temporalRelation{};
    CSignLordTables m_signLordTables;
    std::array<int, kDasaCodeCount> m_signMarker; // start sign of each dasa code, 12 = none
    // Chara karakas: atma, amatya, bhratri, matri, pitri, putra, gnati, dara (body numbers, 0 none).
    std::array<int, kCharaKarakaSlots> m_charaKaraka{};
    int m_nCharaKarakas = 8;                                // 7 or 8
    std::array<CRasiLongitude, kSahamCount> m_specialPoint; // the sahams
    std::array<CBhava, 12> m_bhava;                         // houses 1-12
    // Star lord (level 0) and five sub-lords of every body and house cusp, body numbers 1-9.
    std::array<std::array<int, kBodyCount>, kStarLordLevels> m_starLord{};
    std::array<std::array<int, 12>, kStarLordLevels> m_cuspStarLord{};
    std::array<CRasiLongitude, 2> m_sparePoint; // cleared by the time-nakshatra step

    // Murti (0 gold, 1 silver, 2 copper, 3 iron) of each planet's sign entry, by body 1-9.
    std::array<int, kPlanetCount + 1> m_nMurti{};
    // Yogi and Avayogi points (degrees) and their lords (body numbers).
    double m_dYogiPoint = 0.0;
    double m_dAvayogiPoint = 0.0;
    int m_nYogiPlanet = 0;
    int m_nDuplicateYogi = 0;
    int m_nAvayogiPlanet = 0;

    std::string m_strCity;
    std::string m_strState;
    int m_nPlaceCode = 0; // row of the region table
    // 0: compute with the natal birth moment swapped in; 1: shift every longitude by m_dShift;
    // 2: apply that shift after the analysis instead of before the varga step.
    std::array<std::uint8_t, 3> m_flags{};
    double m_dShift = 0.0; // degrees
    std::array<std::uint8_t, kBodyCount> m_bFixLongitude{};
    std::array<double, kBodyCount> m_dFixedLongitude{}; // degrees

    // The outcome of the last ComputeAll, for views to tell a current chart from a failed one; empty
    // until the chart is first calculated.
    std::optional<CalcStatus> m_lastCalculation;
    // Whether the last ComputeAll failed, so that the chart holds no positions of its moment (one never
    // calculated has not failed).
    bool LastCalculationFailed() const { return m_lastCalculation && !m_lastCalculation->ok(); }
    // Set by every ComputeAll to a number no earlier computation of any chart had (0 until the first):
    // whoever keeps results derived from a chart tells a recomputed chart by it.
    std::uint64_t m_nComputeStamp = 0;
};

// Body `body` of `bodies` at its divisional longitude in a column (1-28), in the sign `signs` (the
// sign table of those bodies) gives it. Points that are not bodies (the sahams) are placed by it with
// a table of their own.
CRasiLongitude DivisionalLongitudeOf(VargaBodies bodies, const CVargaSignTable& signs, int body, int column);

class CChartRecord : public CChartCore, public CChartData {
public:
    // Body `body` as the child chart of a column (1-28) holds it: divisional longitude, varga sign.
    CRasiLongitude DivisionalLongitude(int body, int column) const;

    // --- Sign strength and lords -----------------------------------------------------------------
    // Signs 0 Aries .. 11 Pisces, planets are bodies 1 Sun .. 9 Ketu, v is a varga column 0-28. These
    // read the varga sign table and the body longitudes (degrees in a sign are those of the chart's own
    // positions, whatever the column); every comparison returns one of its two inputs, the first on a
    // full tie.

    // Lords (body 1-9). Every sign but Scorpio and Aquarius has its plain lord; those two take the
    // co-lord of column v under: the general rule (SignLord), the rasi dasas' rule (SignLordForDasa),
    // the degrees rule (SignLordNarayana), the nature-and-years rule (SignLordSudasa).
    int SignLord(int sign, int v) const;
    int SignLordOpt(int sign, int v) const; // always the plain lord
    int SignLordForDasa(int sign, int v) const;
    int SignLordNarayana(int sign, int v) const;
    int SignLordSudasa(int sign, int v) const;
    // The stronger of the sign and its 7th in column v, from the table.
    int GetStrongerSignTable(int sign, int v) const;

    // Stronger of two signs: more planets, more aspects (CountAspectsOnSign), more exalted and fewer
    // debilitated occupants, the lord placed in a sign of the other oddity, dual over fixed over
    // movable, more degrees of the lord (nodes as 30 - degrees). The lords of Scorpio and Aquarius are
    // the rasi dasas' co-lords.
    int StrongerSign(int a, int b, int v) const;
    // The same tests with the dignity tests before the aspects.
    int StrongerSignDignityFirst(int a, int b, int v) const;
    // method 2: StrongerSignDignityFirst; any other: StrongerSign.
    int CompareSignStrength(int a, int b, int v, int method) const;
    // Sorts signs[0..n) in place, strongest first, by a stable insertion with CompareSignStrength.
    void SortByStrength(int n, int* signs, int v, int method) const;
    // 0-3: Mercury and Jupiter aspecting the sign, and its lord (or, failing that, Ketu on Scorpio and
    // Rahu on Aquarius), by rasi drishti; a sign aspects itself.
    int CountAspectsOnSign(int sign, int v) const;
    int CountPlanetsInSign(int sign, int v) const; // planets 1-9 in the sign
    // Writes the planets in the sign, strongest first (StrongerPlanetByDignity, stable); returns how many.
    int ListPlanetsInSign(int sign, std::array<int, kPlanetCount>& out, int v) const;

    // Stronger of two planets: more planets in its sign, exalted, not debilitated, in moolatrikona, in
    // an own sign, more degrees (nodes as 30 - degrees).
    int StrongerPlanet(int p, int q, int v) const;
    int StrongerPlanetByDignity(int p, int q, int v) const; // without the company test

    // The co-lord of Aquarius (p Saturn, q Rahu) or of Scorpio (p Mars, q Ketu) under each rule set.
    int StrongerCoLord(int p, int q, int v) const;
    int StrongerCoLordByYears(int p, int q, int v) const;
    int StrongerCoLordByDegrees(int p, int q, int v) const;
    int CompareSignsByCoLordRule(int p, int q, int v) const;
    // The stronger of the planet's own signs (StrongerSign); Leo, Cancer, Aquarius, Scorpio for the Sun,
    // Moon, Rahu and Ketu.
    int StrongerOwnSign(int p, int v) const;

    // Years of the rasi dasas: s the dasa sign, L its lord as the caller chose it, both in column v.
    int RasiDasaYears(int s, int L, int v) const;
    int RasiDasaYearsChara(int s, int L, int v) const;
    // Years as a fraction, from reference body r's degrees in `child` (this chart's child of the dasa's
    // column) to the lord's longitude there. CChart::RasiDasaYearsVirgoStart finds the child.
    static double RasiDasaYearsVirgoStartIn(const CChartRecord& child, int r, int s, int L);
    int RasiDasaYearsNarayana(int s, int L, int v) const;
    int RasiDasaYearsCharaAlt(int s, int L, int v) const;
    int RasiDasaYearsBrahma(int s, int p) const; // rasi chart
    int RasiDasaYearsCharaModified(int s, int L, int v) const;
    int RasiDasaYearsMandooka(int s, int L, int v) const;
    int RasiDasaYearsAKKendradi(int p, int v) const; // graha dasa of planet p
    int RasiDasaYearsMoola(int p, int v) const;      // graha dasa of planet p

    // --- Queries. c is a varga column 0-28 and comes first; p, q planets 1-9
    int HouseFromLagna0(int c, int body) const; // 0-11: the body's sign counted from the lagna's in c
    int HouseFromLagna(int c, int body) const;  // 1-12
    int RasiHouseFromLagna0(int body) const;    // HouseFromLagna0 in column 0
    // Relation 1-5 of planet p to planet q (1-9): natural unless UseCompundRelationshipInAvasthas.
    int RelationInVarga(int c, int p, int q) const;
    // Compound relation of p to q in column c (column 0 with CompoundRelationshipsFromRasi).
    int CompoundRelation(int c, int p, int q) const;
    bool IsMarakaInfluenced(int c, int sign) const;
    bool IsMarakaInfluencedOwnSign(int c, int body) const;
    bool SignsAspectInVarga(int c, int a, int b) const;
    bool IsWellPlaced(int p, int c) const;
    bool IsOwnOrExalted(int c, int p) const;
    bool IsKendraOrTrikona(int c, int body) const;
    bool OwnsSignFrom(int c, int p, int k) const;
    int PachakadiRelation(int p, int kind) const;
    int PachakadiRelationInVarga(int c, int p, int kind) const;
    bool IsCombust(int p) const;
    bool IsInPlanetaryWar(int p) const;
    bool IsInPlanetaryWarAlt(int p) const;
    int KaranaLord() const;
};

// True when the variant chosen for a varga column counts the divisional longitude from the end of the
// sign.
bool IsOptionEnabled(int column);
