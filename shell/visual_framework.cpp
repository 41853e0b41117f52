#include "shell/visual_framework.h"

#include <algorithm>

#include "platform/frame_wnd.h"
#include "platform/splitter_wnd.h"
#include "shell/tab_wnd.h"

CVisualFramework* g_pVisualFramework = nullptr;
std::array<CVisualNode*, kNavHistorySize> g_navHistory = {};
int g_nNavCurrent = -1;
int g_nNavLast = -1;
int g_bNavigating = 0;

namespace {

int ViewKindOf(const std::string& className) {
    if (className.empty()) return kNodeInvalid;
    return IsTabWindowClass(className) ? kNodeTabWindow : kNodeViewTab;
}

bool IsContainer(const QWidget* wnd) {
    return dynamic_cast<const CTabWnd*>(wnd) || dynamic_cast<const CSplitterWnd*>(wnd);
}

} // namespace

CVisualNode::CVisualNode(unsigned id, std::string title, std::string className, unsigned flags)
    : m_nKind(ViewKindOf(className)), m_nId(id), m_strTitle(std::move(title)),
      m_className(std::move(className)), m_dwFlags(flags) {}

CVisualNode::CVisualNode(unsigned id, std::string title, int rows, int cols, unsigned flags)
    : m_nKind(kNodeSplitter), m_nId(id), m_strTitle(std::move(title)), m_nRows(rows), m_nCols(cols),
      m_dwFlags(flags) {}

CVisualNode::CVisualNode(unsigned id, int row, int col, std::string className, int width, int height,
                         unsigned flags)
    : m_nKind(className.empty() ? kNodeInvalid : kNodeViewInPane), m_nId(id), m_nRow(row), m_nCol(col),
      m_className(std::move(className)), m_nWidth(width), m_nHeight(height), m_dwFlags(flags) {}

CVisualNode::CVisualNode(unsigned id, int row, int col, int rows, int cols, unsigned flags)
    : m_nKind(kNodeSplitterInPane), m_nId(id), m_nRows(rows), m_nCols(cols), m_nRow(row), m_nCol(col),
      m_dwFlags(flags) {}

void CVisualNode::SelectInParentTab() {
    if (auto* tabs = dynamic_cast<CTabWnd*>(m_pOwner.data()))
        tabs->SetActiveTab(tabs->FindPage(m_pWnd), false);
}

std::string CVisualNode::DisplayName() const {
    return m_strTitle.empty() ? m_className : m_strTitle;
}

CVisualFramework::~CVisualFramework() {
    if (!m_nodes.empty() || !m_roots.empty()) Destroy();
    if (g_pVisualFramework == this) g_pVisualFramework = nullptr;
}

CVisualNode* CVisualFramework::AddRoot(std::unique_ptr<CVisualNode> node) {
    if (!node || m_nodes.count(node->m_nId)) return nullptr;
    CVisualNode* added = node.get();
    added->m_pFramework = this;
    m_roots.push_back(added);
    m_nodes.emplace(added->m_nId, std::move(node));
    return added;
}

CVisualNode* CVisualFramework::AddChild(CVisualNode* parent, std::unique_ptr<CVisualNode> node) {
    if (!parent || !node || m_nodes.count(node->m_nId)) return nullptr;
    CVisualNode* added = node.get();
    added->m_pParent = parent;
    added->m_pFramework = this;
    parent->m_children.push_back(added);
    m_nodes.emplace(added->m_nId, std::move(node));
    return added;
}

bool CVisualFramework::Create(CFrameWnd* frame, const CCreateContext* context) {
    m_pFrame = frame;
    m_failedNodes.clear();
    for (CVisualNode* root : m_roots) CreateNode(*root, frame, context);
    for (const auto& [id, node] : m_nodes)
        if (auto* view = dynamic_cast<CView*>(node->m_pWnd.data())) view->OnInitialUpdate();
    for (const auto& [id, node] : m_nodes)
        if (node->m_pWnd && !IsContainer(node->m_pWnd)) {
            ActivateNode(node.get());
            break;
        }
    return m_failedNodes.empty();
}

