#include "document/dasa_transit_listing.h"

#include <algorithm>

#include "core/chart_core.h"
#include "core/chart_searches.h"
#include "core/sign_arithmetic.h"

namespace {

constexpr double kOneMinute = 1.0 / 1440.0; // days: the next search starts this far past an exit

double JulianDayOf(const CChartCore& birth, const CLocalDateTime& moment) {
    CChartCore probe = birth;
    probe.m_dateTime = moment;
    return probe.GetJulianDay();
}

// The stays of one body in one sign from startJd to endJd; false when a search failed (`status` says why).
bool ListStays(const CChartCore& birth, int body, int sign, double startJd, double endJd,
               std::vector<TransitStay>& stays, CalcStatus& status) {
    CChartCore probe;
    double from = startJd;
    while (static_cast<int>(stays.size()) < kMaxTransitStays && from <= endJd) {
        birth.JulianDayToDate(from, probe);
        double entry = 0.0, exit = 0.0;
        const SearchResult found = probe.FindBodyEntersDivision(body, sign, false, entry, exit);
        if (!found.found()) {
            status = FailureOf(found);
            return status.ok();
        }
        if (entry > endJd) break;
        TransitStay stay;
        stay.entryJdUt = entry;
        stay.exitJdUt = std::min(exit, endJd);
        birth.JulianDayToDate(stay.entryJdUt, probe);
        stay.entry = probe.m_dateTime;
        birth.JulianDayToDate(stay.exitJdUt, probe);
        stay.exit = probe.m_dateTime;
        stays.push_back(stay);
        from = exit + kOneMinute;
    }
    return true;
}

} // namespace

DasaTransitListing ListDasaTransits(const CChartCore& birth, const CLocalDateTime& start,
                                    const CLocalDateTime& end, int sign, const ListingProgress& progress) {
    DasaTransitListing listing;
    if (progress && !progress(0, kTransitSearches)) {
        listing.cancelled = true;
        return listing;
    }
    const double startJd = JulianDayOf(birth, start);
    const double endJd = JulianDayOf(birth, end);
    int& done = listing.searched;
    for (int house = 0; house < 12; ++house) {
        for (int b = 0; b < kListedTransitBodies; ++b) {
            if (!ListStays(birth, kListedTransitBodyOrder[b], SignFrom(sign, house), startJd, endJd,
                           listing.stays[house][b], listing.status))
                return listing;
            if (progress && !progress(++done, kTransitSearches)) {
                listing.cancelled = done < kTransitSearches; // after the last search it stops nothing
                return listing;
            }
        }
    }
    return listing;
}
