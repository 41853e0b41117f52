// The pane tests start a QApplication (offscreen unless told otherwise) and the built-in preferences.
#include <QApplication>

#include <gtest/gtest.h>

#include "built_in_preferences.h"
#include "core/data_folder.h"
#include "display/chart_view.h"
#include "tests/qt_runtime_folder.h"
#include "views/forms/form_view_registration.h"
#include "views/info/info_view_registration.h"
#include "views/periods/period_view_registration.h"

int main(int argc, char** argv) {
    // Test discovery runs the binary at build time, where no display may exist.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QtRuntimeFolder runtimeFolder;
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    UseBuiltInPreferences("kh-views-tests");
    // The panes the program registers, so windows the commands open hold them.
    RegisterChartViews();
    RegisterInfoViews();
    RegisterPeriodViews();
    RegisterFormViews();
    const int rc = RUN_ALL_TESTS();
    CloseEphemeris();
    return rc;
}
