#pragma once
// Pane classes by name: the layout names the class of every pane, and the registry makes a window of
// it. Classes that are not registered yet appear as empty panes.
#include <QWidget>
#include <functional>
#include <string>

#include "platform/view.h"

// What a new pane is created with: the document it shows.
struct CCreateContext {
    CDocument* m_pCurrentDoc = nullptr;
};

// Makes a pane; null when it cannot be made.
using PaneFactory = std::function<QWidget*(QWidget* parent)>;

// Registers (or replaces) the factory of `className`.
void RegisterPaneClass(const std::string& className, PaneFactory factory);
// True when `className` has a factory (its panes are more than empty pages).
bool IsPaneClassRegistered(const std::string& className);
// Removes a registration, so the class appears as an empty pane again.
void UnregisterPaneClass(const std::string& className);

// The class name of the tab window; every other class of the layout is a view.
inline constexpr const char* kTabWindowClass = "CTabWnd";
bool IsTabWindowClass(const std::string& className);

// A window of `className` under `parent`; a view gets the context's document and its initial update
// once it is placed. Null when the factory fails.
QWidget* CreatePaneOfClass(const std::string& className, QWidget* parent, const CCreateContext* context);

// A pane whose view class comes later: it shows an empty page.
class CEmptyPane : public CView {
public:
    explicit CEmptyPane(std::string className, QWidget* parent = nullptr);
    const std::string& ClassName() const { return m_className; }
    void OnDraw(DrawSurface& surface) override;

private:
    std::string m_className;
};
