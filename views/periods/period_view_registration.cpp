#include "views/periods/period_view_registration.h"

#include "shell/view_registry.h"
#include "views/periods/dasa_view.h"

void RegisterPeriodViews() {
    RegisterPaneClass("CDasaView", [](QWidget* parent) -> QWidget* { return new CDasaView(parent); });
    RegisterPaneClass("CEntryDasaView",
                      [](QWidget* parent) -> QWidget* { return new CEntryDasaView(parent); });
}
