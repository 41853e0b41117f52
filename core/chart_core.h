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
#include <optional>

#include "core/angle_time.h"
#include "core/ayanamsa_cache.h"
#include "core/calc_status.h"
#include "core/default_air.h"
#include "core/longitude_search.h"

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

// The altitudes the whole program accepts, metres above sea level: the birth data dialog, chart files,
// the altitude preference and places from the atlas. The lowest is the ephemeris library's own limit for
// its rise, set and eclipse searches (-500 m, below the shore of the Dead Sea at about -430 m; their
// highest is 25000 m); the highest lies above an airliner's cruising height. Beyond them the
// topocentric ephemeris fails.
constexpr double kMinAltitude = -500.0;
constexpr double kMaxAltitude = 20000.0;
// Fails naming the altitude (metres) when it lies outside kMinAltitude..kMaxAltitude.
CalcStatus AltitudeStatus(double altitude);

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
    // --- Positions -------------------------------------------------------------------------------
    // Sidereal longitude [0, 360) of body 0-12 at a UT Julian day, seen from this record's place.
    // Computes the ayanamsa of the moment first (m_dAyanamsa, m_dTraditionalAyanamsa). With `full` it
    // writes the retrograde flag, the five per-body arrays (bodies 1-9) and, for body 0, the house cusps
    // (the traditional model writes them in any case); body 0 always writes m_dSiderealTime. Without
    // `full` nothing else is stored and Ketu (9) reads as the node itself, not the node + 180; such a
    // search step may take the ayanamsa interpolated between two exact ones of moments at most 45
    // minutes apart around it (within 1e-5 arcsecond, ayanamsa_cache.h). With topocentric positions on
    // it refuses an altitude as CalcPlanets does.
    CalcValue CalcBody(int body, double jdUt, std::uint8_t& retrograde, bool full);
    // The search step CalcBody(body, jdUt, retrograde, false) of body 1-12 on the ephemeris model, with
    // the body's motion in longitude as the library gives it beside the position, degrees a day (an
    // anchor star's motion left out: at most 0.6" a day). Writes m_dAyanamsa only where the position
    // reads it (refraction, the Surya Siddhanta ayanamsa). Fails under the traditional model, which
    // gives no motion; refraction, when on, moves the place only.
    CalcValue CalcBodyAndSpeed(int body, double jdUt, double& speed);
    // Bodies 0-12 at the record's own moment, full: longitudes stored and split, retrograde flags,
    // house cusps. Stops at the first body that cannot be computed; refuses
    // an altitude outside kMinAltitude..kMaxAltitude. A moment calculated lately at the same place under
    // the same options is taken back (calculated_moments.h).
    CalcStatus CalcPlanets();
    // Body 0-12 alone at the record's own moment, exactly as CalcPlanets computes it (full, the exact
    // ayanamsa): its longitude stored and split and its retrograde flag, in m_bodies[body]; nothing else
    // of the record is promised. Taken back from a moment or a body calculated lately at the same place
    // under the same options. Refuses an altitude as CalcPlanets does.
    CalcStatus CalcPlanet(int body);
    // Body 0-12 at a UT Julian day, full (the exact ayanamsa), into m_bodies[body]: its longitude stored
    // and split and its retrograde flag; nothing taken back or remembered (the step CalcPlanets repeats
    // for each body).
    CalcStatus StoreBody(int body, double jdUt);
    // Ecliptic and equatorial coordinates of body 1-8 (no star anchoring, no traditional model, Ketu
    // not turned); writes m_dAyanamsa.
    CalcStatus CalcBodyTopo(int body, double jdUt, CBodyCoordinates& coordinates);
    // Tropical longitude [0, 360) of body 1-12 at a UT Julian day as the library gives it at this
    // record's place and options, on the ecliptic and MEAN equinox of date (no nutation), without
    // ayanamsa, correction or refraction (Ketu reads as the node); with `speed`, also its motion in
    // longitude, degrees a day. A third of the cost of a sidereal position, for searches whose quantity
    // the ayanamsa cannot move (Moon - Sun), or that read the sidereal place from it: the library's
    // sidereal positions leave nutation out as well, so a search step's sidereal longitude is this less
    // an offset that moves with the precession alone (zodiac_offset.h).
    CalcValue CalcTropicalLongitude(int body, double jdUt, double* speed = nullptr) const;
    CalcValue CalcTropicalLongitude(int body, const EphemerisMoment& moment, double* speed = nullptr) const;
    // An ayanamsa's anchor star (the library's name; with the true-position bit when `truePosition`) at a
    // UT Julian day, in the frame and options of CalcTropicalLongitude: tropical longitude and latitude,
    // degrees. Read at the same moment as a body, it shares the library's work on the Earth.
    CalcStatus CalcTropicalStar(const std::string& star, bool truePosition, double jdUt,
                                StarPlace& place) const;
    CalcStatus CalcTropicalStar(const std::string& star, bool truePosition, const EphemerisMoment& moment,
                                StarPlace& place) const;
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

    // --- Searches (chart_core_search.cpp) --------------------------------------------------------
    // Each starts at this record's instant and place, steps a probe through time with positions read
    // without speeds (Ketu as the node + 180) until the quantity crosses its target, then narrows the
    // crossing to a tenth of a second (a fifteenth for the lagna). The instant found is the first moment
    // at or past the crossing; it goes into `target` (this record's place and zone, bodies 0-12
    // calculated) and into the result. Each search is bounded: a body or relation that does not reach
    // its target within the longest time it could need gives SearchOutcome::kNotFound. Julian days are
    // UT; longitudes degrees in the chart's zodiac. `target` may be this record.
    //
    // One body A reaching target + separation, or (two-body flag) A - B reaching the separation.
    SearchResult FindLongitudeTime(CChartCore& target, const CLongitudeSearchRequest& request) const;
    // The instant FindLongitudeTime finds, without setting a record.
    SearchResult LocateLongitudeTime(const CLongitudeSearchRequest& request) const;
    // The same with the sum (A + B = separation) and midpoint (midpoint of A and B = separation)
    // relations; with one body, B is replaced by the target.
    SearchResult SearchLongitude(CChartCore& target, const CLongitudeSearch& search) const;
    // A + B = separation (one body: A + target = separation), searched with steps suited to sums.
    SearchResult SearchAngleTime(CChartCore& target, const CLongitudeSearchRequest& request) const;
    // The next (forward) or previous change of direction of body 0-12: `state` receives the new state,
    // the retrograde flag (Rahu: 1 when moving forward, 0 when backward). The instant is within one
    // second of the change, on its far side. Not found for bodies that do not station (the Sun, the
    // Moon, the lagna, Ketu, the mean node) and for none within 1000 days.
    SearchResult FindStation(CChartCore& target, int body, bool forward, std::uint8_t& state) const;
    // The stay of body 0-12 in sign 0-11 met first in the search direction: `start` the first instant
    // in the sign (this record's own instant when the body is in it already), `end` the first instant
    // out of it, both UT Julian days within one second of the boundary, in search order (backward,
    // `start` is the later). The result carries `start`.
    SearchResult FindBodyEntersDivision(int body, int sign, bool backward, double& start, double& end) const;
    // The first instant, from this record's own (forward, or back with `backward`), at which body 0-12
    // leaves the division of `width` degrees it stands in now (30: its sign; 13 deg 20': its
    // nakshatra) by either edge: forward past its end or back past its start, whichever comes first.
    // Narrowed to a tenth of a second; the instant is the first at or past the crossing (UT Julian day).
    SearchResult FindDivisionExit(int body, double width, bool backward) const;
    // The sign 0-11 of the Moon (read as a search step reads it) at the `end` that
    // FindBodyEntersDivision(body, sign, true, ...) finds for planet 1-9, decided from
    // tropical positions and a proven bound on their error, and only when that bound makes it certain;
    // nullopt otherwise (the caller then searches exactly). Certain means: the exact search's path
    // is pinned down to one crossing of the sign's edge, and the Moon keeps one sign over all the
    // moments that crossing may lie at.
    std::optional<int> CertainMoonSignAtLatestEntry(int body, int sign) const;
    // Where LocateLongitudeTime(SeparationRequest(kMoon, kSun, elongation, backward)) puts the lunation
    // next before (or after) this record's instant, found from tropical positions alone (the library's
    // Moon - Sun does not depend on the ayanamsa): a span of a fraction of a second the instant that
    // search gives certainly lies in, provided the library answers at the span's `beyondJdUt` too
    // (LunationPlacesAnswer: the caller asks). Nothing when the tropical elongation may differ from the
    // chart's (topocentric or refracted positions, the traditional model, a sidereal zodiac projected on
    // another plane), when the lunation lies too close to this instant to tell which it is, when a
    // position cannot be calculated here or where the quick steps look, or when they do not close in:
    // the caller then searches in the chart's zodiac. With the span, the tropical Moon at the last look.
    std::optional<LunationSpan> LocateLunationSpan(double elongation, bool backward) const;
    // The same for the lunation after (or before) the one whose instant lies in `known`: what
    // LocateLunationSpan gives for a record between the two lunations, farther from either than the
    // rounding of the elongation (1e-9 degree). No look at this record's own instant.
    std::optional<LunationSpan> LocateNeighbouringLunationSpan(const InstantSpan& known, double elongation,
                                                               bool backward) const;
    // True when the library gives the tropical Moon and Sun at a UT Julian day.
    bool LunationPlacesAnswer(double jdUt) const;
    // Replaces this record's 12 house cusps with those of the instant, searched backward from 0.0035
    // days after this record's instant, at which the lagna had the given longitude (degrees).
    SearchResult CalcAtTimeOffset(double lagnaLongitude);

    // --- Return charts and Pravesha moments (chart_core_returns.cpp) -----------------------------
    // The instant `years` years (fractional, may be negative) of a year kind (return_charts.h) after
    // this record's instant, into `target`. The searched kinds count the Sun's, the Moon's or the
    // Moon - Sun angle's own run from this record's instant and place (its positions need not be
    // calculated), seen without refraction so that the instant grows with the years. Day-count kinds
    // (0, 1, 2, 6) set only the target's date and time, the searched kinds also its positions.
    // `userDays` is the length of a year of kind 2.
    SearchResult FindReturnChart(double years, CChartCore& target, int yearKind, double userDays) const;
    // The same instant as a UT Julian day alone, no positions computed.
    SearchResult LocateReturn(double years, int yearKind, double userDays) const;
    SearchResult CastAnnualChart(double years, CChartCore& target, int yearKind) const;
    SearchResult FindSiderealSolarReturn(double years, CChartCore& target) const; // kind 3
    SearchResult FindTithiReturn(double years, CChartCore& target) const;         // kind 4
    SearchResult FindMoonReturn(double years, CChartCore& target) const;          // kind 5
    SearchResult FindTropicalSolarReturn(double years, CChartCore& target) const; // kind 7
    // The Pravesha instant of the kind g_nTithiPraveshaKind from this record's instant, forward or
    // backward: Moon - Sun = a - b (Tithi), Moon = a (Nakshatra) or Moon + Sun = a + b (Yoga); a and b
    // in degrees. `month` receives its lunar month 0-11 by g_nLunarYrDef (left alone for other values).
    SearchResult FindPraveshaMoment(double a, double b, bool backward, int& month, CChartCore& target) const;

    // --- Record ----------------------------------------------------------------------------------
    CLocalDateTime m_dateTime;                      // local civil date, time of day, zone (positive west)
    CDmsAngle m_longitude;                          // geographic longitude, degrees, positive WEST
    CDmsAngle m_latitude;                           // geographic latitude, degrees, positive NORTH
    double m_dAltitude = 0.0;                       // metres above sea level
    double m_dPressure = kDefaultAirPressure;       // mbar (refraction only)
    double m_dTemperature = kDefaultAirTemperature; // degrees Celsius (refraction only)
    int m_nGender = 0;                              // kept with the chart file; not used by the calculation
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
    // Flags for a position seen from this record's place (SetTopocentric, which hands the place to the
    // library when topocentric positions are on), with the sidereal bit unless the ayanamsa is an own value.
    std::int32_t PlaceFlags() const;
    // PlaceFlags without the sidereal and speed bits, on the mean equinox of date.
    std::int32_t TropicalFlags() const;
    CalcStatus CalcMomentAyanamsa(double jdUt, std::int32_t flags, AyanamsaUse use, MomentAyanamsa& moment);
    CalcValue CalcEphemerisLagna(double jdUt, bool full);
    // With `speed`, also the motion in longitude (the flags then carry the speed bit).
    CalcValue CalcEphemerisBody(int body, double jdUt, std::int32_t flags, std::uint8_t& retrograde,
                                bool full, const MomentAyanamsa& moment, double* speed = nullptr);
    double CalcTraditionalLagna(double jdUt, const MomentAyanamsa& moment);
    double CalcTraditionalBody(int body, std::uint8_t& retrograde, bool full, const MomentAyanamsa& moment);
    void CopyPlaceAndMoment(const CChartCore& source);
    // What CalcPlanets writes, from a record calculated for the same moment, place and options.
    void TakePositions(const CChartCore& source);
    // Longitude and latitude (re-split), altitude, pressure and temperature.
    void CopyPlace(const CChartCore& source);
    // The instant of a search, without delivering it into a record (chart_core_search.cpp).
    SearchResult LocateLongitude(const CLongitudeSearch& search) const;
    SearchResult LocateAngle(const CLongitudeSearchRequest& request) const;
    double LongitudeEast() const { return -m_longitude.m_dValue; }
};
