// Writes the program's icon as a PNG for the desktop entry: write-app-icon <file.png> <size in pixels>.
#include <QGuiApplication>

#include "shell/app_icon.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 3) return 2;
    return ApplicationIconImage(std::atoi(argv[2])).save(argv[1]) ? 0 : 1;
}
