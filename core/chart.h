#pragma once
// CChart: the full, computed chart. Its base CChartCore holds the birth data and the body records;
// everything derived from them (varga signs of the 105 bodies, nakshatras, houses, relationships, the
// birth-day frames, special lagnas, upagrahas, sphutas, arudhas, panchanga, the analysis objects) is
// produced by one pipeline, ComputeAll, run after the owner has set the birth data. Views only read.
//
// Units and frames as in CChartCore: longitudes in degrees [0, 360), sidereal unless the chart is
// tropical; Julian days UT; geographic longitude and time zones positive WEST.
// Numbering: bodies as in chart_core.h (0 lagna, 1 Sun .. 9 Ketu, up to 104); signs 0 Aries .. 11
// Pisces; varga columns 0-28 as in varga_columns.h; planets in planet tables 1 Sun .. 9 Ketu stored at
// 0..8.
//
// A chart owns its child charts (one per varga column, built on first request), its analysis objects
// and its probes. Copies are deep: a copy gets its own child charts, and pointers that named the source
// chart (natal chart, analysis chart, the analysis objects' chart) name the copy.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "analysis/ashtakavarga.h"
#include "analysis/avasthas.h"
#include "analysis/shadbala.h"
#include "analysis/sign_lord_tables.h"
#include "analysis/yoga_list.h"
#include "core/calc_options.h"
#include "core/chart_core.h"
#include "core/chart_day.h"
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

class CChart;

// The child charts of the varga columns, owned by their chart. A copy clones every child.
class CVargaChildren {
public:
    CVargaChildren();
    CVargaChildren(const CVargaChildren& other);
    CVargaChildren& operator=(const CVargaChildren& other);
    ~CVargaChildren();

    std::unique_ptr<CChart>& operator[](int column) { return m_child[column]; }
    const std::unique_ptr<CChart>& operator[](int column) const { return m_child[column]; }

private:
    std::array<std::unique_ptr<CChart>, kVargaColumnCount> m_child;
};

// Everything a chart derives from its birth data, in record order. A chart's copy is the member-wise
// copy: no member names the chart that holds it.
struct CChartData {
    std::string m_strTitle;                               // empty at construction
    std::array<std::uint8_t, kBodyCount> m_nakshatra{};   // 0-26
    std::array<std::uint8_t, kBodyCount> m_nakshatra28{}; // 0-27, with Abhijit (ToNakshatra28)
    std::array<std::uint8_t, kBodyCount> m_pada{};        // 0-3 within the nakshatra
    CVargaSignTable m_vargaSign; // sign of each body in each column, with the D-150 halves and rulers
    // The root chart of this chart, and the chart the analysis objects are computed from (the natal
    // chart in transit mode); null names the chart itself, so that a copy needs no re-pointing. Read
    // through NatalChart() and AnalysisChart().
    CChart* m_pNatalChart = nullptr;
    CChart* m_pAnalysisChart = nullptr;
    CVargaChildren m_pVargaChart; // child chart of each column, owned; null until asked
    double m_dStandardZone = 0.0; // hours, positive west
    double m_dDstZone = 0.0;      // hours, positive west
    std::uint8_t m_bDst = 0;

    // Birth-day frames: sunrise, noon, sunset, midnight, next sunrise; then the frame's ghati values.
    std::array<CChartCore, 5> m_sunSnapshot;
    CDayFrameTimes m_sunriseFrame;
    // 1 when the Sun did not rise or set that day (polar day or night): the sunrise frame and its
    // snapshots are then those of local mean time, 6:00, 12:00, 18:00, 24:00 and the next 6:00.
    std::uint8_t m_bSunriseFromMeanTime = 0;
    CDmsAngle m_ayanamsa;    // the chart's ayanamsa, degrees
    CHmsTime m_siderealTime; // local sidereal time, hours (ARMC / 15)
    // The 6:00-to-6:00 frames of local mean time and of zone time: 6:00, 18:00, next 6:00.
    std::array<CChartCore, 3> m_meanTimeProbe;
    CDayFrameTimes m_meanTimeFrame;
    std::array<CChartCore, 3> m_zoneTimeProbe;
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
    int m_nCharaKarakas = 8; // 7 or 8
    CAshtakavarga m_ashtakavarga;
    CAvasthas m_avasthas;
    CShadbala m_shadbala;
    std::array<CRasiLongitude, kSahamCount> m_specialPoint; // the sahams
    std::array<CBhava, 12> m_bhava;                         // houses 1-12
    // Star lord (level 0) and five sub-lords of every body and house cusp, body numbers 1-9.
    std::array<std::array<int, kBodyCount>, kStarLordLevels> m_starLord{};
    std::array<std::array<int, 12>, kStarLordLevels> m_cuspStarLord{};
    CYogaList m_yogaList;
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
};

