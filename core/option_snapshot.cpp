#include "core/option_snapshot.h"

#include <algorithm>
#include <iterator>

COptionSnapshot::COptionSnapshot() {
#define TAKE_OPTION(layer, section, form, type, name, ...) OPTION_OF_LAYER(layer, Core, name = ::name;)
    OPTION_TABLE(TAKE_OPTION)
#undef TAKE_OPTION
    GetAyanamsaSettings(m_ayanamsa);
    m_customDivision = g_nCustDivSettings;
    std::copy(std::begin(g_vargaNames), std::end(g_vargaNames), m_vargaNames.begin());
    std::copy(std::begin(g_strVargaLabels), std::end(g_strVargaLabels), m_vargaLabels.begin());
    std::copy(std::begin(g_vargaTitles), std::end(g_vargaTitles), m_vargaTitles.begin());
}

void COptionSnapshot::Restore() const {
#define PUT_BACK_OPTION(layer, section, form, type, name, ...) OPTION_OF_LAYER(layer, Core, ::name = name;)
    OPTION_TABLE(PUT_BACK_OPTION)
#undef PUT_BACK_OPTION
    SetAyanamsaSettings(m_ayanamsa);
    g_nCustDivSettings = m_customDivision;
    std::copy(m_vargaNames.begin(), m_vargaNames.end(), std::begin(g_vargaNames));
    std::copy(m_vargaLabels.begin(), m_vargaLabels.end(), std::begin(g_strVargaLabels));
    std::copy(m_vargaTitles.begin(), m_vargaTitles.end(), std::begin(g_vargaTitles));
}
