// CChartCore::CalcBody in the traditional Surya Siddhanta model: bodies 1-9 and the lagna with its cusps.

#include "core/calc_options.h"
#include "core/chart_core.h"
#include "core/julian_day.h"
#include "core/surya_siddhanta.h"

namespace {

constexpr double kScaledMinutesPerDayHours = 34560.0; // 1440 scaled minutes x 24 hours
constexpr double kTraditionalSiderealTime = 6.5;      // hours; the model has no sidereal time of its own

// Julian day of the given local mean-time hour on the civil date of the local mean-time Julian day m.
double JulianDayOnDateOf(double m, double hour) {
    int year, month, day;
    double hours;
    CivilDateOf(m, year, month, day, hours);
    return JulianDay(year, month, day, hour);
}

} // namespace

double CChartCore::CalcTraditionalBody(int body, std::uint8_t& retrograde, bool full,
                                       const MomentAyanamsa& moment) {
    const int code = body == kRahu || body == kKetu ? kSsRahu : body;
    const SsPlanetPosition p = SuryaSiddhantaPlanet(moment.trueDayCount, moment.longitudeDifference, code);
    retrograde = p.retrograde;
    if (full) {
        m_dBodyLatitude[body] = m_dBodyDistance[body] = m_dBodySpeed[body] = 0.0;
        m_dBodyLatitudeSpeed[body] = m_dBodyDistanceSpeed[body] = 0.0;
    }
    // The model's node routine gives Ketu; Rahu stands opposite.
    const double longitude = body == kRahu ? p.trueLongitude + 180.0 : p.trueLongitude;
    return longitude + (m_dTraditionalAyanamsa - m_dAyanamsa);
}

double CChartCore::CalcTraditionalLagna(double jdUt, const MomentAyanamsa& moment) {
    const double latitude = m_latitude.m_dValue;
    const double lonDiff = moment.longitudeDifference;
    const double dTrue = moment.trueDayCount;
    const double n = static_cast<long long>(dTrue);
    // The moment as a local mean-time Julian day, on the traditional day count's clock.
    const double m = jdUt - m_longitude.m_dValue / 360.0 + (dTrue - moment.dayCount);

    // The sunrise that opened the current day, and the next one.
    double h0 = SsSunriseHour(n + 0.5, lonDiff, latitude);
    double s = JulianDayOnDateOf(m, h0);
    double h1;
    if (m < s) {
        h1 = h0;
        h0 = SsSunriseHour(n - 0.5, lonDiff, latitude);
        s = JulianDayOnDateOf(m - 1.0, h0);
    } else {
        h1 = SsSunriseHour(n + 1.5, lonDiff, latitude);
    }
    // Time since sunrise scaled to a sunrise-to-sunrise day of 1440 minutes.
    double G = (m - s) * kScaledMinutesPerDayHours / (h1 + 24.0 - h0);
    const double sunAtSunrise = SuryaSiddhantaPlanet(dTrue + (s - m), lonDiff, kSsSun).trueLongitude;
    const double sunNow = SuryaSiddhantaPlanet(dTrue, lonDiff, kSsSun).trueLongitude;
    const double tradAyanamsa = m_dTraditionalAyanamsa;
    const double shift = m_dTraditionalAyanamsa - m_dAyanamsa;
    const double ascendant = SsAscendant(latitude, sunNow, sunAtSunrise, tradAyanamsa, G) + shift;

    double D = SsDayLength(latitude, dTrue, lonDiff, 180.0);
    if (G < D / 2) { // before the Sun culminates the tenth cusp is counted from the day before
        h1 = h0;
        h0 = SsSunriseHour(n - 0.5, lonDiff, latitude);
        G = (m - JulianDayOnDateOf(m - 1.0, h0)) * kScaledMinutesPerDayHours / (h1 + 24.0 - h0);
        D = SsDayLength(latitude, dTrue - 1.0, lonDiff, 180.0);
    }
    const double tenth = SsTenthCusp(latitude, sunNow, sunAtSunrise, tradAyanamsa, G - D / 2) + shift;

    // Sripathi cusps: the quadrants from lagna to fourth and fourth to seventh split in thirds.
    double* cusp = m_dHouseCusps;
    cusp[0] = Reduce360(ascendant);
    cusp[9] = Reduce360(tenth);
    cusp[3] = Reduce360(tenth + 180.0);
    const double firstThird = Reduce360(cusp[3] - cusp[0]) / 3.0;
    const double secondThird = 60.0 - firstThird;
    cusp[1] = Reduce360(cusp[0] + firstThird);
    cusp[2] = Reduce360(cusp[0] + 2 * firstThird);
    cusp[4] = Reduce360(cusp[3] + secondThird);
    cusp[5] = Reduce360(cusp[3] + 2 * secondThird);
    for (int house : {0, 1, 2, 4, 5}) cusp[house + 6] = Reduce360(cusp[house] + 180.0);
    m_dSiderealTime = kTraditionalSiderealTime;
    return cusp[0];
}
