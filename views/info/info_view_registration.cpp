#include "views/info/info_view_registration.h"

#include "shell/view_registry.h"
#include "views/info/aspect_table_view.h"
#include "views/info/basic_info_view.h"
#include "views/info/core_info_view.h"
#include "views/info/shadbala_view.h"
#include "views/info/strength_graph_view.h"
#include "views/info/strengths_view.h"

void RegisterInfoViews() {
    RegisterPaneClass("CBasicInfoView",
                      [](QWidget* parent) -> QWidget* { return new CBasicInfoView(parent); });
    RegisterPaneClass("CEntryBasicInfoView",
                      [](QWidget* parent) -> QWidget* { return new CEntryBasicInfoView(parent); });
    RegisterPaneClass("CCoreInfoView", [](QWidget* parent) -> QWidget* { return new CCoreInfoView(parent); });
    RegisterPaneClass("CShadbalasView",
                      [](QWidget* parent) -> QWidget* { return new CShadbalasView(parent); });
    RegisterPaneClass("CStrengthsView",
                      [](QWidget* parent) -> QWidget* { return new CStrengthsView(parent); });
    RegisterPaneClass("CStrengthGraphView",
                      [](QWidget* parent) -> QWidget* { return new CStrengthGraphView(parent); });
    RegisterPaneClass("CAspectTableView",
                      [](QWidget* parent) -> QWidget* { return new CAspectTableView(parent); });
}
