// CChartCore::CalcBody and its ephemeris path: the one place that asks the library for planets and houses.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include <swephexp.h>

#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/chart_core.h"
#include "core/damaged_ephemeris_files.h"
#include "core/ephemeris_calls.h"
#include "core/ephemeris_flags.h"
#include "core/julian_day.h"
#include "core/surya_siddhanta.h"

namespace {

// Kali epoch: day counts are days since JD 588465.5 (= 2415022.0 - 1826556.5).
constexpr double kKaliEpochOffset = 2415022.0 - 1826556.5;

// The library's body for body numbers 1-12; the nodes follow TrueNodes.
int EphemerisBody(int body) {
    static constexpr int kBodies[kEphemerisBodyCount] = {
        -1,        SE_SUN,       SE_MOON,      SE_MARS,   SE_MERCURY, SE_JUPITER, SE_VENUS,
        SE_SATURN, SE_MEAN_NODE, SE_MEAN_NODE, SE_URANUS, SE_NEPTUNE, SE_PLUTO};
    if ((body == kRahu || body == kKetu) && g_bTrueNodes) return SE_TRUE_NODE;
    return kBodies[body];
}

CalcStatus CalcFailure(const char* libraryMessage) {
    return CalcStatus::Failure("The position cannot be calculated for this moment: " +
                               NamingTheDamagedFile(libraryMessage));
}

bool AllFinite(const double* values, int count) {
    return std::all_of(values, values + count, [](double v) { return std::isfinite(v); });
}

// The library answered without an error but with values that are not numbers: name what it was asked.
CalcStatus NotANumberFailure(const char* what, double jdUt, double longitudeEast, double latitude,
                             double altitude) {
    char text[300];
    std::snprintf(text, sizeof text,
                  "The ephemeris gave no %s for Julian day %.6f (UT) at longitude %g (east), latitude %g, "
                  "altitude %g m.",
                  what, jdUt, longitudeEast, latitude, altitude);
    return CalcStatus::Failure(text);
}

} // namespace

std::int32_t CChartCore::PlaceFlags() const {
    const std::int32_t flags = SetTopocentric(LongitudeEast(), m_latitude.m_dValue, m_dAltitude);
    return g_ayanamsaSettings.m_bOwnValue ? flags : flags | kFlagSidereal;
}

CalcStatus CChartCore::CalcMomentAyanamsa(double jdUt, std::int32_t flags, AyanamsaUse use,
                                          MomentAyanamsa& moment) {
    const CAyanamsaSettings& settings = g_ayanamsaSettings;
    const bool suryaSiddhantaAyanamsa = settings.m_nAyanamsaId == kAyanamsaSuryaSiddhanta;
    double ayanamsa;
    if (g_nSiddhanta == 1 || suryaSiddhantaAyanamsa) {
        // Days since the Kali epoch at the place's local mean time.
        moment.dayCount = jdUt - kKaliEpochOffset - m_longitude.m_dValue / 360.0;
        moment.longitudeDifference = LongitudeEast() - kUjjainLongitudeEast;
        if (suryaSiddhantaAyanamsa) {
            ayanamsa = CalcSuryaSiddhantaAyanamsa(moment.dayCount) + settings.m_correction.m_dValue;
        } else {
            const CalcValue library = GetAyanamsaValue(jdUt, settings, use);
            if (!library.ok()) return library.status;
            ayanamsa = library.value;
        }
        moment.trueDayCount = SsTrueDayCount(moment.dayCount, moment.longitudeDifference, ayanamsa);
        m_dTraditionalAyanamsa = CalcSuryaSiddhantaAyanamsa(moment.trueDayCount);
        if (suryaSiddhantaAyanamsa) ayanamsa = m_dTraditionalAyanamsa + settings.m_correction.m_dValue;
    } else {
        const CalcValue library = GetAyanamsaValue(jdUt, settings, use);
        if (!library.ok()) return library.status;
        ayanamsa = library.value;
    }
    moment.starCorrection = 0.0;
    if (const auto anchor = StarAnchorOf(settings.m_nAyanamsaId)) {
        const CalcValue k = CalcStarCorrection(*anchor, jdUt, flags, use);
        if (!k.ok()) return k.status;
        moment.starCorrection = k.value;
        ayanamsa -= k.value;
    }
    m_dAyanamsa = ayanamsa;
    return {};
}

CalcValue CChartCore::CalcBody(int body, double jdUt, std::uint8_t& retrograde, bool full) {
    // Seen from an absurd height the library gives no place, the anchor star's first.
    if (g_bTopocentricPositions) {
        if (CalcStatus status = AltitudeStatus(m_dAltitude); !status.ok()) return {0.0, status};
    }
    std::int32_t flags = PlaceFlags();
    flags = full ? flags | kFlagSpeed : flags & ~kFlagSpeed;
    MomentAyanamsa moment;
    const AyanamsaUse use = full ? AyanamsaUse::kChartMoment : AyanamsaUse::kSearchStep;
    if (const CalcStatus status = CalcMomentAyanamsa(jdUt, flags, use, moment); !status.ok()) {
        return {0.0, status};
    }

    if (body == kLagna) retrograde = 0;
    if (g_nSiddhanta == 1 && body == kLagna) return {Reduce360(CalcTraditionalLagna(jdUt, moment)), {}};
    if (g_nSiddhanta == 1 && body <= kKetu) {
        return {Reduce360(CalcTraditionalBody(body, retrograde, full, moment)), {}};
    }
    if (body == kLagna) return CalcEphemerisLagna(jdUt, full);
    return CalcEphemerisBody(body, jdUt, flags, retrograde, full, moment);
}

