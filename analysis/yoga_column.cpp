// The yoga testers' reading of a chart in one varga column.
#include "analysis/yoga_column.h"

bool YogaColumn::IsInFriendlySign(int planet) const {
    if (IsOwnOrExalted(planet)) return true;
    const int dispositor = LordOf(Sign(planet));
    if (g_nNaturalRelation[planet - 1][dispositor - 1] == 2) return true; // natural friend
    const int compound = m_chart.CompoundRelation(m_column, planet, dispositor);
    return compound == 1 || compound == 2; // great friend or friend
}
