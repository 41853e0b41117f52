#pragma once
// CDasaPeriod: one listed period of a dasa tree. A listing keeps its bounds as UT Julian days and its
// lords' names where the name tables hold them; the local moments and the texts are made when read, so a
// listing nobody shows costs its arithmetic only.
#include <array>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>

#include "core/angle_time.h"

// A bound not found (a listing cut where a moment lies beyond the ephemeris).
inline constexpr double kNoBound = std::numeric_limits<double>::quiet_NaN();

struct CDasaPeriod {
    bool bPlanet = false;       // the lord is a body (else a sign); left alone when label tables name it
    int nLord = 0;              // lord index of the first sequence
    double dStartJd = kNoBound; // UT Julian days of start and end
    double dEndJd = kNoBound;
    CHmsTime zone;      // the birth place's zone, split: the bounds are shown in its local time
    bool bAmPm = false; // the clock style the period was listed in (TimeDisplayWithAmPm then)

    // The bounds in the birth place's local time (a fresh moment in the zone for a bound not found).
    CLocalDateTime Start() const;
    CLocalDateTime End() const;
    // Their texts: dates "%4d-%02d-%02d"; times "%d:%02d:%02d", or with am/pm in the am/pm style; none
    // for a bound not found.
    std::string StartDate() const;
    std::string StartTime() const;
    std::string EndDate() const;
    std::string EndTime() const;

    // The name: one lord, two or three joined by ":", or a label with a second in brackets; the periods
    // of a chain above the listed level end with their level (" MD").
    std::string Name() const;
    // Names the period by its lords' names, texts of static storage (the name tables), joined when read.
    // `second` and `third` may be null.
    void NameByLords(const char* first, const char* second, const char* third);
    // Names the period by a text, or by the pieces joined (label tables).
    void NameByText(std::string_view text);
    void NameByText(std::initializer_list<std::string_view> pieces);
    // Ends the name with a level's mark, a text of static storage.
    void MarkLevel(const char* suffix);

private:
    std::array<const char*, 3> m_lordNames{}; // none: the name is m_text
    const char* m_levelMark = nullptr;
    std::string m_text;
};
