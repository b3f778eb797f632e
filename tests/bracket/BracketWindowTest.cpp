#include "bracket/frmPoolMain.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/AnsiQt.h"
#include "core/SelectionFile.h"
#include "core/Settings.h"
#include "core/StartFile.h"
#include "tests/support/PlatformDoubles.h"
#include "tests/support/SampleBrackets.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::TempFolder;
using testing::TestPlatform;

}  // namespace
}  // namespace brackwell
