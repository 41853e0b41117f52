// Kalomithra Hora: start-up. The main frame proper comes later; for now an empty window.
#include <QApplication>
#include <QMainWindow>

#include "core/data_folder.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    InitialiseEphemeris();
    QMainWindow frame;
    frame.setWindowTitle("Kalomithra Hora");
    frame.resize(1024, 720);
    frame.show();
    const int rc = app.exec();
    CloseEphemeris();
    return rc;
}
