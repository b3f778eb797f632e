#include "app/QtPrintDevice.h"

#include <QPrintDialog>
#include <QProcess>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/AnsiQt.h"
#include "app/QtDialogs.h"
#include "app/WindowImages.h"
#include "tests/app/ModalDialog.h"
#include "tests/app/ScopedEnv.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::ScopedEnv;
using testing::TempFolder;
using testing::WhenModalDialogShows;

// The output of a poppler tool run on a PDF file (pdfinfo, pdfimages), or "" when it fails.
std::string Poppler(const QString& tool, QStringList arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished() || process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString() << " failed (scripts/install-deps.sh installs poppler-utils)";
        return {};
    }
    return process.readAllStandardOutput().toStdString();
}

WindowImage SolidImage(int width, int height, std::uint32_t argb) {
    return {width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), argb)};
}

TEST(QtPrintDevice, PrintsTheImageOnOnePageOfThePresetPdfInTheRequestedOrientation) {
    TempFolder folder;
    const std::string pdf = folder.File("form.pdf");
    const ScopedEnv preset(kPrintPdfVariable, pdf.c_str());
    for (const Orientation orientation : {Orientation::Landscape, Orientation::Portrait}) {
        const bool landscape = orientation == Orientation::Landscape;
        SCOPED_TRACE(landscape ? "landscape" : "portrait");
        PrinterSession printers;
        QtPrintDevice device(printers);
        device.PrintImage(SolidImage(64, 48, 0xFF00FF00u), PrintRequest{orientation});

        const std::string info = Poppler(QStringLiteral("pdfinfo"), {PathToQString(pdf)});
        EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
        double width = 0, height = 0;
        const std::size_t size = info.find("Page size:");
        ASSERT_NE(size, std::string::npos) << info;
        ASSERT_EQ(std::sscanf(info.c_str() + size, "Page size: %lf x %lf", &width, &height), 2) << info;
        EXPECT_EQ(width > height, landscape) << info;
        // The window's picture is on the page at its own resolution.
        const std::string images = Poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), PathToQString(pdf)});
        EXPECT_NE(images.find("    64    48  rgb"), std::string::npos) << images;
        folder.Write("form.pdf", "");
    }
}

TEST(QtPrintDevice, ThePrintDialogChoosesThePrinterThatIsPrintedTo) {
    TempFolder folder;
    PrinterSession printers;
    printers.PrintToPdf(PathToQString(folder.File("chosen.pdf")));
    QtDialogs dialogs(printers);
    QPrinter* shown = nullptr;
    WhenModalDialogShows([&shown](QWidget* dialog) {
        auto* print = qobject_cast<QPrintDialog*>(dialog);
        ASSERT_NE(print, nullptr);
        shown = print->printer();
        print->accept();
    });
    PrintRequest request{Orientation::Landscape};
    ASSERT_TRUE(dialogs.PrintDialog(request));
    EXPECT_EQ(shown, &printers.printer());
    EXPECT_EQ(request.orientation, Orientation::Landscape);

    QtPrintDevice(printers).PrintImage(SolidImage(8, 8, 0xFF0000FFu), request);
    EXPECT_TRUE(folder.Exists("chosen.pdf"));
}

TEST(QtPrintDevice, RefusesWhatCannotBePrinted) {
    TempFolder folder;
    WindowImage torn = SolidImage(10, 10, 0xFFFFFFFFu);
    torn.pixels.pop_back();
    struct Case {
        const char* what;
        WindowImage image;
        std::string pdf;
        std::string description;
    };
    const std::vector<Case> cases = {
        {"an image short of pixels", torn, folder.File("a.pdf"), "The picture of the window to print is incomplete."},
        {"an empty image", WindowImage{}, folder.File("a.pdf"), "There is no picture of the window to print."},
        {"a PDF file in a missing folder", SolidImage(4, 4, 0xFF000000u), folder.File("missing/a.pdf"),
         "The file " + folder.File("missing/a.pdf") + " could not be written."},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        PrinterSession printers;
        printers.PrintToPdf(PathToQString(test.pdf));
        try {
            QtPrintDevice(printers).PrintImage(test.image, PrintRequest{});
            ADD_FAILURE() << "printed";
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(error.what(), test.description);
        }
        EXPECT_FALSE(folder.Exists("a.pdf"));
    }
}

TEST(WindowImages, AWidgetsPictureKeepsItsColoursThroughThePrintSeam) {
    QWidget widget;
    widget.resize(12, 7);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, QColor(0x12, 0x34, 0x56));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
    const WindowImage image = ImageOfWidget(widget);
    ASSERT_EQ(image.width, 12);
    ASSERT_EQ(image.height, 7);
    EXPECT_EQ(image.pixels.front(), 0xFF123456u);
    EXPECT_EQ(ToQImage(image).pixel(11, 6), 0xFF123456u);
}

}  // namespace
}  // namespace brackwell
