// The special lagnas (bodies 13-21): points that move on with the ghatis since sunrise, and those drawn
// from the Moon, the lagna and Rahu.
#include "chart/chart.h"
#include "core/angle_math.h"
#include "core/computed_bodies.h"
#include "core/planet_tables.h"
#include "core/sign_arithmetic.h"

namespace {

// Rays (kalas) of the planets Sun .. Saturn for the Indu Lagna, by body number (index 0 unused).
constexpr int kInduRays[8] = {0, 30, 16, 6, 8, 10, 12, 1};

// Degrees added to the Sun for the Pranapada Lagna by the nature of the Sun's sign: movable, fixed, dual.
constexpr double kPranapadaOffset[3] = {0.0, 240.0, 120.0};

} // namespace

void CChart::ComputeSpecialLagnas() {
    const double g = m_sunriseFrame.m_dGhatisSinceStart;
    const CRasiLongitude& sun = m_bodies[kSun];
    const double moon = m_bodies[kMoon].m_dLongitude;
    const double lagna = m_bodies[kLagna].m_dLongitude;
    const double base = g_bContinuousSpecialLagnas ? sun.m_dLongitude : m_sunAtSunrise.m_dLongitude;

    auto set = [this](int body, double longitude) {
        m_bodies[body].m_dLongitude = longitude;
        m_bodies[body].SplitLongitude();
    };
    set(kBhavaLagna, base + 6.0 * g);  // a sign every 5 ghatis
    set(kHoraLagna, base + 12.0 * g);  // a sign every 2.5 ghatis
    set(kGhatiLagna, base + 30.0 * g); // a sign every ghati
    set(kVighatiLagna, base + 120.0 * g);
    set(kPranapadaLagna, sun.m_dLongitude + kPranapadaOffset[sun.m_nSign % 3] + 120.0 * g);

    // The Sree Lagna moves from the lagna a full circle for each nakshatra the Moon has passed through.
    const double moonNakshatra = static_cast<int>(moon / kNakshatraSpan);
    const double nakshatraPassed = (moon - moonNakshatra * kNakshatraSpan) * kNakshatrasPerDegree;
    set(kSreeLagna, lagna + 360.0 * nakshatraPassed);

    const int ninthFromLagna = SignFrom(m_bodies[kLagna].m_nSign, 8);
    const int ninthFromMoon = SignFrom(m_bodies[kMoon].m_nSign, 8);
    const int rays = kInduRays[kPlainSignLords[ninthFromLagna]] + kInduRays[kPlainSignLords[ninthFromMoon]];
    set(kInduLagna, moon + 30.0 * (rays - 1)); // counted from the Moon, remainder by 12 signs

    set(kBhriguBindu, AngleMidpoint(moon, m_bodies[kRahu].m_dLongitude, 0.0));
    set(kKunda, lagna * 81.0);
}
