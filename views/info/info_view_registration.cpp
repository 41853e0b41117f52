#include "views/info/info_view_registration.h"

#include "shell/view_registry.h"
#include "views/info/ashtakavarga_view.h"
#include "views/info/basic_info_view.h"
#include "views/info/core_info_view.h"

void RegisterInfoViews() {
    RegisterPaneClass("CBasicInfoView",
                      [](QWidget* parent) -> QWidget* { return new CBasicInfoView(parent); });
    RegisterPaneClass("CEntryBasicInfoView",
                      [](QWidget* parent) -> QWidget* { return new CEntryBasicInfoView(parent); });
    RegisterPaneClass("CCoreInfoView", [](QWidget* parent) -> QWidget* { return new CCoreInfoView(parent); });
    RegisterPaneClass("CAshtakaVargaView",
                      [](QWidget* parent) -> QWidget* { return new CAshtakaVargaView(parent); });
    RegisterPaneClass("CAVSmalView", [](QWidget* parent) -> QWidget* { return new CAVSmalView(parent); });
    RegisterPaneClass("CEntryAshtakaVargaView",
                      [](QWidget* parent) -> QWidget* { return new CEntryAshtakaVargaView(parent); });
}
