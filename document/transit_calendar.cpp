#include "document/transit_calendar.h"

#include <algorithm>
#include <memory>

#include "analysis/transit_judgement.h"
#include "chart/chart.h"
#include "core/varga_sign_table.h"
#include "document/document_state.h"

double g_dTranCalenStepDays = 1.0;
int g_nTranCalenStepCount = 15;
int g_nTranCalenNatalVarga = 0;
int g_nTranCalenTransitVarga = 0;
std::array<bool, kCalendarItems> g_bTranCalenShowItem = {true, true, true, true, true, true};

namespace {

constexpr int kChooserEntries = 22;
constexpr int kLastDirectEntry = 19; // "Shashtyamsa (D-60)": entries up to it are their columns

bool SameMoment(const CLocalDateTime& a, const CLocalDateTime& b) {
    return a.m_nYear == b.m_nYear && a.m_nMonth == b.m_nMonth && a.m_nDay == b.m_nDay &&
           a.m_time.m_dHours == b.m_time.m_dHours && a.m_zone.m_dHours == b.m_zone.m_dHours;
}

int FixedColumn(int column) {
    return column >= kD1Column && column <= kD144Column ? column : kD1Column;
}

// The probe chart of one step: bodies 0-12 at the step's moment, the varga columns the calendar reads,
// and the nakshatras.
CalcStatus CastStep(const CChart& natal, double jdUt, int transitColumn, CChart& probe) {
    if (CalcStatus status = natal.SetFromJulianDay(jdUt, probe); !status.ok()) return status;
    const VargaBodies bodies(probe.m_bodies);
    // D-108 and D-144 read the D-9 and D-12 columns.
    for (const int column : {static_cast<int>(kD1Column), static_cast<int>(kD9Column),
                             static_cast<int>(kD12Column), transitColumn})
        ComputeVargaColumn(column, bodies, probe.m_vargaSign);
    return probe.ComputeNakshatraPadas();
}

// What a row's planets stand on, before their cells are judged.
struct StepPlaces {
    std::array<int, 10> transitSign{}; // by body 1-9, in the transit column
    std::array<int, 10> fromMoon{};    // houses 1-12
    std::array<int, 10> fromLagna{};
};

StepPlaces PlacesOf(const CChart& probe, int transitColumn, int moonSign, int lagnaSign) {
    StepPlaces places;
    for (int p = kSun; p <= kKetu; ++p) {
        const int sign = probe.m_vargaSign.Sign(p, transitColumn);
        places.transitSign[p] = sign;
        places.fromMoon[p] = HouseFrom(sign, moonSign);
        places.fromLagna[p] = HouseFrom(sign, lagnaSign);
    }
    return places;
}

// The murthis in force: each planet's latest sign entry, searched again when the planet changes its
// house from the natal Moon or its D-1 sign (a change of house alone misses a new sign in vargas such
// as D-2, where neighbouring signs can share a varga sign). The Moon shows no murthi; Ketu takes Rahu's.
class MurthiTracker {
public:
    explicit MurthiTracker(int natalMoonSign) : m_natalMoonSign(natalMoonSign) {}

    CalcStatus Update(const CChart& probe, const std::array<int, 10>& fromMoon, CalendarRow& row) {
        for (int p = kSun; p <= kRahu; ++p) {
            if (p == kMoon) continue;
            Entry& entry = m_entries[p];
            const int d1Sign = probe.m_bodies[p].m_nSign;
            if (entry.d1Sign != d1Sign || entry.houseFromMoon != fromMoon[p]) {
                const SignEntryMurthi found = FindSignEntryMurthi(probe, p, m_natalMoonSign);
                if (!found.status.ok()) return found.status;
                entry = Entry{d1Sign, fromMoon[p], found.found ? found.murthi : -1, found.jdUt};
            }
            row.planets[p - 1].murthi = entry.murthi;
            row.planets[p - 1].entryJdUt = entry.jdUt;
        }
        row.planets[kKetu - 1].murthi = row.planets[kRahu - 1].murthi;
        row.planets[kKetu - 1].entryJdUt = row.planets[kRahu - 1].entryJdUt;
        return {};
    }

private:
    struct Entry {
        int d1Sign = -1; // none yet: the first row searches
        int houseFromMoon = 0;
        int murthi = -1;
        double jdUt = 0.0;
    };
    int m_natalMoonSign;
    std::array<Entry, 10> m_entries{};
};

} // namespace