class CChart : public CChartCore, public CChartData {
public:
    CChart();
    CChart(const CChart& other) = default;
    CChart& operator=(const CChart& other) = default;
    virtual ~CChart();

    // The root chart and the chart the analysis is computed from: this chart unless the document set
    // m_pNatalChart or m_pAnalysisChart.
    const CChart& NatalChart() const { return m_pNatalChart ? *m_pNatalChart : *this; }
    const CChart& AnalysisChart() const { return m_pAnalysisChart ? *m_pAnalysisChart : *this; }

    // --- The pipeline ----------------------------------------------------------------------------
    // ComputeAll(false).
    CalcStatus Compute();
    // Fills every derived member from the birth data. Fails, with the ephemeris library's message, when
    // a moment the chart needs lies outside the ephemeris; the derived members are then not to be used.
    // bLagnaFromExtraPoint: the lagna is replaced by extra point 0 (prasna charts).
    CalcStatus ComputeAll(bool bLagnaFromExtraPoint);
    // Clears m_flags, m_dShift and the fixed longitudes.
    void ResetFlags();
    // Sets longitude and retrograde flag of all 105 body records to 0 (split).
    void ClearLongitudes();
    // Nakshatra, 28-fold nakshatra and pada of all 105 bodies from their longitudes (with the Spica
    // shift of a tropical chart, which can fail).
    CalcStatus ComputeNakshatraPadas();

    // --- Varga charts ----------------------------------------------------------------------------
    // Column 0: the chart itself. Columns 1-28: the child chart of that column, built on first request
    // and refreshed by every ComputeAll. Null for a column outside 0-28 or when the child cannot be
    // calculated.
    CChart* GetVargaChart(int column);
    // Fills this (child) chart from the parent for one column (1-28).
    // The parent's column gets the child's shifted signs when the parent shifts after the analysis.
    CalcStatus ComputeVargaChart(CChart& parent, int column);
    // Re-derives this existing child after the parent was recomputed.
    CalcStatus RefreshVargaChart(CChart& parent, int column);
    // The whole varga sign table, every column.
    void ComputeVargaSigns();
    // Body `body` as the child chart of a column (1-28) holds it: divisional longitude, varga sign.
    CRasiLongitude DivisionalLongitude(int body, int column) const;

    // --- Houses, relationships, star lords, varnadas ---------------------------------------------
    // Fills m_bhava by HouseTypeWanted; may recompute the house cusps for the reference body.
    CalcStatus ComputeBhavas(bool bLagnaFromExtraPoint);
    // Temporal and compound relationships of columns 0-24, 26 and 28.
    void ComputeRelationships();
    // m_starLord and m_cuspStarLord.
    void ComputeStarLords();
    // Varnada lagnas (bodies 47-58) in all 29 columns.
    void ComputeVarnadas();

