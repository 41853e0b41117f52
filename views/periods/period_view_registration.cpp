#include "views/periods/period_view_registration.h"

#include "shell/view_registry.h"
#include "views/periods/dasa_transit_view.h"
#include "views/periods/dasa_view.h"
#include "views/periods/transit_calendar_view.h"
#include "views/periods/transit_view.h"

void RegisterPeriodViews() {
    RegisterPaneClass("CDasaView", [](QWidget* parent) -> QWidget* { return new CDasaView(parent); });
    RegisterPaneClass("CEntryDasaView",
                      [](QWidget* parent) -> QWidget* { return new CEntryDasaView(parent); });
    RegisterPaneClass("CDasaSignTransitView",
                      [](QWidget* parent) -> QWidget* { return new CDasaSignTransitView(parent); });
    RegisterPaneClass("CTransitView", [](QWidget* parent) -> QWidget* { return new CTransitView(parent); });
    RegisterPaneClass("CTransitCalenView",
                      [](QWidget* parent) -> QWidget* { return new CTransitCalenView(parent); });
}
