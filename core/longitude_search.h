#pragma once
// Requests and outcomes of the searches for an instant: a body reaching a longitude, two bodies reaching
// a separation (difference), a sum or a midpoint. The searches themselves are members of CChartCore
// (chart_core_search.cpp). Longitudes and separations are degrees in the chart's zodiac (sidereal in
// the chosen ayanamsa); instants are Julian days (UT).
#include <cstdint>
#include <string>

#include "core/calc_status.h"

// What a caller fills to find an instant.
struct CLongitudeSearchRequest {
    int m_nBodyA = 0;             // body number 0-12
    int m_nBodyB = 0;             // second body of a two-body search, 0-9 (ignored otherwise)
    double m_dTarget = 0.0;       // degrees: the longitude body A must reach in a one-body search
    double m_dSeparation = 0.0;   // degrees: angle of the two-body relation; one body: added to the target
    std::uint8_t m_bTwoBody = 0;  // 1: search a relation of bodies A and B
    std::uint8_t m_bBackward = 0; // 1: search back in time
};

// A two-body request: the moment at which A - B = separation (degrees), forward or back in time.
inline CLongitudeSearchRequest SeparationRequest(int bodyA, int bodyB, double separation, bool backward) {
    CLongitudeSearchRequest request;
    request.m_nBodyA = bodyA;
    request.m_nBodyB = bodyB;
    request.m_dSeparation = separation;
    request.m_bTwoBody = 1;
    request.m_bBackward = backward ? 1 : 0;
    return request;
}

// The request as CChartCore::SearchLongitude takes it, with the kind of two-body relation.
struct CLongitudeSearch {
    int m_nBodyA = 0;
    int m_nBodyB = 0;
    double m_dTarget = 0.0;
    double m_dSeparation = 0.0;
    std::uint8_t m_bTwoBody = 0;
    std::uint8_t m_bSum = 0;      // A + B = separation
    std::uint8_t m_bMidpoint = 0; // the midpoint of A and B = separation
    std::uint8_t m_bBackward = 0;
};

// The quantities a search drives through 0: each takes two longitudes x and y and a signed separation
// c (degrees) and returns degrees in [0, 360).
double SearchValueDifference(double x, double y, double c); // x - (y + c)
double SearchValueSum(double x, double y, double c);        // x + (y + c)
double SearchValueMidpoint(double x, double y, double c);   // y + ((x - y) in [0, 360)) / 2 + c

enum class SearchOutcome {
    kFound,
    kNotFound, // the body or relation does not reach the target within the span searched: a normal answer
    kFailed, // a position could not be calculated (moment outside the ephemeris...) or the request is invalid
};

// What a search reports. Every search is bounded in steps and in time span, so "not found" is a real
// outcome the caller must handle.
struct [[nodiscard]] SearchResult {
    SearchOutcome outcome = SearchOutcome::kNotFound;
    double jdUt = 0.0; // the instant found (UT Julian day); meaningful only when found()
    CalcStatus status; // empty when found; otherwise the message for the user

    bool found() const { return outcome == SearchOutcome::kFound; }
    static SearchResult Found(double jdUt) { return {SearchOutcome::kFound, jdUt, {}}; }
    static SearchResult NotFound();
    static SearchResult Failed(CalcStatus status);
    static SearchResult Invalid(const std::string& message); // a request no search can answer
};

// The UT Julian days an instant certainly lies between, `early` <= `late`.
struct InstantSpan {
    double early = 0.0;
    double late = 0.0;
};

// A lunation's span (CChartCore::LocateLunationSpan) with the tropical Moon (mean equinox of date,
// degrees) at the last moment looked at, a UT Julian day near the span, and the farthest moment the
// search in the chart's zodiac looks at past the lunation (UT Julian day).
struct LunationSpan : InstantSpan {
    double lookJdUt = 0.0;
    double tropicalMoon = 0.0;
    double beyondJdUt = 0.0;
};
