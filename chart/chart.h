#pragma once
// CChart: the full, computed chart. Its base CChartCore holds the birth data and the body records, its
// base CChartRecord (core/chart_record.h) everything derived from them (varga signs of the 105 bodies,
// nakshatras, houses, relationships, the birth-day frames, special lagnas, upagrahas, sphutas, arudhas,
// panchanga) with the queries the analysis reads. All of it, and the analysis objects CChart holds, is
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
// chart (natal chart, analysis chart) name the copy.
#include <array>
#include <memory>
#include <optional>

#include "analysis/ashtakavarga.h"
#include "analysis/avasthas.h"
#include "analysis/shadbala.h"
#include "analysis/yoga_list.h"
#include "core/chart_record.h"

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

class CChart : public CChartRecord {
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
    // sunrise day follows the rule of chart/sunrise_days.h and its frame marks the stand-ins.
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
    // The 36 sahams at their divisional longitudes in varga column `column` (0-28), by the rules that
    // place the bodies in the child chart of that column (which holds no sahams of its own); column 0
    // gives m_specialPoint. The varga signs are a sign table's worth of work: the last column's answer
    // is kept until the chart or the chalit chakra's reference body changes.
    std::array<CRasiLongitude, kSahamCount> SahamsInVarga(int column) const;
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

    // --- Steps that need the sign strengths ------------------------------------------------------
    // For every column: the co-lords of Scorpio and Aquarius under each rule set, the stronger of each
    // sign and its 7th and the Saturn/Ketu occupancy; the start signs chosen for the rasi dasas are reset.
    void ComputeCoLordTables();
    // Brahma, Rudra and Maheswara of the rasi chart, after the co-lord tables and the chara karakas.
    void ComputeBrahmaRudraMaheswara();
    // Years as a fraction, from reference body r's degrees in the child chart of column v to the lord's
    // longitude there; nothing when that child chart cannot be calculated.
    std::optional<double> RasiDasaYearsVirgoStart(int r, int s, int L, int v);

    // The root chart of this chart, and the chart the analysis objects are computed from (the natal
    // chart in transit mode); null names the chart itself, so that a copy needs no re-pointing. Read
    // through NatalChart() and AnalysisChart().
    CChart* m_pNatalChart = nullptr;
    CChart* m_pAnalysisChart = nullptr;
    CVargaChildren m_pVargaChart; // child chart of each column, owned; null until asked
    // The analysis of AnalysisChart(), made by the pipeline.
    CAshtakavarga m_ashtakavarga;
    CAvasthas m_avasthas;
    CShadbala m_shadbala;
    CYogaList m_yogaList;

private:
    // SahamsInVarga's last answer and what it was worked out for.
    struct SahamVargaCache {
        std::uint64_t computeStamp = 0;
        int column = -1; // none yet
        int bhavaReference = 0;
        std::array<CRasiLongitude, kSahamCount> sahams;
    };
    mutable SahamVargaCache m_sahamVargaCache;

    CalcStatus RunPipeline(bool bLagnaFromExtraPoint); // ComputeAll's steps
    void ComputeD1Column();
    void ApplyShift(); // every longitude + m_dShift, and the new D-1 signs
    void ApplyFixedLongitudes();
    void CopyExtraPointsIntoBodies();
};
