#include "desktop/QtProgramLauncher.h"

#include <QFileInfo>
#include <QProcess>

#include "desktop/AnsiQt.h"

namespace brackwell {

bool QtProgramLauncher::StartDetached(const std::string& path) {
    const QFileInfo program(PathToQString(path));
    if (!program.isFile()) return false;
    return QProcess::startDetached(program.absoluteFilePath(), {}, program.absolutePath());
}

}  // namespace brackwell
