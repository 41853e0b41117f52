// Kalomithra Hora: start-up and shut-down.
#include <QApplication>

#include "app/application.h"
#include "display/chart_view.h"
#include "views/chakras/chakra_view_registration.h"
#include "views/forms/form_view_registration.h"
#include "views/info/info_view_registration.h"
#include "views/periods/period_view_registration.h"

int main(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    RegisterChartViews();
    RegisterInfoViews();
    RegisterPeriodViews();
    RegisterChakraViews();
    RegisterFormViews();
    CTavroApp application;
    if (!application.InitInstance(qtApplication.arguments().mid(1))) return 1;
    const int rc = qtApplication.exec();
    application.ExitInstance();
    return rc;
}
