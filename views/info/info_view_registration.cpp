#include "views/info/info_view_registration.h"

#include "shell/view_registry.h"
#include "views/info/ashtakavarga_view.h"
#include "views/info/aspect_table_view.h"
#include "views/info/basic_info_view.h"
#include "views/info/core_info_view.h"
#include "views/info/house_view.h"
#include "views/info/kp_view.h"
#include "views/info/laghu_parasari_view.h"
#include "views/info/seed_strength_view.h"
#include "views/info/varga_deity_view.h"
#include "views/info/yogas_view.h"
#include "views/info/shadbala_view.h"
#include "views/info/strength_graph_view.h"
#include "views/info/strengths_view.h"

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
    RegisterPaneClass("CHouseView", [](QWidget* parent) -> QWidget* { return new CHouseView(parent); });
    RegisterPaneClass("CKPView", [](QWidget* parent) -> QWidget* { return new CKPView(parent); });
    RegisterPaneClass("CLaghuParasariView",
                      [](QWidget* parent) -> QWidget* { return new CLaghuParasariView(parent); });
    RegisterPaneClass("CVargaDeityView",
                      [](QWidget* parent) -> QWidget* { return new CVargaDeityView(parent); });
    RegisterPaneClass("CVimsoStrengthHelpView",
                      [](QWidget* parent) -> QWidget* { return new CVimsoStrengthHelpView(parent); });
    RegisterPaneClass("CYogasView", [](QWidget* parent) -> QWidget* { return new CYogasView(parent); });
    RegisterPaneClass("CShadbalasView",
                      [](QWidget* parent) -> QWidget* { return new CShadbalasView(parent); });
    RegisterPaneClass("CStrengthsView",
                      [](QWidget* parent) -> QWidget* { return new CStrengthsView(parent); });
    RegisterPaneClass("CStrengthGraphView",
                      [](QWidget* parent) -> QWidget* { return new CStrengthGraphView(parent); });
    RegisterPaneClass("CAspectTableView",
                      [](QWidget* parent) -> QWidget* { return new CAspectTableView(parent); });
}
