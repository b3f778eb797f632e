#pragma once
// Reading back a printout: the poppler tools (pdfinfo, pdfimages, pdftotext, pdffonts) on a PDF.

#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>

namespace brackwell::testing {

// What the tool printed, or "" (and a test failure) when it fails.
inline std::string Poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished() || process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString() << " failed (scripts/install-deps.sh installs poppler-utils)";
        return {};
    }
    return process.readAllStandardOutput().toStdString();
}

}  // namespace brackwell::testing
