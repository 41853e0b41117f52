#pragma once
// A search step's sidereal longitude read from the library's tropical one on the mean equinox of date
// (CChartCore::CalcTropicalLongitude), at a third of the cost: the library's sidereal positions
// leave nutation out too, so sidereal = tropical - offset, where the offset is the same for every body at
// a moment and moves with the precession (plus an anchor star's own motion). Measured exactly at an
// anchor moment and carried on at the precession rate, it strays from the true offset by at most Error.
// Degrees; Julian days UT.

// True for the library's plain sidereal modes (0-255). The option bits above (SE_SIDBIT_ECL_T0,
// SE_SIDBIT_SSY_PLANE ...) project the zodiac on another plane: the offset then differs from body to
// body, and Moon - Sun turns by up to 0.16 degree.
bool IsPlainSiderealMode(int siderealMode);

// True when the calculation options make the reading hold within its bound: the library's sidereal
// zodiac on the ecliptic of date, less a star correction, seen from the Earth's centre. Not for the
// own-value ayanamsas (tropical, Chandra Hari, Surya Siddhanta), the custom star (any star, however far
// from the ecliptic), the projected sidereal modes, the traditional model, topocentric or refracted places.
bool ZodiacOffsetHolds();

// General precession in longitude at a UT Julian day, degrees a day (IAU 2006).
double GeneralPrecessionRate(double jdUt);

class ZodiacOffsetLine {
public:
    // Within this span of the anchor the bound holds, days.
    static constexpr double kSpanDays = 3652.5;

    // `offset`: tropical less sidereal at `anchorJdUt`, degrees.
    ZodiacOffsetLine(double anchorJdUt, double offset);
    // The sidereal longitude [0, 360) of a tropical one (mean equinox of date) at a moment.
    double Sidereal(double tropical, double jdUt) const;
    double Rate() const { return m_rate; } // the offset's motion, degrees a day
    // How far Sidereal may lie from the search step's exact longitude at a moment within kSpanDays of
    // the anchor, degrees.
    double Error(double jdUt) const;
    // How far a tropical speed less Rate may lie from the exact sidereal speed, degrees a day.
    double SpeedError() const;

private:
    double m_anchor;
    double m_offset;
    double m_rate;
    bool m_apparent; // apparent places: an anchor star's annual aberration enters the offset
};