bool CVisualFramework::CreateNode(CVisualNode& node, QWidget* parent, const CCreateContext* context) {
    if (!CreateWindowOf(node, parent, context) || !node.m_pWnd) {
        // The rest of the window opens without this node and what it holds.
        m_failedNodes.push_back(node.DisplayName());
        return false;
    }
    node.m_pOwner = parent;
    ApplyFlags(node);
    for (CVisualNode* child : node.m_children) CreateNode(*child, node.m_pWnd, context);
    return true;
}

bool CVisualFramework::CreateWindowOf(CVisualNode& node, QWidget* parent, const CCreateContext* context) {
    auto* tabs = dynamic_cast<CTabWnd*>(parent);
    auto* splitter = dynamic_cast<CSplitterWnd*>(parent);
    auto* frame = dynamic_cast<CFrameWnd*>(parent);
    switch (node.m_nKind) {
    case kNodeSplitter: {
        if (tabs) {
            CSplitterWnd* created = nullptr;
            tabs->CreateSplitterTab(node.m_strTitle, node.m_nRows, node.m_nCols, &created);
            node.m_pWnd = created;
        } else if (frame) {
            auto* created = new CSplitterWnd(node.m_nRows, node.m_nCols);
            frame->setCentralWidget(created);
            node.m_pWnd = created;
        }
        return node.m_pWnd != nullptr;
    }
    case kNodeViewInPane: {
        if (!splitter) return false;
        QWidget* pane = CreatePaneOfClass(node.m_className, splitter, context);
        if (!pane) return false;
        if (!splitter->SetPane(node.m_nRow, node.m_nCol, pane, QSize(node.m_nWidth, node.m_nHeight))) {
            delete pane;
            return false;
        }
        node.m_pWnd = pane;
        return true;
    }
    case kNodeSplitterInPane: {
        if (!splitter) return false;
        auto* created = new CSplitterWnd(node.m_nRows, node.m_nCols, splitter);
        if (!splitter->SetPane(node.m_nRow, node.m_nCol, created, QSize())) {
            delete created;
            return false;
        }
        node.m_pWnd = created;
        return true;
    }
    case kNodeTabWindow:
    case kNodeViewTab:
    case kNodeViewInFrame: {
        if (!tabs && !frame) return false;
        if (node.m_nKind == kNodeViewTab && !tabs) return false;
        QWidget* pane = CreatePaneOfClass(node.m_className, parent, context);
        if (!pane) return false;
        if (tabs)
            tabs->AddTab(pane, node.m_strTitle);
        else
            frame->setCentralWidget(pane);
        node.m_pWnd = pane;
        return true;
    }
    default:
        return false;
    }
}

void CVisualFramework::ApplyFlags(CVisualNode& node) {
    if (auto* tabs = dynamic_cast<CTabWnd*>(node.m_pWnd.data())) {
        if (node.m_dwFlags & kNodeStripTop)
            tabs->SetStyle(kTabStripTop);
        else if (node.m_dwFlags & kNodeStripBottom)
            tabs->SetStyle(kTabStripBottom);
    }
    auto* owner = dynamic_cast<CTabWnd*>(node.m_pOwner.data());
    if (owner && (node.m_dwFlags & kNodeSelectOnCreate))
        owner->SetActiveTab(owner->FindPage(node.m_pWnd), true);
}

void CVisualFramework::Destroy() {
    // Deleting a root window takes every window under it along.
    for (CVisualNode* root : m_roots)
        if (root->m_pWnd && IsContainer(root->m_pWnd)) delete root->m_pWnd.data();
    m_roots.clear();
    m_nodes.clear();
    for (CVisualNode*& entry : g_navHistory) entry = nullptr;
    g_nNavCurrent = g_nNavLast = -1;
}

CVisualNode* CVisualFramework::GetNode(unsigned id) const {
    const auto found = m_nodes.find(id);
    return found != m_nodes.end() ? found->second.get() : nullptr;
}