    // --- Birth-day frames, special lagnas and points ----------------------------------------------
    // The three day frames of the birth: sunrise (snapshots of sunrise, noon, sunset, midnight and the
    // next sunrise, by SunriseDefinition; with Siddhanta 1 from the lagna meeting the Sun), and the
    // 6:00-to-6:00 days of local mean time and of zone time. Where the Sun does not rise or set, the
    // sunrise frame is the mean-time day (m_bSunriseFromMeanTime).
    CalcStatus ComputeSunriseSunset();
    // The day results of the three frames: day numbers, weekdays, hora and kaala lords, part planet,
    // five-minute signs; then the current and second values by WeekdayDefinition(Kaala).
    void ComputeTimeUpagrahas();
    // Same instant, clock time in zone z (hours, positive west); positions recomputed.
    CalcStatus ChangeTimeZone(double zone);
    // Bodies 13-21 from the ghatis since sunrise, the Sun, Moon, Rahu and lagna.
    void ComputeSpecialLagnas();
    // The rise of body 1-9 into `rise`: the moment the lagna stands behind the body by the body's
    // apparent radius (SunriseDefinition 1), that plus 34' of refraction (2 and any value but 0, 1 and 3)
    // or nothing (the centre: 0 and 3), searched backwards from this chart's moment when `backward`.
    // FindRiseTime also searches the set (the lagna as far past the body's opposite point) from this
    // chart's moment in its own direction into `set`, and returns that search's result (or the rise
    // search's failure). Positions of the probes as the searches leave them.
    SearchResult FindRiseTime(int body, CChartCore& rise, CChartCore& set, bool riseBackward,
                              bool setBackward) const;
    SearchResult FindRiseTimeAt(int body, CChartCore& rise, bool backward) const;
    // Bodies 22-26 (Dhooma group) from the Sun by VyatipataMethod.
    void ComputeSunUpagrahas();
    // Bodies 27-32 (Kaala .. Gulika: the lagna at their part of the day or night) and the sphutas 33-44.
    CalcStatus ComputeUpagrahasAndSphutas();
    // Yogi and Avayogi points (bodies 45, 46) and their lords.
    void ComputeYogiPoints();
    // The 36 sahams, each through ComputeSaham.
    void ComputeSpecialPoints();
    // Saham `index` from its three points (degrees): A - B + C, plus 30 unless the lagna lies from B
    // forward to A; A and B change places by night for all but the sahams that keep them.
    void ComputeSaham(int index, double a, double b, double c);
    // Extra points 1 (the user's special point) and 2 (the planetary special lagna).
    CalcStatus ComputeExtraPoints();
    // The planetary special lagna of planet 1-9 at this chart's moment: the planet's longitude at its
    // last rise, moved on by `speedFactor` full circles for each day since then (moved back for Rahu
    // and Ketu when `nodesReverse`); degrees, not normalised. A planet that does not rise at the place
    // (a polar sky) gives its own longitude.
    CalcValue PlanetarySpecialLagna(int planet, int speedFactor, bool nodesReverse);
    void ComputeCharaKarakas();
    // The murti of the latest sign entry of planets 1-9 (FindSignEntryTimesFor each).
    CalcStatus FindSignEntryTimes();
    CalcStatus FindSignEntryTimesFor(int body);
    CalcStatus ComputePanchanga();
    void ComputeDasaSeeds();
    void ComputeNakshatraPoints28();
    // Tithi 0-29 of the angle from body a to body b taken (h + 1) times, and the fraction of it left.
    int GetTithiIndex(int a, int b, int h) const;
    double GetTithiFractionLeft(int a, int b, int h) const;
    // Bhava arudhas, L1-L12 and the arudhas of the planets and their own signs, bodies 59-101, in
    // every varga column but D-150 and Hadda.
    void ComputeArudhas();

    // --- Sign strength and lords (analysis/) -----------------------------------------------------
    // Signs 0 Aries .. 11 Pisces, planets are bodies 1 Sun .. 9 Ketu, v is a varga column 0-28. These
    // read the varga sign table and the body longitudes (degrees in a sign are those of the chart's own
    // positions, whatever the column); every comparison returns one of its two inputs, the first on a
    // full tie.

    // For every column: the co-lords of Scorpio and Aquarius under each rule set, the stronger of each
    // sign and its 7th and the Saturn/Ketu occupancy; the start signs chosen for the rasi dasas are reset.
    void ComputeCoLordTables();
    // Brahma, Rudra and Maheswara of the rasi chart, after the co-lord tables and the chara karakas.
    void ComputeBrahmaRudraMaheswara();

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
    // Years as a fraction, from reference body r's degrees in the child chart of column v to the lord's
    // longitude there; nothing when that child chart cannot be calculated.
    std::optional<double> RasiDasaYearsVirgoStart(int r, int s, int L, int v);
    int RasiDasaYearsNarayana(int s, int L, int v) const;
    int RasiDasaYearsCharaAlt(int s, int L, int v) const;
    int RasiDasaYearsBrahma(int s, int p) const; // rasi chart
    int RasiDasaYearsCharaModified(int s, int L, int v) const;
    int RasiDasaYearsMandooka(int s, int L, int v) const;
    int RasiDasaYearsAKKendradi(int p, int v) const; // graha dasa of planet p
    int RasiDasaYearsMoola(int p, int v) const;      // graha dasa of planet p

    // --- Queries (core/chart_queries.cpp). c is a varga column 0-28 and comes first; p, q planets 1-9
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

private:
    CalcStatus RunPipeline(bool bLagnaFromExtraPoint); // ComputeAll's steps
    void ComputeD1Column();
    void ApplyShift(); // every longitude + m_dShift, and the new D-1 signs
    void ApplyFixedLongitudes();
    void CopyExtraPointsIntoBodies();
};

// True when the variant chosen for a varga column counts the divisional longitude from the end of the
// sign.
bool IsOptionEnabled(int column);
