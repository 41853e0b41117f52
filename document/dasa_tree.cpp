#include "document/dasa_tree.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/body_names.h"
#include "core/calc_options.h"
#include "core/chart_helpers.h"
#include "core/return_charts.h"
#include "core/text_format.h"
#include "core/zodiac_names.h"
#include "document/document_options.h"

namespace {

// Rasi-Bhukta Vimsottari's third level: the kakshya order Saturn, Jupiter, Mars, Sun, Venus, Mercury,
// Moon, lagna, an eighth of the parent each.
constexpr int kKakshyaOrder[8] = {kSaturn, kJupiter, kMars, kSun, kVenus, kMercury, kMoon, kLagna};
constexpr int kNameAsSign = 0;
constexpr int kNameAsBody = 1;
// A search that steps whole cycles looks at most this many cycles past its estimate.
constexpr int kCycleSearchTries = 4;

// The first `count` values of two tables the same bit for bit (a guard of a cache: a value that only
// compares equal, as -0 and 0, makes the cached work again).
template <class T, std::size_t N>
bool SameBits(const std::array<T, N>& a, const std::array<T, N>& b, int count) {
    return std::memcmp(a.data(), b.data(), sizeof(T) * static_cast<std::size_t>(count)) == 0;
}

CalcStatus FromSearch(const SearchResult& result) {
    if (result.found()) return {};
    if (!result.status.ok()) return result.status;
    return CalcStatus::Failure("A dasa period's moment could not be found.");
}

} // namespace

CDasaTree::CDasaTree() = default;
CDasaTree::~CDasaTree() = default;

double CDasaTree::CycleLengthYears() const {
    double sum = 0.0;
    for (int i = 0; i < nPeriods; ++i) sum += dYears[i];
    return sum;
}

CalcStatus CDasaTree::CycleStart() {
    // Moves the start by dasa years. Only its moment is set: every year search reads the quantity at
    // its own origin, so the start's positions are never read. A searched kind's start is moved by the
    // moments the bounds are found with, from birth: the start and the bounds are counted alike, and read
    // birth once. A shift by days makes the shifted start their origin.
    CChartCore& start = m_cache.start;
    std::optional<CReturnMoments>& returns = m_cache.returns;
    const bool searched = !CountedYearDays(nYearKind, dUserYearDays);
    if (searched) returns.emplace(birth, nYearKind, dUserYearDays);
    m_cache.startYears = 0.0;
    const auto move = [&](const CChartCore& from, double years) {
        m_cache.startYears += years;
        const SearchResult moved = searched ? returns->Locate(m_cache.startYears)
                                            : from.LocateReturn(years, nYearKind, dUserYearDays);
        if (moved.found()) from.JulianDayToDate(moved.jdUt, start);
        return FromSearch(moved);
    };
    start = birth;
    if (bBalance) {
        if (CalcStatus status = move(birth, -(1.0 - dBalance) * dYears[0]); !status.ok()) return status;
    }
    if (nDasaCode >= 0 && nDasaCode < static_cast<int>(g_bDasaShift.size()) && g_bDasaShift[nDasaCode]) {
        start.ShiftByPeriod(g_dDasaShiftDays[nDasaCode], start, 1.0);
        if (searched) returns.emplace(start, nYearKind, dUserYearDays);
        m_cache.startYears = 0.0;
    }
    if (g_nDasaCycleOffset != 0) {
        const CChartCore from = start;
        if (CalcStatus status = move(from, g_nDasaCycleOffset * CycleLengthYears()); !status.ok())
            return status;
    }
    return {};
}

const CDasaTree::Shares& CDasaTree::SubPeriodShares() {
    // Only the lords' shares of the first cycle make a table; equal and explicit shares are read
    // where they are used. The table is kept while the first cycle's lords and lengths stay the same.
    SharesCache& kept = m_cache.shares;
    if (bEqualSubPeriods || bExplicitSubPeriods) return kept.share;
    const DasaLordRows& lords = nLord;
    if (kept.count == nSubPeriods && SameBits(kept.lords, lords[0], nSubPeriods) &&
        SameBits(kept.years, dYears, nSubPeriods))
        return kept.share;
    // A lord's share of any parent is its share of the first cycle, as in Vimsottari.
    kept.share.fill(0.0);
    double sum = 0.0;
    for (int i = 0; i < nSubPeriods; ++i) sum += dYears[i];
    for (int i = 0; i < nSubPeriods; ++i) kept.share[nLord[0][i]] = sum > 0.0 ? dYears[i] / sum : 0.0;
    std::copy_n(nLord[0].begin(), nSubPeriods, kept.lords.begin());
    std::copy_n(dYears.begin(), nSubPeriods, kept.years.begin());
    kept.count = nSubPeriods;
    return kept.share;
}

