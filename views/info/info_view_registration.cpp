#include "views/info/info_view_registration.h"

#include "shell/view_registry.h"
#include "views/info/basic_info_view.h"
#include "views/info/core_info_view.h"
#include "views/info/house_view.h"
#include "views/info/kp_view.h"
#include "views/info/laghu_parasari_view.h"
#include "views/info/seed_strength_view.h"
#include "views/info/varga_deity_view.h"
#include "views/info/yogas_view.h"

void RegisterInfoViews() {
    RegisterPaneClass("CBasicInfoView",
                      [](QWidget* parent) -> QWidget* { return new CBasicInfoView(parent); });
    RegisterPaneClass("CEntryBasicInfoView",
                      [](QWidget* parent) -> QWidget* { return new CEntryBasicInfoView(parent); });
    RegisterPaneClass("CCoreInfoView", [](QWidget* parent) -> QWidget* { return new CCoreInfoView(parent); });
    RegisterPaneClass("CHouseView", [](QWidget* parent) -> QWidget* { return new CHouseView(parent); });
    RegisterPaneClass("CKPView", [](QWidget* parent) -> QWidget* { return new CKPView(parent); });
    RegisterPaneClass("CLaghuParasariView",
                      [](QWidget* parent) -> QWidget* { return new CLaghuParasariView(parent); });
    RegisterPaneClass("CVargaDeityView",
                      [](QWidget* parent) -> QWidget* { return new CVargaDeityView(parent); });
    RegisterPaneClass("CVimsoStrengthHelpView",
                      [](QWidget* parent) -> QWidget* { return new CVimsoStrengthHelpView(parent); });
    RegisterPaneClass("CYogasView", [](QWidget* parent) -> QWidget* { return new CYogasView(parent); });
}
