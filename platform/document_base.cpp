#include "platform/document_base.h"

#include <algorithm>
#include <filesystem>

#include "core/whole_file.h"

CDocumentView::~CDocumentView() {
    if (m_pDocument) m_pDocument->RemoveView(*this);
}

CDocument::~CDocument() {
    for (CDocumentView* view : m_views) view->m_pDocument = nullptr;
}

void CDocument::AddView(CDocumentView& view) {
    if (view.m_pDocument == this) return;
    if (view.m_pDocument) view.m_pDocument->RemoveView(view);
    m_views.push_back(&view);
    view.m_pDocument = this;
}

void CDocument::RemoveView(CDocumentView& view) {
    const auto it = std::find(m_views.begin(), m_views.end(), &view);
    if (it == m_views.end()) return;
    m_views.erase(it);
    view.m_pDocument = nullptr;
}

void CDocument::UpdateAllViews(CDocumentView* sender, long hint) {
    // A view may add or remove views while it updates; those take part from the next update on. A
    // shared document whose last window closes meanwhile lives until the round is over.
    const std::shared_ptr<CDocument> keepAlive = weak_from_this().lock();
    const std::vector<CDocumentView*> views = m_views;
    for (CDocumentView* view : views) {
        if (view == sender) continue;
        if (std::find(m_views.begin(), m_views.end(), view) == m_views.end()) continue;
        view->OnUpdate(sender, hint);
    }
}

void CDocument::SetPathName(const std::string& path) {
    m_strPathName = path;
    m_strTitle = std::filesystem::path(path).filename().string();
}

bool CDocument::OnNewDocument() {
    m_strPathName.clear();
    m_strTitle = "Untitled";
    m_bModified = false;
    return true;
}

bool CDocument::NewDocument() {
    if (!OnNewDocument()) return false;
    UpdateAllViews(nullptr);
    return true;
}

DocumentStatus CDocument::OnOpenDocument(const std::string& path) {
    FileReadResult read = ReadFileWhole(path, FileLimit());
    if (read.outcome != FileReadResult::Outcome::kRead) return DocumentStatus::Failure(read.message);
    CArchive archive = CArchive::ForLoading(std::move(read.text), path);
    if (DocumentStatus status = Serialize(archive); !status.ok()) return status;
    SetPathName(path);
    SetModifiedFlag(false);
    UpdateAllViews(nullptr);
    return {};
}

DocumentStatus CDocument::OnSaveDocument(const std::string& path) {
    CArchive archive = CArchive::ForStoring(path);
    if (DocumentStatus status = Serialize(archive); !status.ok()) return status;
    const FileWriteResult written = WriteFileWhole(path, archive.Bytes());
    if (!written.ok) return DocumentStatus::Failure(written.message);
    SetPathName(path);
    SetModifiedFlag(false);
    return {};
}
