#include "shell/view_registry.h"

#include <map>

#include "shell/tab_wnd.h"

namespace {

std::map<std::string, PaneFactory>& Factories() {
    static std::map<std::string, PaneFactory> factories;
    return factories;
}

} // namespace

void RegisterPaneClass(const std::string& className, PaneFactory factory) {
    Factories()[className] = std::move(factory);
}

bool IsPaneClassRegistered(const std::string& className) {
    return Factories().count(className) > 0;
}

void UnregisterPaneClass(const std::string& className) {
    Factories().erase(className);
}

bool IsTabWindowClass(const std::string& className) {
    return className == kTabWindowClass;
}

QWidget* CreatePaneOfClass(const std::string& className, QWidget* parent, const CCreateContext* context) {
    QWidget* pane = nullptr;
    if (IsTabWindowClass(className)) {
        pane = new CTabWnd(parent);
    } else {
        const auto found = Factories().find(className);
        pane = found != Factories().end() ? found->second(parent) : new CEmptyPane(className, parent);
    }
    if (auto* view = dynamic_cast<CView*>(pane); view && context) view->SetDocument(context->m_pCurrentDoc);
    return pane;
}

CEmptyPane::CEmptyPane(std::string className, QWidget* parent)
    : CView(parent), m_className(std::move(className)) {}

void CEmptyPane::OnDraw(DrawSurface&) {}