CDasaTree::PeriodShape CDasaTree::FirstLevelShape(int j) const {
    return {nLord[0][j], nLord2[0][j], nLord3[0][j], dYears[j],
            nDasaCode == kRasiBhuktaVimsottariCode ? kNameAsBody : -1};
}

CDasaTree::Children CDasaTree::PeriodsUnder(int level, const PeriodShape* parent, const Shares& share) const {
    Children out;
    if (level == 0) {
        out.count = nPeriods;
        for (int j = 0; j < nPeriods; ++j) out.shapes[j] = FirstLevelShape(j);
        return out;
    }
    const int a = parent->lord;
    if (nDasaCode == kRasiBhuktaVimsottariCode && level == 2) {
        out.count = 8;
        for (int j = 0; j < 8; ++j)
            out.shapes[j] = {kKakshyaOrder[j], 0, 0, parent->years * 0.125, kNameAsBody};
        return out;
    }
    out.count = bExplicitSubPeriods ? nSubCount[a] : nSubPeriods;
    const int b = bLord2 ? parent->lord2 : a;
    const int c = bLord3 ? parent->lord3 : a;
    const double equalShare = 1.0 / out.count; // read only when the sub-periods are equal, so count > 0
    for (int j = 0; j < out.count; ++j) {
        PeriodShape& s = out.shapes[j];
        s.lord = nLord[1 + a][j];
        s.lord2 = nLord2[1 + b][j];
        s.lord3 = nLord3[1 + c][j];
        s.years = parent->years * (bExplicitSubPeriods ? dSubFraction[a][j]
                                   : bEqualSubPeriods  ? equalShare
                                                       : share[s.lord]);
        s.table = nDasaCode == kRasiBhuktaVimsottariCode ? kNameAsSign : -1;
    }
    return out;
}

void CDasaTree::FormatPeriodLabel(int level, int lord, int lord2, int lord3, CDasaPeriod& out) const {
    out.nLord = lord;
    if (bUseLabelTables) {
        if (!g_bPrinting && bShowLabel2 && !(bLabel2AtFirstLevelOnly && level > 0))
            out.NameByText({strLabel[lord], " (", strLabel2[lord], ")"});
        else
            out.NameByText(strLabel[lord]);
        return;
    }
    out.bPlanet = bPlanetLords;
    const char* const* table = bPlanetLords ? g_pszPlanetNamesAlt2 : g_pszSignNames;
    out.NameByLords(table[lord], bLord2 ? table[lord2] : nullptr, bLord3 ? table[lord3] : nullptr);
}

void CDasaTree::NamePeriod(int level, const PeriodShape& shape, CDasaPeriod& out) const {
    if (shape.table < 0) {
        FormatPeriodLabel(level, shape.lord, shape.lord2, shape.lord3, out);
        return;
    }
    out.nLord = shape.lord;
    out.bPlanet = shape.table == kNameAsBody;
    out.NameByLords((out.bPlanet ? g_pszPlanetNamesAlt2 : g_pszSignNames)[shape.lord], nullptr, nullptr);
}

CalcStatus CDasaTree::PrepareCycleStart() {
    const int code = nDasaCode >= 0 && nDasaCode < static_cast<int>(g_bDasaShift.size()) ? nDasaCode : 0;
    // The birth moment by the fields its Julian day is read from (reading it is a library call).
    const CLocalDateTime& born = birth.m_dateTime;
    // The first-level lengths (the balance's period, the cycle's length) are compared whole.
    const std::array<double, 12> key = {static_cast<double>(born.m_nYear),
                                        static_cast<double>(born.m_nMonth),
                                        static_cast<double>(born.m_nDay),
                                        born.m_time.m_dHours + born.m_zone.m_dHours,
                                        static_cast<double>(g_nCalendarFlag),
                                        bBalance ? 1.0 : 0.0,
                                        dBalance,
                                        g_bDasaShift[code] ? g_dDasaShiftDays[code] : 0.0,
                                        static_cast<double>(g_nDasaCycleOffset),
                                        static_cast<double>(nYearKind),
                                        dUserYearDays,
                                        static_cast<double>(nPeriods)};
    const int periods = std::clamp(nPeriods, 0, kDasaMaxPeriods);
    if (m_cache.valid && m_cache.key == key && SameBits(m_cache.firstYears, dYears, periods)) return {};
    m_cache.valid = false;
    m_cache.returns.reset();
    m_cache.firstCount = -1;
    if (CalcStatus status = CycleStart(); !status.ok()) return status;
    m_cache.startJd = m_cache.start.GetJulianDay();
    m_cache.countedYearDays = CountedYearDays(nYearKind, dUserYearDays);
    m_cache.zone = m_cache.start.m_dateTime.m_zone;
    m_cache.zone.SplitHours();
    m_cache.key = key;
    std::copy_n(dYears.begin(), periods, m_cache.firstYears.begin());
    m_cache.valid = true;
    return {};
}

