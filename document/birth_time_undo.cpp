#include "document/birth_time_undo.h"

CBirthTimeUndo g_birthTimeUndo;

void CBirthTimeUndo::Push(double jdUt) {
    if (Count() == kCapacity) m_moments.pop_front();
    m_moments.push_back(jdUt);
}
