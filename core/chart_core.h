#pragma once
// CChartCore: one moment at one place with the positions of the bodies. It is the base of the full
// chart and is used alone as a probe wherever another moment must be calculated (sunrise, returns,
// searches, dasa period starts).
//
// CChartCore::CalcBody is the one place that asks the ephemeris library for a planet or the houses.
// Every calculation can fail (a moment outside the ephemeris files, a missing star catalogue): it then
// returns the library's message and stores nothing it could not compute.
//
// Units and frames: longitudes in degrees, sidereal in the chosen ayanamsa (g_ayanamsaSettings),
// [0, 360); Julian days are UT; the place's longitude is positive WEST and the zone positive WEST
// (universal time = local time + zone), as everywhere in the program.
#include <cstdint>

#include "core/angle_time.h"
#include "core/calc_status.h"

// Body numbers.
constexpr int kLagna = 0;
constexpr int kSun = 1;
constexpr int kMoon = 2;
constexpr int kMars = 3;
constexpr int kMercury = 4;
constexpr int kJupiter = 5;
constexpr int kVenus = 6;
constexpr int kSaturn = 7;
constexpr int kRahu = 8;
constexpr int kKetu = 9;
constexpr int kUranus = 10;
constexpr int kNeptune = 11;
constexpr int kPluto = 12;
constexpr int kEphemerisBodyCount = 13; // bodies 0-12 come from the ephemeris (or the traditional model)
constexpr int kBodyCount = 105;         // slots of a chart; 105 also means "no body"
constexpr int kNoBody = 105;
constexpr int kPerBodyValueCount = 10; // the per-body arrays hold bodies 1-9

// The Julian day (UT) of the last moment whose 13 bodies were calculated by CalcPlanets and its kin.
extern double g_dLastCalcJulianDay;

// Ecliptic and equatorial coordinates of one body (CChartCore::CalcBodyTopo).
struct CBodyCoordinates {
    CDmsAngle m_longitude;      // sidereal ecliptic longitude less the ayanamsa correction, degrees
    CDmsAngle m_latitude;       // ecliptic latitude, degrees
    double m_dDistance = 0.0;   // AU
    CDmsAngle m_rightAscension; // degrees
    CDmsAngle m_declination;    // degrees
};

// The library's house system letter for a house menu code (g_nHouseTypeWanted).
char HouseSystemLetter(int houseType);

// Pushkara navamsa test of a longitude in degrees.
bool IsInPushkaraNavamsa(double longitude);

class CChartCore {
public:
    CChartCore();

    // --- Positions -------------------------------------------------------------------------------
    // Sidereal longitude [0, 360) of body 0-12 at a UT Julian day, seen from this record's place.
    // Computes the ayanamsa of the moment first (m_dAyanamsa, m_dTraditionalAyanamsa). With `full` it
    // writes the retrograde flag, the five per-body arrays (bodies 1-9) and, for body 0, the house cusps
    // (the traditional model writes them in any case); body 0 always writes m_dSiderealTime. Without
    // `full` nothing else is stored and Ketu (9) reads as the node itself, not the node + 180.
    CalcValue CalcBody(int body, double jdUt, std::uint8_t& retrograde, bool full);
    // Bodies 0-12 at the record's own moment, full: longitudes stored and split, retrograde flags,
    // house cusps; sets g_dLastCalcJulianDay. Stops at the first body that cannot be computed.
    CalcStatus CalcPlanets();
    // Ecliptic and equatorial coordinates of body 1-8 (no star anchoring, no traditional model, Ketu
    // not turned); writes m_dAyanamsa.
    CalcStatus CalcBodyTopo(int body, double jdUt, CBodyCoordinates& coordinates);
    // The nakshatra shift of a tropical chart, degrees: with SiderealNaksharasInTropical on and the
    // tropical ayanamsa (id 16), 180 - Spica's tropical longitude; otherwise 0.
    CalcValue GetAyanamsa();