CVisualNode* CVisualFramework::FindNodeByWindow(const QWidget* wnd) const {
    if (!wnd) return nullptr;
    for (const auto& [id, node] : m_nodes)
        if (node->m_pWnd == wnd) return node.get();
    return nullptr;
}

CVisualNode* CVisualFramework::GetActiveNode() const {
    return m_pFrame ? FindNodeByWindow(m_pFrame->GetActiveView()) : nullptr;
}

void CVisualFramework::Record(CVisualNode* node) {
    if (g_nNavCurrent >= kNavHistorySize - 1) {
        g_nNavCurrent = kNavHistorySize - 1;
        std::copy(g_navHistory.begin() + 1, g_navHistory.end(), g_navHistory.begin());
    } else {
        ++g_nNavCurrent;
    }
    g_nNavLast = g_nNavCurrent; // recording drops whatever lay ahead
    g_navHistory[static_cast<size_t>(g_nNavCurrent)] = node;
}

void CVisualFramework::StartHistoryIfEmpty() {
    if (g_nNavCurrent >= 0) return;
    g_navHistory[0] = GetActiveNode();
    g_nNavCurrent = g_nNavLast = 0;
}

void CVisualFramework::RecordActiveView() {
    Record(GetActiveNode());
}

bool CVisualFramework::ActivateNode(CVisualNode* node) {
    if (!node || !node->m_pWnd || IsContainer(node->m_pWnd) || !node->m_bEnabled) return false;
    if (!g_bNavigating) StartHistoryIfEmpty();

    std::vector<CVisualNode*> chain;
    for (CVisualNode* n = node; n; n = n->m_pParent) chain.push_back(n);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        CVisualNode* parent = (*it)->m_pParent;
        auto* tabs = parent ? dynamic_cast<CTabWnd*>(parent->m_pWnd.data()) : nullptr;
        if (tabs && !tabs->SetActiveTab(tabs->FindPage((*it)->m_pWnd), true)) return false;
    }
    if (m_pFrame) m_pFrame->SetActiveView(node->m_pWnd);
    if (!g_bNavigating) Record(GetActiveNode());
    return true;
}

bool CVisualFramework::HandleCtrlTab(QWidget* focus, bool backward) {
    if (!m_bCtrlTab || !focus || dynamic_cast<CFrameWnd*>(focus)) return false;
    QWidget* view = focus;
    while (view && !dynamic_cast<CView*>(view)) view = view->parentWidget();
    CVisualNode* node = FindNodeByWindow(view);
    if (!node) return false;
    CTabWnd* tabs = nullptr;
    for (CVisualNode* n = node->m_pParent; n && !tabs; n = n->m_pParent)
        tabs = dynamic_cast<CTabWnd*>(n->m_pWnd.data());
    if (!tabs || tabs->GetTabCount() == 0) return false;
    const int count = tabs->GetTabCount();
    const int start = std::max(0, tabs->GetActiveIndex());
    for (int i = (start + (backward ? count - 1 : 1)) % count; i != start;
         i = (i + (backward ? count - 1 : 1)) % count)
        if (tabs->SetActiveTab(i, true)) break;
    return true;
}

bool CVisualFramework::HandleAltKey(int key) {
    for (const auto& [id, node] : m_nodes)
        if (node->m_chHotKey != 0 && node->m_chHotKey == key && ActivateNode(node.get())) return true;
    return false;
}

namespace {

void ActivateWithoutRecording(CVisualNode* node) {
    if (!g_pVisualFramework) return;
    g_bNavigating = 1;
    g_pVisualFramework->ActivateNode(node);
    g_bNavigating = 0;
}

} // namespace

void NavigateBackward() {
    if (g_nNavCurrent < 1) return;
    --g_nNavCurrent;
    ActivateWithoutRecording(g_navHistory[static_cast<size_t>(g_nNavCurrent)]);
}

void NavigateForward() {
    if (g_nNavCurrent >= g_nNavLast) return;
    ++g_nNavCurrent;
    ActivateWithoutRecording(g_navHistory[static_cast<size_t>(g_nNavCurrent)]);
}
