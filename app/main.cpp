#include <QApplication>

#include "app/form1.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    // Lets the desktop match the window to its entry and icon, on Wayland too.
    QGuiApplication::setDesktopFileName(QStringLiteral(APP_ID));
    Form1 window;
    app.setWindowIcon(window.windowIcon());
    window.show();
    return app.exec();
}