    // --- Moments ---------------------------------------------------------------------------------
    double GetJulianDay() const; // UT Julian day of the local date, time and zone
    // Target gets this record's zone, place, altitude, pressure and temperature and the local date and
    // time of the UT Julian day; then its bodies 0-12 are calculated. The target may be this record.
    CalcStatus SetFromJulianDay(double jdUt, CChartCore& target) const;
    void JulianDayToDate(double jdUt, CChartCore& target) const; // as SetFromJulianDay, no positions
    // Copy date, time, zone, place, altitude, pressure and temperature (gender is not copied), then
    // calculate bodies 0-12 of the receiving record.
    CalcStatus CopyDataAndCalc(const CChartCore& source);
    CalcStatus CalcInto(CChartCore& target) const;
    // Target set (no positions) to this record's Julian day + a x b days.
    void ShiftByPeriod(double a, CChartCore& target, double b) const;
    void ShiftByDays(double days); // local date and time moved by the days; zone kept; no positions
    int GetWeekday() const;        // 0 Sunday .. 6 Saturday, of the local civil date

    // --- Record ----------------------------------------------------------------------------------
    CLocalDateTime m_dateTime;           // local civil date, time of day, zone (positive west)
    CDmsAngle m_longitude;               // geographic longitude, degrees, positive WEST
    CDmsAngle m_latitude;                // geographic latitude, degrees, positive NORTH
    double m_dAltitude = 0.0;            // metres above sea level
    double m_dPressure = 0.0;            // mbar (refraction only)
    double m_dTemperature = 0.0;         // degrees Celsius (refraction only)
    int m_nGender = 0;                   // kept with the chart file; not used by the calculation
    CRasiLongitude m_bodies[kBodyCount]; // by body number; 0-12 filled here, the rest by the full chart
    // Bodies 1-9, as the ephemeris returns them (0 in the traditional model).
    double m_dBodyLatitude[kPerBodyValueCount] = {};      // ecliptic latitude, degrees
    double m_dBodyDistance[kPerBodyValueCount] = {};      // AU
    double m_dBodySpeed[kPerBodyValueCount] = {};         // degrees per day in longitude
    double m_dBodyLatitudeSpeed[kPerBodyValueCount] = {}; // degrees per day
    double m_dBodyDistanceSpeed[kPerBodyValueCount] = {}; // AU per day
    double m_dHouseCusps[12] = {};       // sidereal longitudes of the cusps of houses 1-12, degrees
    double m_dAyanamsa = 0.0;            // ayanamsa of the last calculation, degrees (with star anchoring)
    double m_dTraditionalAyanamsa = 0.0; // trepidation ayanamsa; written for the traditional model and id 18
    double m_dSiderealTime = 0.0; // local sidereal time, hours (ARMC / 15; 6.5 from the traditional model)

private:
    // What the ayanamsa step of a calculation hands on to the position steps.
    struct MomentAyanamsa {
        double starCorrection = 0.0; // k: added to every body longitude of a star-anchored id
        // Traditional day counts (days since the Kali epoch at local mean time), the model or id 18 only.
        double dayCount = 0.0;
        double trueDayCount = 0.0;        // corrected by the equation of time
        double longitudeDifference = 0.0; // degrees east of Ujjain
    };
    CalcStatus CalcMomentAyanamsa(double jdUt, std::int32_t flags, MomentAyanamsa& moment);
    CalcValue CalcEphemerisLagna(double jdUt, bool full);
    CalcValue CalcEphemerisBody(int body, double jdUt, std::int32_t flags, std::uint8_t& retrograde,
                                bool full, const MomentAyanamsa& moment);
    double CalcTraditionalLagna(double jdUt, const MomentAyanamsa& moment);
    double CalcTraditionalBody(int body, std::uint8_t& retrograde, bool full, const MomentAyanamsa& moment);
    void CopyPlaceAndMoment(const CChartCore& source);
    double LongitudeEast() const { return -m_longitude.m_dValue; }
};
