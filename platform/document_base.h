#pragma once
// The document side of the document/view framework, without any window: a document knows its file,
// its title, whether it holds unsaved changes, and the views that show it, which it tells to update.
// Views register themselves and leave when destroyed, so the document never calls a dead view.
#include <memory>
#include <string>
#include <vector>

#include "core/whole_file.h"
#include "platform/archive.h"

class CDocument;

// What a document knows of a view that shows it.
class CDocumentView {
public:
    CDocumentView() = default;
    CDocumentView(const CDocumentView&) = delete;
    CDocumentView& operator=(const CDocumentView&) = delete;
    // Leaves its document.
    virtual ~CDocumentView();

    // The document changed: `sender` is the view that made the change (null when the document did),
    // `hint` says what changed, 0 = everything.
    virtual void OnUpdate(CDocumentView* sender, long hint) = 0;

    CDocument* GetDocument() const { return m_pDocument; }

private:
    friend class CDocument;
    CDocument* m_pDocument = nullptr;
};

// A document made shared (the period-entry documents that their windows keep alive) hands its further
// windows a share through weak_from_this; any other document's is empty.
class CDocument : public std::enable_shared_from_this<CDocument> {
public:
    CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;
    // Its views stay, without a document.
    virtual ~CDocument();

    // --- Views ----------------------------------------------------------------------------------
    // Registers the view (taking it from the document it showed before, if any).
    void AddView(CDocumentView& view);
    void RemoveView(CDocumentView& view);
    // Tells every registered view but `sender` to update, in the order they were added.
    void UpdateAllViews(CDocumentView* sender, long hint = 0);

    // --- File and title -------------------------------------------------------------------------
    const std::string& GetPathName() const { return m_strPathName; }
    // The path of the document's file; the title becomes the file's name.
    void SetPathName(const std::string& path);
    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(const std::string& title) { m_strTitle = title; }

    virtual bool IsModified() const { return m_bModified; }
    virtual void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    // --- Commands of the framework --------------------------------------------------------------
    // File > New: no path, title "Untitled", not modified. A derived document fills its contents after
    // calling this; false when it cannot.
    virtual bool OnNewDocument();
    // The framework's File > New: OnNewDocument, then every view updated once when it succeeded.
    bool NewDocument();
    // File > Open: reads the file whole, hands it to Serialize, and on success takes the path, clears
    // the modified flag and updates every view once. On failure the document is as Serialize left it
    // (Serialize keeps its contents when it refuses a file) and the status names the file and the fault.
    // A file larger than FileLimit is refused before it is read.
    DocumentStatus OnOpenDocument(const std::string& path);
    // File > Save: Serialize into an archive, then the file written whole (a temporary file renamed
    // over it), so a failed save leaves the previous file as it was. On success takes the path and
    // clears the modified flag.
    DocumentStatus OnSaveDocument(const std::string& path);

    // Reads the document from a loading archive or writes it into a storing one.
    virtual DocumentStatus Serialize(CArchive& archive) = 0;
    // The most the document's file may hold, far above any real one.
    virtual FileSizeLimit FileLimit() const = 0;

private:
    std::vector<CDocumentView*> m_views;
    std::string m_strPathName;
    std::string m_strTitle = "Untitled";
    bool m_bModified = false;
};
