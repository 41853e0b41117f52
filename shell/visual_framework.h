#pragma once
// The layout framework: the whole window as a tree of nodes (tab windows, static splitters and views)
// that it turns into windows inside one frame, the one way to show a pane (ActivateNode), and the
// back/forward history of shown panes.
#include <QPointer>
#include <QWidget>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "shell/view_registry.h"

class CFrameWnd;
class CTabWnd;
class CVisualFramework;

enum VisualNodeKind {
    kNodeInvalid = 0,
    kNodeSplitter = 1,       // a splitter as a tab page or directly in the frame
    kNodeViewInPane = 2,     // a view (or tab window) in a splitter pane
    kNodeSplitterInPane = 3, // a splitter in a splitter pane
    kNodeTabWindow = 4,      // a tab window as a tab page or directly in the frame
    kNodeViewTab = 5,        // a view as a tab page
    kNodeViewInFrame = 6,    // a view directly in the frame
};

enum VisualNodeFlags : unsigned {
    kNodeStripTop = 1,       // the node's tab window shows its strip at the top
    kNodeStripBottom = 2,    // ... at the bottom
    kNodeSelectOnCreate = 4, // the node's tab is selected in its owner right after creation
};

class CVisualNode {
public:
    // A view or tab window as a tab page.
    CVisualNode(unsigned id, std::string title, std::string className, unsigned flags);
    // A splitter of rows x cols as a tab page (or directly in the frame).
    CVisualNode(unsigned id, std::string title, int rows, int cols, unsigned flags);
    // A view (or tab window) in pane (row, col) of its parent splitter, ideally width x height pixels.
    CVisualNode(unsigned id, int row, int col, std::string className, int width, int height, unsigned flags);
    // A splitter of rows x cols in pane (row, col) of its parent splitter.
    CVisualNode(unsigned id, int row, int col, int rows, int cols, unsigned flags);
    virtual ~CVisualNode() = default;

    // Selects this node's tab in its owner tab window without making its view active.
    void SelectInParentTab();
    // The title, or for an untitled pane its class name.
    std::string DisplayName() const;

    int m_nKind;
    unsigned m_nId;
    QPointer<QWidget> m_pWnd;   // the created window
    QPointer<QWidget> m_pOwner; // the tab window, splitter or frame it was created in
    std::string m_strTitle;
    int m_nRows = 0, m_nCols = 0; // splitter size
    int m_nRow = 0, m_nCol = 0;   // place in the parent splitter
    std::string m_className;
    int m_nWidth = 0, m_nHeight = 0; // ideal pane size, pixels
    bool m_bEnabled = true;          // ActivateNode refuses a disabled node
    unsigned m_dwFlags;
    int m_chHotKey = 0; // Qt key that with Alt activates the node; 0: none
    CVisualNode* m_pParent = nullptr;
    CVisualFramework* m_pFramework = nullptr;
    std::vector<CVisualNode*> m_children; // not owned
};

class CVisualFramework {
public:
    CVisualFramework() = default;
    CVisualFramework(const CVisualFramework&) = delete;
    CVisualFramework& operator=(const CVisualFramework&) = delete;
    virtual ~CVisualFramework();

    // Registration; false (and the node is dropped) when its id is taken. Returns the registered node.
    CVisualNode* AddRoot(std::unique_ptr<CVisualNode> node);
    CVisualNode* AddChild(CVisualNode* parent, std::unique_ptr<CVisualNode> node);

    // Creates the windows of every registered node inside `frame`, then activates the first view in id
    // order. A node that cannot be created is skipped with its subtree and named in FailedNodes();
    // false when any failed.
    bool Create(CFrameWnd* frame, const CCreateContext* context);
    // Destroys the windows of the tree and forgets every node.
    void Destroy();

    // Shows the node's view: selects every enclosing tab from the root down and makes it the frame's
    // active view; records it in the history unless navigating. False for a splitter or tab-window
    // node, a disabled node, or a tab that refuses to change.
    bool ActivateNode(CVisualNode* node);
    CVisualNode* GetNode(unsigned id) const;
    CVisualNode* FindNodeByWindow(const QWidget* wnd) const;
    CVisualNode* GetActiveNode() const; // the node of the frame's active view
    const std::vector<std::string>& FailedNodes() const { return m_failedNodes; }
    const std::map<unsigned, std::unique_ptr<CVisualNode>>& Nodes() const { return m_nodes; }

    // A click on a tab strip: the history starts (if it has not) before the tab changes, and the pane
    // then shown is appended after.
    void StartHistoryIfEmpty();
    void RecordActiveView();

    // Ctrl+Tab in a pane: the next (Shift: previous) selectable tab of its nearest tab window. True when
    // the key was taken.
    bool HandleCtrlTab(QWidget* focus, bool backward);
    // Alt with a key: activates the first node of that hot key. True when one was activated.
    bool HandleAltKey(int key);

    CFrameWnd* GetFrame() const { return m_pFrame; }

private:
    bool CreateNode(CVisualNode& node, QWidget* parent, const CCreateContext* context);
    bool CreateWindowOf(CVisualNode& node, QWidget* parent, const CCreateContext* context);
    void ApplyFlags(CVisualNode& node);
    void Record(CVisualNode* node);

    CFrameWnd* m_pFrame = nullptr;
    std::vector<CVisualNode*> m_roots;
    std::map<unsigned, std::unique_ptr<CVisualNode>> m_nodes;
    std::vector<std::string> m_failedNodes;
    bool m_bCtrlTab = true;
};

extern CVisualFramework* g_pVisualFramework;

// History of shown panes for Navigate Backward and Forward: the newest kNavHistorySize entries.
constexpr int kNavHistorySize = 101;
extern std::array<CVisualNode*, kNavHistorySize> g_navHistory;
extern int g_nNavCurrent; // index of the current entry, -1 before the first
extern int g_nNavLast;    // index of the last valid entry
extern int g_bNavigating; // while set, activations are not recorded

void NavigateBackward(); // when there is an earlier entry, shows it without recording
void NavigateForward();  // when there is a later entry, shows it without recording
