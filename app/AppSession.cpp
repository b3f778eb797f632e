#include "app/AppSession.h"

#include <QCoreApplication>

#include <cstdlib>
#include <filesystem>
#include <utility>

#include "app/AnsiQt.h"
#include "app/FieldOverview.h"
#include "core/StartFile.h"

namespace brackwell {

AppFolderPlaces ProgramPlaces() {
    AppFolderPlaces places;
    if (const char* home = std::getenv("BRACKWELL_HOME"); home != nullptr && *home != '\0') places.brackwellHome = home;
    places.programFolder = QStringToPath(QCoreApplication::applicationDirPath());
    places.userDataFolder = DefaultUserDataFolder();
    places.sharedDataFolder =
        (std::filesystem::path(places.programFolder) / ".." / "share" / "brackwell").lexically_normal().string();
    return places;
}

std::string PrepareAppFolder(const AppFolderPlaces& places) {
    const AppFolderChoice choice = ChooseAppFolder(places);
    // A folder that cannot be made is not fatal here: reading then gives the defaults, and every
    // writer reports its own failure.
    if (choice.kind == AppFolderKind::PerUser) SeedUserFolder(choice.folder, places.sharedDataFolder);
    return choice.folder;
}

AppSession::AppSession(std::string appFolder, Dialogs& dialogs) : model_(std::move(appFolder)), dialogs_(dialogs) {}

void AppSession::Start() {
    frame_.show();
    ReadStartFile(model_, dialogs_);
    frame_.ShowChild(new FieldOverview(model_.StartLines));
}

}  // namespace brackwell
