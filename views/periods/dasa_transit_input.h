#pragma once
// What the dasa page hands to the dasa-transit correlation window: one period's span, its label and
// the sign from which the houses are counted. Process-wide, written just before the window opens.
#include <string>

#include "core/angle_time.h"

class CChart;

struct CDasaTransitInput {
    CLocalDateTime start; // the period's start and end, local time of the birth place
    CLocalDateTime end;
    std::string label; // "Ketu-Venus AD"
    int sign = 0;      // 0 Aries .. 11 Pisces
    bool bNew = false; // set by the dasa page, cleared once the window has computed its listing
};
extern CDasaTransitInput g_dasaTransitInput;
// The own name of the period last picked on a dasa page ("Venus", "Ar", "Ketu (Aswini)").
extern std::string g_strPickedPeriodName;

// The sign a dasa period stands for: a sign lord is the sign itself, a body lord (1 Sun .. 9 Ketu) the
// sign it occupies in the rasi chart of `chart`. Periods named by labels are read by the first word of
// `name`, looked up in the sign names, then in the body names. -1 when the period names neither.
int DasaPeriodSign(bool lordIsBody, int lord, bool namedByLabels, const std::string& name,
                   const CChart& chart);