CalcValue CChartCore::CalcBodyAndSpeed(int body, double jdUt, double& speed) {
    if (g_nSiddhanta == 1 || body <= kLagna || body >= kEphemerisBodyCount)
        return CalcValue::Failure("Body " + std::to_string(body) + " has no motion on this model.");
    const std::int32_t flags = PlaceFlags() | kFlagSpeed;
    MomentAyanamsa moment;
    // The sidereal bit places the body; the ayanamsa's value is read only by refraction and the Surya
    // Siddhanta ayanamsa, which then take the whole step. Otherwise a star anchor's correction is all.
    const int ayanamsaId = g_ayanamsaSettings.m_nAyanamsaId;
    if ((g_bApparentRefraction && !g_bTruePositions) || ayanamsaId == kAyanamsaSuryaSiddhanta) {
        if (const CalcStatus status = CalcMomentAyanamsa(jdUt, flags, AyanamsaUse::kSearchStep, moment);
            !status.ok()) {
            return {0.0, status};
        }
    } else if (const auto anchor = StarAnchorOf(ayanamsaId)) {
        const CalcValue k = CalcStarCorrection(*anchor, jdUt, flags, AyanamsaUse::kSearchStep);
        if (!k.ok()) return k;
        moment.starCorrection = k.value;
    }
    std::uint8_t retrograde = 0;
    return CalcEphemerisBody(body, jdUt, flags, retrograde, false, moment, &speed);
}

CalcValue CChartCore::CalcEphemerisLagna(double jdUt, bool full) {
    double cusps[13], angles[10];
    char error[AS_MAXCH] = "";
    CountEphemerisCall(EphemerisCall::kHouses);
    // A house system that cannot be drawn inside the polar circles comes back as Porphyry with an
    // error code: the cusps are still sound, so that is no failure of the chart.
    swe_houses_ex2(jdUt, g_bNoNutation ? kFlagNoNutation : 0, m_latitude.m_dValue, LongitudeEast(),
                   HouseSystemLetter(g_nHouseTypeWanted), cusps, angles, nullptr, nullptr, error);
    if (!std::isfinite(angles[0]) || !std::isfinite(angles[2])) return {0.0, CalcFailure(error)};
    m_dSiderealTime = angles[2] * (1.0 / 15.0); // ARMC in hours
    if (full) {
        for (int house = 1; house <= 12; ++house)
            m_dHouseCusps[house - 1] = Reduce360(cusps[house] - m_dAyanamsa);
    }
    // The ayanamsa already holds the correction and the star anchoring.
    return {Reduce360(angles[0] - m_dAyanamsa), {}};
}

CalcValue CChartCore::CalcEphemerisBody(int body, double jdUt, std::int32_t flags, std::uint8_t& retrograde,
                                        bool full, const MomentAyanamsa& moment, double* speed) {
    double x[6];
    char error[AS_MAXCH] = "";
    CountEphemerisCall(EphemerisCall::kBody);
    if (swe_calc(EphemerisJulianDay(jdUt), EphemerisBody(body), flags, x, error) < 0) {
        return {0.0, CalcFailure(error)};
    }
    if (!AllFinite(x, 6)) {
        return {0.0, NotANumberFailure("position", jdUt, LongitudeEast(), m_latitude.m_dValue, m_dAltitude)};
    }
    if (g_bApparentRefraction && !g_bTruePositions) {
        // The horizon works in the tropical ecliptic of date: turn a sidereal position back first.
        const double toTropical =
            g_ayanamsaSettings.m_bOwnValue
                ? 0.0
                : m_dAyanamsa + moment.starCorrection - g_ayanamsaSettings.m_correction.m_dValue;
        double place[3] = {LongitudeEast(), m_latitude.m_dValue, m_dAltitude};
        double tropical[3] = {x[0] + toTropical, x[1], x[2]};
        double horizon[3];
        swe_azalt(jdUt, SE_ECL2HOR, place, m_dPressure, m_dTemperature, tropical, horizon);
        horizon[1] = swe_refrac(horizon[1], m_dPressure, m_dTemperature, SE_TRUE_TO_APP);
        double ecliptic[2];
        swe_azalt_rev(jdUt, SE_HOR2ECL, place, horizon, ecliptic);
        x[0] = ecliptic[0] - toTropical;
        x[1] = ecliptic[1];
    }
    double longitude = x[0];
    if (speed) *speed = x[3];
    if (full) {
        if (body <= kKetu) {
            m_dBodyLatitude[body] = x[1];
            m_dBodyDistance[body] = x[2];
            m_dBodySpeed[body] = x[3];
            m_dBodyLatitudeSpeed[body] = x[4];
            m_dBodyDistanceSpeed[body] = x[5];
        }
        if (body == kKetu) longitude += 180.0;
        retrograde = (body == kRahu || body == kKetu || x[3] >= 0.0) ? 0 : 1;
    }
    if (g_ayanamsaSettings.m_nAyanamsaId == kAyanamsaSuryaSiddhanta) {
        longitude -= m_dAyanamsa;
    } else {
        longitude += moment.starCorrection - g_ayanamsaSettings.m_correction.m_dValue;
    }
    return {Reduce360(longitude), {}};
}

