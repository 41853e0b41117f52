#include "document/birth_time_undo.h"

CBirthTimeUndo g_birthTimeUndo;

void CBirthTimeUndo::Push(double jdUt) {
    if (Count() == kCapacity) m_moments.erase(m_moments.begin() + 1);
    m_moments.push_back(jdUt);
}
