#include "core/option_snapshot.h"

COptionSnapshot::COptionSnapshot() {
#define TAKE_OPTION(layer, section, form, type, name, ...) OPTION_OF_LAYER(layer, Core, name = ::name;)
    OPTION_TABLE(TAKE_OPTION)
#undef TAKE_OPTION
    GetAyanamsaSettings(m_ayanamsa);
    m_customDivision = g_nCustDivSettings;
}

void COptionSnapshot::Restore() const {
#define PUT_BACK_OPTION(layer, section, form, type, name, ...) OPTION_OF_LAYER(layer, Core, ::name = name;)
    OPTION_TABLE(PUT_BACK_OPTION)
#undef PUT_BACK_OPTION
    SetAyanamsaSettings(m_ayanamsa);
    g_nCustDivSettings = m_customDivision;
}
