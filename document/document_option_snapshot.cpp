#include "document/document_option_snapshot.h"

CDocumentOptionSnapshot::CDocumentOptionSnapshot() {
#define TAKE_OPTION(layer, section, form, type, name, ...) OPTION_OF_LAYER(layer, Document, name = ::name;)
    OPTION_TABLE(TAKE_OPTION)
#undef TAKE_OPTION
}

void CDocumentOptionSnapshot::Restore() const {
    m_core.Restore();
#define PUT_BACK_OPTION(layer, section, form, type, name, ...)                                               \
    OPTION_OF_LAYER(layer, Document, ::name = name;)
    OPTION_TABLE(PUT_BACK_OPTION)
#undef PUT_BACK_OPTION
}
