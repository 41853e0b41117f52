#include "views/forms/form_view_registration.h"

#include "shell/view_registry.h"
#include "views/forms/chart_forms.h"
#include "views/forms/mundane_form.h"
#include "views/forms/research_form.h"
#include "views/forms/transit_forms.h"

namespace {
template <class Pane> void Register(const char* className) {
    RegisterPaneClass(className, [](QWidget* parent) -> QWidget* { return new Pane(parent); });
}
} // namespace

void RegisterFormViews() {
    Register<CTransitFormView>("CTransitFormView");
    Register<CTransitConjFormView>("CTransitConjFormView");
    Register<CTransitChartFormView>("CTransitChartFormView");
    Register<CTranCalenFormView>("CTranCalenFormView");
    Register<CTranResearchFormView>("CTranResearchFormView");
    Register<CTranResearchView>("CTranResearchView");
    Register<CTajakaFormView>("CTajakaFormView");
    Register<CTPFormView>("CTPFormView");
    Register<CAngRetFormView>("CAngRetFormView");
    Register<CPrasnaFormView>("CPrasnaFormView");
    Register<CProgFormView>("CProgFormView");
    Register<CMundaneFormView>("CMundaneFormView");
}
