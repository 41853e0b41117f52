// CChartCore: the record, its moment services and the calculation of its 13 bodies.
#include "core/chart_core.h"
#include "core/chart_helpers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

#include "core/calc_options.h"
#include "core/calculated_moments.h"
#include "core/julian_day.h"

char HouseSystemLetter(int houseType) {
    switch (houseType) {
    case 1: // equal houses
    case 2: // equal houses of nine nakshatra padas
        return 'E';
    case 4:
        return 'P'; // Placidus
    case 5:
        return 'K'; // Koch
    case 6:
        return 'R'; // Regiomontanus
    case 7:
        return 'C'; // Campanus
    case 8:
        return 'X'; // axial rotation
    case 9:
        return 'T'; // Polich/Page
    case 10:
        return 'B'; // Alcabitus
    default:
        return 'O'; // each rasi a house, Sripathi (Porphyry), and the traditional system outside its model
    }
}

bool IsInPushkaraNavamsa(double longitude) {
    const int sign = static_cast<int>(longitude * (1.0 / 30.0)) % 12;
    const int navamsa = static_cast<int>(longitude * 0.3) % 12; // the navamsa's sign counted from Aries
    // The two pushkara navamsas of the fire, earth, air and water signs.
    static constexpr int kPushkara[4][2] = {{6, 8}, {11, 1}, {11, 1}, {3, 5}};
    const int* pair = kPushkara[sign % 4];
    return navamsa == pair[0] || navamsa == pair[1];
}

CalcStatus AltitudeStatus(double altitude) {
    if (altitude >= kMinAltitude && altitude <= kMaxAltitude) return {};
    char text[160];
    std::snprintf(text, sizeof text, "The altitude %g m lies outside %g to %g m.", altitude, kMinAltitude,
                  kMaxAltitude);
    return CalcStatus::Failure(text);
}

CalcStatus CChartCore::CalcPlanets() {
    if (CalcStatus status = AltitudeStatus(m_dAltitude); !status.ok()) return status;
    const double jd = GetJulianDay();
    const MomentKey key = KeyOfMoment(*this, jd);
    if (const CChartCore* remembered = RememberedMoment(key)) {
        TakePositions(*remembered);
    } else {
        // Body 0 first: it fills the house cusps before the planets.
        for (int body = 0; body < kEphemerisBodyCount; ++body) {
            if (CalcStatus status = StoreBody(body, jd); !status.ok()) return status;
        }
        RememberMoment(key, *this);
    }
    return {};
}

CalcStatus CChartCore::CalcPlanet(int body) {
    if (CalcStatus status = AltitudeStatus(m_dAltitude); !status.ok()) return status;
    const double jd = GetJulianDay();
    const MomentKey key = KeyOfMoment(*this, jd);
    if (const CRasiLongitude* remembered = RememberedBody(key, body)) {
        m_bodies[body] = *remembered;
        return {};
    }
    if (CalcStatus status = StoreBody(body, jd); !status.ok()) return status;
    RememberBody(key, body, m_bodies[body]);
    return {};
}

CalcStatus CChartCore::StoreBody(int body, double jdUt) {
    CRasiLongitude& record = m_bodies[body];
    const CalcValue longitude = CalcBody(body, jdUt, record.m_bRetrograde, true);
    if (!longitude.ok()) return longitude.status;
    record.m_dLongitude = longitude.value;
    record.SplitLongitude();
    return {};
}

void CChartCore::TakePositions(const CChartCore& source) {
    std::copy_n(source.m_bodies, kEphemerisBodyCount, m_bodies);
    const auto copy = [](const double(&from)[kPerBodyValueCount], double(&to)[kPerBodyValueCount]) {
        std::copy(std::begin(from), std::end(from), std::begin(to));
    };
    copy(source.m_dBodyLatitude, m_dBodyLatitude);
    copy(source.m_dBodyDistance, m_dBodyDistance);
    copy(source.m_dBodySpeed, m_dBodySpeed);
    copy(source.m_dBodyLatitudeSpeed, m_dBodyLatitudeSpeed);
    copy(source.m_dBodyDistanceSpeed, m_dBodyDistanceSpeed);
    std::copy(std::begin(source.m_dHouseCusps), std::end(source.m_dHouseCusps), std::begin(m_dHouseCusps));
    m_dAyanamsa = source.m_dAyanamsa;
    m_dTraditionalAyanamsa = source.m_dTraditionalAyanamsa;
    m_dSiderealTime = source.m_dSiderealTime;
}

double CChartCore::GetJulianDay() const {
    return JulianDay(m_dateTime.m_nYear, m_dateTime.m_nMonth, m_dateTime.m_nDay,
                     m_dateTime.m_time.m_dHours + m_dateTime.m_zone.m_dHours);
}

void CChartCore::JulianDayToDate(double jdUt, CChartCore& target) const {
    target.m_dateTime = LocalMomentOf(jdUt, m_dateTime.m_zone);
    target.CopyPlace(*this);
}

CalcStatus CChartCore::SetFromJulianDay(double jdUt, CChartCore& target) const {
    JulianDayToDate(jdUt, target);
    return target.CalcPlanets();
}

void CChartCore::CopyPlaceAndMoment(const CChartCore& source) {
    m_dateTime.m_nYear = source.m_dateTime.m_nYear;
    m_dateTime.m_nMonth = source.m_dateTime.m_nMonth;
    m_dateTime.m_nDay = source.m_dateTime.m_nDay;
    m_dateTime.m_time = source.m_dateTime.m_time;
    m_dateTime.m_time.SplitHours();
    m_dateTime.m_zone = source.m_dateTime.m_zone;
    m_dateTime.m_zone.SplitHours();
    CopyPlace(source);
}

void CChartCore::CopyPlace(const CChartCore& source) {
    m_longitude = source.m_longitude;
    m_longitude.SplitDegrees();
    m_latitude = source.m_latitude;
    m_latitude.SplitDegrees();
    m_dAltitude = source.m_dAltitude;
    m_dPressure = source.m_dPressure;
    m_dTemperature = source.m_dTemperature;
}

CalcStatus CChartCore::CopyDataAndCalc(const CChartCore& source) {
    CopyPlaceAndMoment(source);
    return CalcPlanets();
}

CalcStatus CChartCore::CalcInto(CChartCore& target) const {
    return target.CopyDataAndCalc(*this);
}

void CChartCore::ShiftByPeriod(double a, CChartCore& target, double b) const {
    JulianDayToDate(GetJulianDay() + a * b, target);
}

void CChartCore::ShiftByDays(double days) {
    CChartCore probe;
    JulianDayToDate(GetJulianDay() + days, probe);
    m_dateTime.m_nYear = probe.m_dateTime.m_nYear;
    m_dateTime.m_nMonth = probe.m_dateTime.m_nMonth;
    m_dateTime.m_nDay = probe.m_dateTime.m_nDay;
    m_dateTime.m_time = probe.m_dateTime.m_time;
}

int CChartCore::GetWeekday() const {
    const double jd =
        JulianDay(m_dateTime.m_nYear, m_dateTime.m_nMonth, m_dateTime.m_nDay, m_dateTime.m_time.m_dHours);
    const long long n = static_cast<long long>(std::trunc(jd - 0.5));
    long long r = (n - 2037) % 7; // 1-7, the day 2037 being a 7
    if (r <= 0) r += 7;
    return static_cast<int>((r + 2) % 7);
}
