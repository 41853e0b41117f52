#include "views/chakras/chakra_view_registration.h"

#include "shell/view_registry.h"
#include "views/chakras/kota_chakra_view.h"
#include "views/chakras/star_chakras.h"

void RegisterChakraViews() {
    RegisterPaneClass("CCKChakraView", [](QWidget* parent) -> QWidget* { return new CCKChakraView(parent); });
    RegisterPaneClass("CKalaChakraView", [](QWidget* parent) -> QWidget* { return new CKalaChakraView(parent); });
    RegisterPaneClass("CKotaChakraView", [](QWidget* parent) -> QWidget* { return new CKotaChakraView(parent); });
    RegisterPaneClass("CShoolaChakraView",
                      [](QWidget* parent) -> QWidget* { return new CShoolaChakraView(parent); });
    RegisterPaneClass("CSKChakraView", [](QWidget* parent) -> QWidget* { return new CSKChakraView(parent); });
}
