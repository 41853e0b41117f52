#include "views/chakras/chakra_view_registration.h"

#include "shell/view_registry.h"
#include "views/chakras/kota_chakra_view.h"
#include "views/chakras/panchanga_view.h"
#include "views/chakras/sarvatobhadra_chakra_view.h"
#include "views/chakras/star_chakras.h"
#include "views/chakras/sudarsana_chakra_view.h"
#include "views/chakras/tripataki_chakra_view.h"

void RegisterChakraViews() {
    RegisterPaneClass("CCKChakraView", [](QWidget* parent) -> QWidget* { return new CCKChakraView(parent); });
    RegisterPaneClass("CKalaChakraView",
                      [](QWidget* parent) -> QWidget* { return new CKalaChakraView(parent); });
    RegisterPaneClass("CKotaChakraView",
                      [](QWidget* parent) -> QWidget* { return new CKotaChakraView(parent); });
    RegisterPaneClass("CPanchangaView",
                      [](QWidget* parent) -> QWidget* { return new CPanchangaView(parent); });
    RegisterPaneClass("CShoolaChakraView",
                      [](QWidget* parent) -> QWidget* { return new CShoolaChakraView(parent); });
    RegisterPaneClass("CSKChakraView", [](QWidget* parent) -> QWidget* { return new CSKChakraView(parent); });
    RegisterPaneClass("CSarvatobhadraChakraView",
                      [](QWidget* parent) -> QWidget* { return new CSarvatobhadraChakraView(parent); });
    RegisterPaneClass("CSudarsanaChakraView",
                      [](QWidget* parent) -> QWidget* { return new CSudarsanaChakraView(parent); });
    RegisterPaneClass("CTripatakiChakraView",
                      [](QWidget* parent) -> QWidget* { return new CTripatakiChakraView(parent); });
}
