// Kalomithra Hora: start-up. The main frame proper comes later; for now an empty window.
#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>

#include "core/data_folder.h"
#include "shell/preferences.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (!g_bPreferencesInitialised) InitPreferences();
    // A preference file that could not be used must not pass silently either.
    if (!g_strPreferenceFileNotice.empty())
        QMessageBox::warning(nullptr, "Error", QString::fromStdString(g_strPreferenceFileNotice));
    QMainWindow frame;
    frame.setWindowTitle("Kalomithra Hora");
    frame.resize(1024, 720);
    frame.show();
    const int rc = app.exec();
    // Closing the frame saves the preferences; a failed save must not pass silently.
    const FileWriteResult saved = SavePreferences();
    if (!saved.ok) QMessageBox::warning(nullptr, "Error", QString::fromStdString(saved.message));
    CloseEphemeris();
    return rc;
}
