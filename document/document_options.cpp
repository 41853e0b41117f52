#include "document/document_options.h"

#define DEFINE_DOCUMENT_OPTION(layer, section, form, type, name, start, ...)                                 \
    OPTION_OF_LAYER(layer, Document, type name = StartValue<type>(start);)
OPTION_TABLE(DEFINE_DOCUMENT_OPTION)
#undef DEFINE_DOCUMENT_OPTION