double CDasaTree::CountedMoment(double years) const {
    return m_cache.startJd + years * *m_cache.countedYearDays; // as LocateReturn counts them
}

CalcStatus CDasaTree::MomentAt(double years, double& jd) {
    if (m_cache.countedYearDays) {
        jd = CountedMoment(years);
        return {};
    }
    const SearchResult result = m_cache.returns->Locate(m_cache.startYears + years);
    if (CalcStatus status = FromSearch(result); !status.ok()) return status;
    jd = result.jdUt;
    return {};
}

CalcStatus CDasaTree::SpanPeriods(const Children& children, double offset, const Span* parent, Spans& out,
                                  int& found) {
    // Counted moments, most of them, are made in place: no status to pass back for each.
    CalcStatus status;
    const auto momentAt = [&](double years, double& jd) {
        if (m_cache.countedYearDays) {
            jd = CountedMoment(years);
            return true;
        }
        status = MomentAt(years, jd);
        return status.ok();
    };
    found = 0;
    for (int j = 0; j < children.count; ++j) {
        Span& span = out[j];
        if (j > 0) {
            span.start = out[j - 1].end;
        } else if (parent) {
            span.start = parent->start;
        } else {
            if (!momentAt(offset, span.start)) return status;
        }
        found = j + 1;
        offset += children.shapes[j].years;
        if (parent && j == children.count - 1) {
            span.end = parent->end;
        } else {
            double end = 0.0;
            if (!momentAt(offset, end)) return status;
            if (end < span.start) end = span.start;
            if (parent && end > parent->end) end = parent->end;
            span.end = end;
        }
        found = j + 2;
    }
    return {};
}

CalcStatus CDasaTree::SpanFirstLevel(int& found) {
    if (m_cache.firstCount == nPeriods) {
        found = nPeriods + 1;
        return {};
    }
    const Children children = PeriodsUnder(0, nullptr, m_cache.shares.share); // shares unread here
    if (CalcStatus status = SpanPeriods(children, 0.0, nullptr, m_cache.firstSpans, found); !status.ok())
        return status;
    m_cache.firstCount = nPeriods;
    return {};
}

void CDasaTree::SetBounds(double start, double end, CDasaPeriod& out) const {
    out.dStartJd = start;
    out.dEndJd = end;
    out.zone = m_cache.zone;
    out.bAmPm = g_bTimeDisplayWithAmPm;
}

