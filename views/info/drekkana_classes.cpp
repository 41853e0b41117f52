#include "views/info/drekkana_classes.h"

namespace {
// By sign Aries to Pisces, the first, second and third drekkana.
const char* const kClasses[36] = {
    "Ayudha (weapon), Kroora (cruel)",
    "Mriga (animal), Subha (auspicious)",
    "Ayudha (weapon), Misra (mixed)",
    "Agni (fire), Misra (mixed)",
    "Mriga (animal)",
    "-",
    "-",
    "Pakshi (bird)",
    "Ayudha (weapon)",
    "Chatushpada (quadruped)",
    "Sarpa (snake)",
    "Sarpa (snake)",
    "Chatushpada (quadruped), Kroora (cruel), Pakshi (bird)",
    "Ayudha (weapon)",
    "Ayudha (weapon), Kroora (cruel)",
    "Agni (fire)",
    "-",
    "-",
    "-",
    "Pakshi (bird)",
    "Ayudha (weapon), Chatushpada (quadruped)",
    "Sarpa (snake), Kroora (cruel)",
    "Sarpa (snake), Kroora (cruel)",
    "Chatushpada (quadruped), Kroora (cruel)",
    "Ayudha (weapon), Chatushpada (quadruped)",
    "-",
    "Ayudha (weapon)",
    "Nigala, Kroora (cruel), Chatushpada (quadruped)",
    "-",
    "Ayudha (weapon)",
    "Pakshi (bird), Kroora (cruel)",
    "Agni (fire)",
    "-",
    "-",
    "-",
    "Sarpa (snake)",
};
} // namespace

const char* DrekkanaClass(int index) {
    return index >= 0 && index < 36 ? kClasses[index] : "-";
}
