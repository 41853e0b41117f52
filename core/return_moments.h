#pragma once
// CReturnMoments: the moments of many numbers of years of one year kind after one origin, such as a
// dasa's period bounds, each as CChartCore::LocateReturn finds it but in a few readings. A searched
// kind's moment starts from the moments already found whose quantity stood nearest the target's phase,
// carried on at the mean rate for whole turns and along their speeds for the rest (the Sun's, where those
// lie far or on one side only, along its orbit from the moment nearest in time); Newton steps on the
// quantity's speed (year_quantity_reading.h) finish it where a reading finds it within the tolerance:
// mostly two readings, the second close to the moment and carrying the star. Where the speeds do not bound
// the quantity (topocentric places, the traditional model) or the steps do not close in, the moment is
// LocateReturn's own.
#include <map>
#include <optional>
#include <vector>

#include "core/chart_core.h"
#include "core/longitude_search.h"
#include "core/year_quantity.h"
#include "core/year_quantity_reading.h"

class CReturnMoments {
public:
    // `origin`: the record the years are counted from (its moment and place; its positions need not be
    // calculated); year kinds as LocateReturn takes them, `userDays` the length of a year of kind 2.
    CReturnMoments(const CChartCore& origin, int yearKind, double userDays);

    // The UT Julian day `years` years (fractional, may be negative) after the origin: a counted kind's
    // exactly as LocateReturn gives it, a searched kind's within a hundredth of a second of the moment
    // the quantity reaches its target (LocateReturn's lies within a tenth). The same years give the
    // same moment again.
    SearchResult Locate(double years);

private:
    // A moment found: UT Julian day, and the quantity's speed there, degrees a day.
    struct Known {
        double jdUt = 0.0;
        double speed = 0.0;
    };
    // A known moment with its years and its phase: the quantity's run from the origin to it, reduced to
    // [0, 360) degrees.
    struct KnownPhase {
        double degrees = 0.0;
        double years = 0.0;
        Known known;
    };

    void Remember(double years, const Known& known);
    // The first guess at the moment from the known moments (at least one).
    double FirstGuess(double years) const;
    // The Sun's moment guessed along its orbit from the known moment nearest in years.
    double OrbitGuess(double years) const;
    // The moment by Newton steps from the first guess; nothing when a reading fails or the steps do not
    // close in.
    std::optional<double> Step(double years);

    CChartCore m_probe; // the origin, read at other moments
    int m_kind;
    double m_userDays;
    YearQuantity m_quantity;
    double m_originJd; // UT
    bool m_originRead = false;
    double m_originValue = 0.0;        // the quantity at the origin, degrees
    std::map<double, Known> m_known;   // by years
    std::vector<KnownPhase> m_byPhase; // the same moments, by phase
};
