// The Yogi and Avayogi points (bodies 45 and 46) and their lords.
#include "chart/chart.h"
#include "core/angle_math.h"
#include "core/computed_bodies.h"
#include "core/planet_tables.h"
#include "core/sign_arithmetic.h"

void CChart::ComputeYogiPoints() {
    // Yogi = Sun + Moon + 93 deg 20'; Avayogi 186 deg 40' further on.
    m_dYogiPoint = Reduce360(m_bodies[kMoon].m_dLongitude + m_bodies[kSun].m_dLongitude + 280.0 / 3.0);
    m_dAvayogiPoint = Reduce360(m_dYogiPoint + 560.0 / 3.0);
    m_nYogiPlanet = VimsottariLordOfNakshatra(NakshatraOfLongitude(m_dYogiPoint));
    m_nDuplicateYogi = kPlainSignLords[SignOfLongitude(m_dYogiPoint)];
    m_nAvayogiPlanet = VimsottariLordOfNakshatra(NakshatraOfLongitude(m_dAvayogiPoint));
    m_bodies[kYogiPoint].m_dLongitude = m_dYogiPoint;
    m_bodies[kYogiPoint].SplitLongitude();
    m_bodies[kAvayogiPoint].m_dLongitude = m_dAvayogiPoint;
    m_bodies[kAvayogiPoint].SplitLongitude();
}
