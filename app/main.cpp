#include <QApplication>

#include "app/AppSession.h"
#include "desktop/QtPlatform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("brackwell"));
    brackwell::QtPlatform platform;
    brackwell::AppSession session(brackwell::PrepareAppFolder(brackwell::ProgramPlaces()), platform.platform());
    session.Start();
    return app.exec();
}
