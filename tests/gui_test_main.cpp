// GUI test binaries start a QApplication (offscreen unless told otherwise) so fonts and painting
// are available.
#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "core/data_folder.h"
#include "tests/qt_runtime_folder.h"

int main(int argc, char** argv) {
    // Test discovery runs the binary at build time, where no display may exist.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own settings (the file dialogs keep theirs) go to a folder of the run, removed at its end
    // after the application has gone. Left to themselves they would settle in whatever configuration
    // folder a test had pointed XDG_CONFIG_HOME at first, and come back to it after the test removed it.
    const QTemporaryDir qtSettings(QDir::tempPath() + "/kh-gui-tests-XXXXXX");
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, qtSettings.path());
    const QtRuntimeFolder runtimeFolder;
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    InitialiseEphemeris();
    const int rc = RUN_ALL_TESTS();
    CloseEphemeris();
    return rc;
}