CalcStatus CDasaTree::ExpandPeriod() {
    bRunningValid = false;
    if (CalcStatus status = PrepareCycleStart(); !status.ok()) return status;
    const Shares& share = SubPeriodShares();
    const int deepest = nDasaCode == kRasiBhuktaVimsottariCode ? kRasiBhuktaLevels - 1 : kDasaLevels - 1;
    if (nLevel > deepest) nLevel = deepest;
    if (nLevel < 0) nLevel = 0;

    // Each level above the listed one is spanned whole, so that the chosen period has the bounds its
    // own level shows, and becomes the parent of the next.
    double offset = 0.0; // dasa years from the cycle start to the listed parent's start
    PeriodShape parent{};
    Span parentSpan;
    Spans spans;
    int found = 0;
    for (int level = 0; level < nLevel; ++level) {
        // The first level is kept whole in the cache: only the chosen period's shape is made here.
        if (level == 0) {
            const int selected = std::clamp(nSelected[0], 0, std::max(0, nPeriods - 1));
            nSelected[0] = selected;
            if (CalcStatus status = SpanFirstLevel(found); !status.ok()) return status;
            for (int j = 0; j < selected; ++j) offset += dYears[j];
            parent = FirstLevelShape(selected);
            parentSpan = m_cache.firstSpans[selected];
        } else {
            const Children children = PeriodsUnder(level, &parent, share);
            const int selected = std::clamp(nSelected[level], 0, std::max(0, children.count - 1));
            nSelected[level] = selected;
            if (CalcStatus status = SpanPeriods(children, offset, &parentSpan, spans, found); !status.ok())
                return status;
            for (int j = 0; j < selected; ++j) offset += children.shapes[j].years;
            parent = children.shapes[selected];
            parentSpan = spans[selected];
        }
        CDasaPeriod& chosen = running[level];
        chosen.bPlanet = false; // as a fresh row has it: label tables leave it alone
        NamePeriod(level, parent, chosen);
        SetBounds(parentSpan.start, parentSpan.end, chosen);
    }

    const Children listed = PeriodsUnder(nLevel, nLevel == 0 ? nullptr : &parent, share);
    nCount = listed.count;
    const CalcStatus status =
        nLevel == 0 ? SpanFirstLevel(found) : SpanPeriods(listed, offset, &parentSpan, spans, found);
    const Spans& listedSpans = nLevel == 0 ? m_cache.firstSpans : spans;
    // When a moment cannot be found, the periods before it are listed, and the one it belongs to is
    // named with its start if that was found.
    for (int j = 0; j < nCount && j < std::max(found, 1); ++j) {
        CDasaPeriod& row = period[j];
        NamePeriod(nLevel, listed.shapes[j], row);
        if (j + 1 < found)
            SetBounds(listedSpans[j].start, listedSpans[j].end, row);
        else if (j < found)
            SetBounds(listedSpans[j].start, kNoBound, row);
    }
    if (!status.ok()) return status;
    for (int level = 0; level < nLevel; ++level) running[level].MarkLevel(kDasaLevelMarks[level]);
    nListedLevel = nLevel;
    return {};
}

int CDasaTree::PeriodAt(double jd) const {
    for (int j = 0; j < nCount; ++j) {
        if (period[j].dStartJd <= jd && jd <= period[j].dEndJd) return j;
    }
    return -1;
}

CalcStatus CDasaTree::FindRunningPeriods(const CLocalDateTime& when, int maxLevel) {
    if (nDasaCode == kRasiBhuktaVimsottariCode) maxLevel = std::min(maxLevel, kRasiBhuktaLevels - 1);
    maxLevel = std::clamp(maxLevel, 0, kDasaLevels - 1);
    if (!(CycleLengthYears() > 0.0)) return CalcStatus::Failure("The dasa's cycle has no length.");
    const double jd = JulianDayOf(when);

    // The cycle that holds the moment: estimated from the listed cycle's span in days, then stepped
    // by whole cycles a bounded number of times (true years make a cycle's span vary a little).
    nLevel = 0;
    if (CalcStatus status = ExpandPeriod(); !status.ok()) return status;
    int index = PeriodAt(jd);
    for (int attempt = 0; index < 0 && attempt < kCycleSearchTries; ++attempt) {
        const double cycleStart = period[0].dStartJd;
        const double cycleDays = period[nCount - 1].dEndJd - cycleStart;
        if (!(cycleDays > 0.0)) return CalcStatus::Failure("The dasa's cycle has no length.");
        const int step = static_cast<int>(std::floor((jd - cycleStart) / cycleDays));
        g_nDasaCycleOffset += step != 0 ? step : (jd > cycleStart ? 1 : -1);
        if (CalcStatus status = ExpandPeriod(); !status.ok()) return status;
        index = PeriodAt(jd);
    }
    if (index < 0) return CalcStatus::Failure("No dasa period runs at the moment asked for.");
    nSelected[0] = index;

    for (int level = 1; level <= maxLevel; ++level) {
        nLevel = level;
        if (CalcStatus status = ExpandPeriod(); !status.ok()) return status;
        // The children tile their parent; a moment at the parent's very end belongs to the last child.
        const int j = PeriodAt(jd);
        nSelected[level] = j >= 0 ? j : nCount - 1;
    }

    double position = dProgressBase;
    double step = dProgressStep;
    for (int level = 0; level <= maxLevel; ++level) {
        position += nSelected[level] * step;
        if (level == maxLevel) {
            const CDasaPeriod& p = period[nSelected[level]];
            const double span = p.dEndJd - p.dStartJd;
            if (span > 0.0) position += step * (jd - p.dStartJd) / span;
        }
        step /= nCount;
    }
    g_dDasaProgressPosition = position;
    bRunningValid = true;
    nRunningIndex = nSelected[maxLevel];
    return {};
}
