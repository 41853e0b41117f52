// Eclipse searches, their chart titles and contact texts.
#include "document/eclipse_search.h"

#include <swephexp.h>

#include <utility>
#include <vector>

#include "core/chart_core.h"
#include "core/chart_helpers.h"
#include "core/ephemeris_flags.h"

namespace {

// The library marks a contact the eclipse does not have with 0 (or a time beyond any ephemeris).
constexpr double kNoContactLimit = 1e12;

using ContactLabels = std::vector<std::pair<int, const char*>>;

// What differs by kind: the contact a chart cast at the start of the eclipse takes, and the contacts
// listed, in the order the form shows them, with their labels.
struct EclipseKindRules {
    int startContact;
    ContactLabels labels;
};

const EclipseKindRules& RulesOf(EclipseKind kind) {
    static const EclipseKindRules lunar = {kLunarPenumbralStart,
                                           {{6, "Start of penumbral phase: "},
                                            {2, "Start of partial phase: "},
                                            {4, "Start of totality: "},
                                            {0, "Maximum eclipse point: "},
                                            {5, "End of totality: "},
                                            {3, "End of partial phase: "},
                                            {7, "End of penumbral phase: "}}};
    static const EclipseKindRules global = {kSolarGlobalStart,
                                            {{2, "Start of eclipse: "},
                                             {4, "Start of annularity/totality: "},
                                             {0, "Maximum eclipse point: "},
                                             {5, "End of annularity/totality: "},
                                             {3, "End of eclipse: "},
                                             {6, "Start of eclipse on central line: "},
                                             {7, "End of eclipse on central line: "}}};
    static const EclipseKindRules local = {kSolarLocalFirstContact,
                                           {{1, "Start of eclipse: "},
                                            {2, "Start of annularity/totality: "},
                                            {0, "Maximum eclipse point: "},
                                            {3, "End of annularity/totality: "},
                                            {4, "End of eclipse: "}}};
    if (kind == EclipseKind::kLunar) return lunar;
    return kind == EclipseKind::kSolarGlobal ? global : local;
}

} // namespace

EclipseFound FindEclipse(EclipseKind kind, double jdUt, const CChartCore& place, bool backward) {
    const double east = -place.m_longitude.m_dValue;
    const double latitude = place.m_latitude.m_dValue;
    const std::int32_t flags = SetTopocentric(east, latitude, place.m_dAltitude);
    EclipseFound found;
    char error[AS_MAXCH] = "";
    std::int32_t type = 0;
    switch (kind) {
    case EclipseKind::kLunar:
        type = swe_lun_eclipse_when(jdUt, flags, 0, found.contacts.data(), backward, error);
        break;
    case EclipseKind::kSolarGlobal:
        type = swe_sol_eclipse_when_glob(jdUt, flags, 0, found.contacts.data(), backward, error);
        break;
    case EclipseKind::kSolarLocal: {
        double geopos[3] = {east, latitude, place.m_dAltitude};
        double attributes[20] = {};
        type =
            swe_sol_eclipse_when_loc(jdUt, flags, geopos, found.contacts.data(), attributes, backward, error);
        break;
    }
    }
    if (type <= 0) {
        found.status =
            CalcStatus::Failure(error[0] != '\0' ? std::string(error)
                                                 : std::string("No eclipse was found within the ephemeris."));
        return found;
    }
    found.type = type;
    return found;
}

int EclipseChartContact(EclipseKind kind, bool atStart) {
    return atStart ? RulesOf(kind).startContact : kContactMaximum;
}

std::string EclipseTitle(EclipseKind kind, int type) {
    if (kind == EclipseKind::kLunar) {
        if (type & kEclipseTotal) return "Tot Lun Ecli";
        if (type & kEclipsePenumbral) return "Pen Lun Ecli";
        if (type & kEclipsePartial) return "Part Lun Ecli";
        return {};
    }
    if (type & kEclipseTotal)
        return kind == EclipseKind::kSolarGlobal ? "Tot Solar Ecli" : "Total Solar Ecli";
    if (type & kEclipseAnnular) return "Annular Solar Ecli";
    if (type & kEclipsePartial) return "Part Solar Ecli";
    if (type & kEclipseAnnularTotal) return "Ann Tot S.Ecli";
    return {};
}

std::string EclipseContactText(EclipseKind kind, const EclipseFound& eclipse, double zoneHours, bool amPm) {
    std::string text;
    for (const auto& [index, label] : RulesOf(kind).labels) {
        const double jd = eclipse.contacts[index];
        if (jd == 0.0 || jd >= kNoContactLimit) continue;
        CChartCore moment;
        moment.m_dateTime.m_zone.m_dHours = zoneHours;
        moment.m_dateTime.m_zone.SplitHours();
        moment.JulianDayToDate(jd, moment);
        text += "    ";
        text += label;
        text += FormatDateWithMonth(moment.m_dateTime, amPm);
        text += "    \n";
    }
    return text;
}
