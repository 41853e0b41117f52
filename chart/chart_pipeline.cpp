// The calculation pipeline of a full chart: positions, houses and the birth day, computed bodies, varga
// signs and their tables, then the analysis of the chart. The only place the chart runs the analysis
// objects, so that the analysis library builds on the chart's queries and the pipeline on both.
#include <atomic>

#include "analysis/ashtakavarga.h"
#include "chart/chart.h"

CalcStatus CChart::Compute() {
    return ComputeAll(false);
}

CalcStatus CChart::ComputeAll(bool bLagnaFromExtraPoint) {
    static std::atomic<std::uint64_t> computations{0};
    m_nComputeStamp = ++computations;
    m_lastCalculation = RunPipeline(bLagnaFromExtraPoint);
    return *m_lastCalculation;
}

// Each step runs once; the steps that read what a later step changes run again only when it changed.
CalcStatus CChart::RunPipeline(bool bLagnaFromExtraPoint) {
    // Positions, houses and the birth day.
    ClearLongitudes();
    if (CalcStatus status = CalcPlanets(); !status.ok()) return status;
    m_ayanamsa.m_dValue = m_dAyanamsa;
    m_ayanamsa.SplitDegrees();
    m_siderealTime.m_dHours = m_dSiderealTime;
    m_siderealTime.SplitHours();
    if (CalcStatus status = ComputeBhavas(bLagnaFromExtraPoint); !status.ok()) return status;
    if (CalcStatus status = ComputeSunriseSunset(); !status.ok()) return status;
    // The day frames are measured on the birth zone's clock. The instant stays, and so do the positions.
    if (g_bZoneOverride) m_dateTime.ChangeZone(g_dBirthZone);
    ComputeTimeUpagrahas();
    if (g_bZoneOverride) m_dateTime.ChangeZone(g_dOverrideZone);

    // Computed bodies.
    ComputeSpecialLagnas();
    ComputeSunUpagrahas();
    if (CalcStatus status = ComputeUpagrahasAndSphutas(); !status.ok()) return status;
    ComputeYogiPoints();
    ComputeD1Column();
    ComputeSpecialPoints();
    if (CalcStatus status = ComputeExtraPoints(); !status.ok()) return status;
    if (bLagnaFromExtraPoint) {
        m_bodies[kLagna].m_dLongitude = m_extraPoint[0].m_dLongitude;
        m_bodies[kLagna].SplitLongitude();
        m_extraName[0] = kNoExtraPoint;
        if (CalcStatus status = ComputeBhavas(true); !status.ok()) return status;
    }
    CopyExtraPointsIntoBodies();
    if (m_flags[1] && !m_flags[2]) ApplyShift();
    ApplyFixedLongitudes();

    // Varga signs and the tables read from them.
    ComputeD1Column();
    // No varga rule reads the co-lord tables, and neither karakas nor varnadas read them: the tables
    // are made once, from the finished varga signs.
    ComputeVargaSigns();
    ComputeCharaKarakas();
    ComputeVarnadas();
    ComputeCoLordTables();
    if (CalcStatus status = ComputeNakshatraPadas(); !status.ok()) return status;
    ComputeStarLords();
    ComputeRelationships();
    ComputeSpecialPoints();
    for (int k = 0; k < kExtraPointCount; ++k) {
        if (m_extraName[k] == kNoExtraPoint || m_extraName[k] == "Muntha") continue;
        for (int c = 0; c < kVargaColumnCount; ++c)
            m_extraVargaSign[k][c] = static_cast<std::uint8_t>(m_vargaSign.Sign(kFirstExtraPointBody + k, c));
    }
    if (CalcStatus status = ComputePanchanga(); !status.ok()) return status;
    ComputeDasaSeeds();
    ComputeBrahmaRudraMaheswara();

    // Analysis of the chart the document binds it to (the natal chart in transit mode).
    const CChart& analysed = AnalysisChart();
    m_ashtakavarga.Compute(analysed);
    m_shadbala.Compute(analysed);
    m_avasthas.Compute(analysed);

    if (CalcStatus status = FindSignEntryTimes(); !status.ok()) return status;
    ComputeNakshatraPoints28();
    for (int c = 0; c < kVargaColumnCount; ++c) {
        if (!m_pVargaChart[c]) continue;
        if (CalcStatus status = m_pVargaChart[c]->RefreshVargaChart(*this, c); !status.ok()) return status;
    }
    ComputeArudhas();
    // The yoga testers read the arudha lagna and the bhagyapada: not before they are current.
    m_yogaList.FindAllYogas(analysed, kYogaAll);
    // Arudhas from longitudes are the only step since the nakshatras that moves a body.
    if (g_bLongitudeBasedBhavaArudhas) {
        if (CalcStatus status = ComputeNakshatraPadas(); !status.ok()) return status;
        ComputeStarLords();
    }
    if (m_flags[1] && m_flags[2]) ApplyShift(); // the analysis above saw the unshifted chart
    return {};
}
