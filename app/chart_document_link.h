#pragma once
// Joins the one chart document to the main window: the chart views read its charts, the frame's title
// follows its title, and every pane hears when it changes.
#include <string>

#include "platform/document_base.h"

class CMainFrame;
class CTavroDoc;

// The chart views' source of charts, mode, recalculation and file name becomes `document`, and a
// change of tab reaches it (the dasa of the dasa page brought to the front, every view updated).
void ConnectDocument(CTavroDoc& document);
// Leaves the views and tabs without a document again (before the document goes away).
void DisconnectDocument();

// The caption of the main window for a document titled `title`.
std::string FrameTitle(const std::string& title);

// Registered with the document: keeps the frame's title and the chart views (which do not register
// themselves) up to date with it, and lets extra frames update every view of the document.
class CFrameDocumentLink : public CDocumentView {
public:
    CFrameDocumentLink(CMainFrame& frame, CTavroDoc& document);
    ~CFrameDocumentLink() override;
    void OnUpdate(CDocumentView* sender, long hint) override;

private:
    CMainFrame& m_frame;
};
