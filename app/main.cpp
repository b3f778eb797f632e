#include <QApplication>

#include "app/AppSession.h"
#include "app/QtDialogs.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("brackwell"));
    brackwell::QtDialogs dialogs;
    brackwell::AppSession session(brackwell::PrepareAppFolder(brackwell::ProgramPlaces()), dialogs);
    session.Start();
    return app.exec();
}
