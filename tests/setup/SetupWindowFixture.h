#pragma once
// A setup window over a fresh application folder holding a small team list, with recording
// hooks and platform doubles.

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/Model.h"
#include "setup/frmPoolEntry.h"
#include "tests/support/PlatformDoubles.h"
#include "tests/support/TempFolder.h"

namespace brackwell::testing {

class SetupWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.Write("NCAALIST.BKT", CrLf({"*START*", "Arizona", "Duke", "Kansas", "Texas A&M", "*END*"}));
    }

    // Loads the window over what the folder holds and shows it active.
    frmPoolEntry& Open() {
        window = std::make_unique<frmPoolEntry>(model, test.platform,
                                                SetupWindowHooks{[this] { ++returned; }, [this] { ++reloaded; }});
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    template <typename T>
    T& Find(const QString& name) const {
        T* found = window->findChild<T*>(name);
        if (found == nullptr) throw std::runtime_error("no control " + name.toStdString());
        return *found;
    }
    template <typename T>
    T& Find(const char* base, int index) const {
        return Find<T>(QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(index));
    }

    TempFolder folder;
    modBrackwell model{folder.path()};
    TestPlatform test;
    int returned = 0;
    int reloaded = 0;
    std::unique_ptr<frmPoolEntry> window;
};

}  // namespace brackwell::testing