std::int32_t CChartCore::TropicalFlags() const {
    return (PlaceFlags() & ~(kFlagSidereal | kFlagSpeed)) | kFlagNoNutation;
}

CalcValue CChartCore::CalcTropicalLongitude(int body, double jdUt, double* speed) const {
    return CalcTropicalLongitude(body, EphemerisMoment(jdUt), speed);
}

CalcValue CChartCore::CalcTropicalLongitude(int body, const EphemerisMoment& moment, double* speed) const {
    if (body < kSun || body >= kEphemerisBodyCount)
        return CalcValue::Failure("Body " + std::to_string(body) + " has no tropical place.");
    std::int32_t flags = TropicalFlags();
    if (speed != nullptr) flags |= kFlagSpeed;
    double x[6] = {};
    char error[AS_MAXCH] = "";
    CountEphemerisCall(EphemerisCall::kBody);
    if (swe_calc(moment.jdEt, EphemerisBody(body), flags, x, error) < 0) return {0.0, CalcFailure(error)};
    if (!AllFinite(x, 4)) {
        return {0.0, NotANumberFailure("position", moment.jdUt, LongitudeEast(), m_latitude.m_dValue,
                                       m_dAltitude)};
    }
    if (speed != nullptr) *speed = x[3];
    return {Reduce360(x[0]), {}};
}

CalcStatus CChartCore::CalcTropicalStar(const std::string& star, bool truePosition, double jdUt,
                                        StarPlace& place) const {
    return CalcTropicalStar(star, truePosition, EphemerisMoment(jdUt), place);
}

CalcStatus CChartCore::CalcTropicalStar(const std::string& star, bool truePosition,
                                        const EphemerisMoment& moment, StarPlace& place) const {
    return LibraryStarPlace(star, moment, TropicalFlags() | (truePosition ? kFlagTruePositions : 0), place);
}

CalcStatus CChartCore::CalcBodyTopo(int body, double jdUt, CBodyCoordinates& coordinates) {
    const std::int32_t flags = PlaceFlags();
    const CalcValue ayanamsa = GetAyanamsaValue(jdUt, g_ayanamsaSettings);
    if (!ayanamsa.ok()) return ayanamsa.status;
    m_dAyanamsa = ayanamsa.value;
    const double jdEt = EphemerisJulianDay(jdUt);
    double ecliptic[6], equatorial[6];
    char error[AS_MAXCH] = "";
    CountEphemerisCall(EphemerisCall::kBody);
    if (swe_calc(jdEt, EphemerisBody(body), flags, ecliptic, error) < 0) return CalcFailure(error);
    CountEphemerisCall(EphemerisCall::kBody);
    if (swe_calc(jdEt, EphemerisBody(body), flags | kFlagEquatorial, equatorial, error) < 0) {
        return CalcFailure(error);
    }
    if (!AllFinite(ecliptic, 3) || !AllFinite(equatorial, 2))
        return NotANumberFailure("position", jdUt, LongitudeEast(), m_latitude.m_dValue, m_dAltitude);
    const auto set = [](CDmsAngle& angle, double degrees) {
        angle.m_dValue = degrees;
        angle.SplitDegrees();
    };
    set(coordinates.m_longitude, Reduce360(ecliptic[0] - g_ayanamsaSettings.m_correction.m_dValue));
    set(coordinates.m_latitude, ecliptic[1]);
    coordinates.m_dDistance = ecliptic[2];
    set(coordinates.m_rightAscension, equatorial[0]);
    set(coordinates.m_declination, equatorial[1]);
    return {};
}

CalcValue CChartCore::GetAyanamsa() {
    if (!g_bSiderealNaksharasInTropical) return {0.0, {}};
    const std::int32_t flags = PlaceFlags();
    const double jd = GetJulianDay();
    const CalcValue ayanamsa = GetAyanamsaValue(jd, g_ayanamsaSettings);
    if (!ayanamsa.ok()) return ayanamsa;
    m_dAyanamsa = ayanamsa.value;
    if (g_ayanamsaSettings.m_nAyanamsaId != kAyanamsaTropical) return {0.0, {}};
    // The shift that puts Spica in the middle of Chitra.
    return CalcStarCorrection({"Spica", 180.0, false}, jd, flags);
}