int CalendarChooserColumn(int entry) {
    if (entry < 0 || entry >= kChooserEntries) return kD1Column;
    return entry <= kLastDirectEntry ? entry : entry + 1; // the chooser skips D-81 (column 20)
}

bool TransitCalendarRequest::operator==(const TransitCalendarRequest& other) const {
    return SameMoment(start, other.start) && stepDays == other.stepDays && count == other.count &&
           natalColumn == other.natalColumn && transitColumn == other.transitColumn &&
           murthiColumn == other.murthiColumn;
}

TransitCalendarRequest CalendarRequestFromSettings() {
    TransitCalendarRequest request;
    request.start = g_transitMoment;
    request.stepDays = g_dTranCalenStepDays;
    request.count = std::clamp(g_nTranCalenStepCount, 0, kCalendarMaxRows);
    request.natalColumn = CalendarChooserColumn(g_nTranCalenNatalVarga);
    request.transitColumn = CalendarChooserColumn(g_nTranCalenTransitVarga);
    request.murthiColumn = FixedColumn(g_nTransitRefVarga);
    return request;
}

TransitCalendar ComputeTransitCalendar(const CChart& natal, const TransitCalendarRequest& request,
                                       const CalendarProgress& progress) {
    TransitCalendar calendar;
    const int count = std::clamp(request.count, 0, kCalendarMaxRows);
    if (progress && !progress(0, count)) {
        calendar.cancelled = true;
        return calendar;
    }
    const int natalColumn = FixedColumn(request.natalColumn);
    const int transitColumn = FixedColumn(request.transitColumn);
    const int moonSign = natal.m_vargaSign.Sign(kMoon, natalColumn);
    const int lagnaSign = natal.m_vargaSign.Sign(kLagna, natalColumn);
    const int murthiMoonSign = natal.m_vargaSign.Sign(kMoon, FixedColumn(request.murthiColumn));
    const CAshtakavarga& ashtakavarga = natal.m_ashtakavarga;

    CChartCore start = natal;
    start.m_dateTime = request.start;
    const double startJd = start.GetJulianDay();
    // Charts of the calendar's own: the document's charts are only read.
    auto probe = std::make_unique<CChart>();
    static_cast<CChartCore&>(*probe) = natal;

    MurthiTracker murthis(murthiMoonSign);
    calendar.rows.reserve(static_cast<size_t>(count));
    for (int s = 0; s < count; ++s) {
        const double jd = startJd + s * request.stepDays;
        if (CalcStatus status = CastStep(natal, jd, transitColumn, *probe); !status.ok()) {
            calendar.status = status;
            return calendar;
        }
        CalendarRow row;
        row.moment = probe->m_dateTime;
        row.jdUt = jd;
        const StepPlaces places = PlacesOf(*probe, transitColumn, moonSign, lagnaSign);
        const VedhaMarks vedhaFromMoon(places.fromMoon);
        const VedhaMarks vedhaFromLagna(places.fromLagna);
        for (int p = kSun; p <= kKetu; ++p) {
            CalendarCell& cell = row.planets[p - 1];
            cell.houseFromMoon = places.fromMoon[p];
            cell.goodFromMoon = IsGoodTransitHouse(p, cell.houseFromMoon);
            cell.vedhaFromMoon = cell.goodFromMoon && vedhaFromMoon.IsObstructed(p);
            cell.houseFromLagna = places.fromLagna[p];
            cell.goodFromLagna = IsGoodTransitHouse(p, cell.houseFromLagna);
            cell.vedhaFromLagna = cell.goodFromLagna && vedhaFromLagna.IsObstructed(p);
            cell.tara = TaraIndex(probe->m_nakshatra[p], natal.m_nakshatra[kMoon]);
            cell.goodTara = IsGoodTara(cell.tara);
            cell.kakshyaLord = KakshyaLord(KakshyaIndex(probe->m_bodies[p].m_dLongitude));
            const int sign = places.transitSign[p];
            cell.bindus = TransitBindus(ashtakavarga, natalColumn, p, sign).value_or(-1);
            const std::optional<bool> good =
                IsGoodKakshya(ashtakavarga, natalColumn, p, sign, cell.kakshyaLord);
            cell.goodKakshya = good ? (*good ? 1 : 0) : -1;
        }
        if (CalcStatus status = murthis.Update(*probe, places.fromMoon, row); !status.ok()) {
            calendar.status = status;
            return calendar;
        }
        calendar.rows.push_back(row);
        if (progress && !progress(s + 1, count)) {
            calendar.cancelled = s + 1 < count; // a cancel after the last row comes too late to stop it
            return calendar;
        }
    }
    return calendar;
}
