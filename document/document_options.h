#pragma once
// The options of the document and its dasa systems: the Document rows of the option table
// (core/option_table.h), process-wide globals named after their preference-file keys. The shell's
// preference file loads and saves them; the document only reads them.
#include "core/calc_options.h"

#define DECLARE_DOCUMENT_OPTION(layer, section, form, type, name, ...)                                       \
    OPTION_OF_LAYER(layer, Document, extern type name;)
OPTION_TABLE(DECLARE_DOCUMENT_OPTION)
#undef DECLARE_DOCUMENT_OPTION
