#include "analysis/yoga_list.h"

// The yoga testers are not written yet: every run leaves the list empty.
void CYogaList::FindAllYogas(const CChart& /*chart*/, int /*category*/) {
    m_nCount = 0;
}
