#pragma once
// Temporary changes of every option the document reads: the core's (core/option_snapshot.h) and the
// Document rows of the option table, the dasa state among them. Tests and comparison runs take one
// CScopedDocumentOptions and may change any of them: all come back when it goes.
#include "core/option_snapshot.h"
#include "document/document_options.h"

// The values of every option the core and the document hold.
class CDocumentOptionSnapshot {
public:
    CDocumentOptionSnapshot(); // the values in force now
    // Puts the values back; the ayanamsa choice goes back to the ephemeris library too.
    void Restore() const;

private:
    COptionSnapshot m_core;
#define SNAPSHOT_MEMBER(layer, section, form, type, name, ...) OPTION_OF_LAYER(layer, Document, type name;)
    OPTION_TABLE(SNAPSHOT_MEMBER)
#undef SNAPSHOT_MEMBER
};

using CScopedDocumentOptions = CScopedSnapshot<CDocumentOptionSnapshot>;
