#include "desktop/QtPrintDevice.h"

#include <QPrintDialog>
#include <QPrinterInfo>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "desktop/AnsiQt.h"
#include "desktop/QtDialogs.h"
#include "desktop/WindowImages.h"
#include "core/PrintTarget.h"
#include "tests/support/qt/ModalDialog.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"
#include "tests/support/qt/Poppler.h"

namespace brackwell {
namespace {

using testing::ScopedEnv;
using testing::Poppler;
using testing::TempFolder;
using testing::WhenModalDialogShows;

WindowImage SolidImage(int width, int height, std::uint32_t argb) {
    return {width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), argb)};
}

// A printout's file, as against a file of the user's that must survive.
bool IsPdf(const std::string& path) { return testing::ReadBytes(path).starts_with("%PDF-"); }

TEST(QtPrintDevice, PrintsTheImageOnOnePageOfThePresetPdfInTheRequestedOrientation) {
    TempFolder folder;
    const ScopedEnv preset(kPrintPdfVariable, folder.File("form.pdf").c_str());
    // The second printout finds the first one's file and keeps it: nobody chose it for that one.
    const std::vector<std::pair<Orientation, std::string>> printouts{{Orientation::Landscape, "form.pdf"},
                                                                     {Orientation::Portrait, "form-2.pdf"}};
    for (const auto& [orientation, name] : printouts) {
        const bool landscape = orientation == Orientation::Landscape;
        SCOPED_TRACE(landscape ? "landscape" : "portrait");
        const std::string pdf = folder.File(name);
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
    }
}

// A file is replaced only when it was chosen for the printout, in a dialog that asked first;
// any other printout that finds its file there takes the next free name.
TEST(QtPrintDevice, APrintoutReplacesOnlyTheFileChosenForIt) {
    TempFolder folder;
    folder.Write("chosen.pdf", "old printout");
    folder.Write("report.pdf", "old report");
    PrinterSession printers;
    QtPrintDevice device(printers);
    auto printText = [&device] {
        device.PrintLine("text");
        device.EndDocument();
    };

    // A file of the session's own is kept (the preset file's test above); one the print dialog
    // chose is replaced by the next printout, not by the one after.
    printers.printer().setOutputFileName(PathToQString(folder.File("chosen.pdf")));
    printers.DialogAccepted();
    printText();
    printText();
    EXPECT_TRUE(IsPdf(folder.File("chosen.pdf")));
    EXPECT_TRUE(IsPdf(folder.File("chosen-2.pdf")));

    // A file chosen for one printout only, through the print seam; then the session's file again.
    device.PrintNextToPdf(folder.File("report.pdf"));
    printText();
    printText();
    EXPECT_TRUE(IsPdf(folder.File("report.pdf")));
    EXPECT_FALSE(folder.Exists("report-2.pdf"));
    EXPECT_TRUE(IsPdf(folder.File("chosen-3.pdf")));
}

TEST(QtPrintDevice, AFailedPrintoutLeavesThePrinterReadyForTheNext) {
    TempFolder folder;
    PrinterSession printers;
    QtPrintDevice device(printers);
    printers.PrintToPdf(PathToQString(folder.File("missing/a.pdf")));
    EXPECT_THROW(device.PrintLine("lost"), std::runtime_error);
    printers.PrintToPdf(PathToQString(folder.File("b.pdf")));
    device.PrintLine("printed");
    device.EndDocument();
    EXPECT_TRUE(IsPdf(folder.File("b.pdf")));
}

TEST(QtPrintDevice, WithoutAPrinterSaysSoAndHowToPrintToAPdfFile) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "this machine has a printer";
    const ScopedEnv noPreset(kPrintPdfVariable, nullptr);
    PrinterSession printers;
    try {
        QtPrintDevice(printers).PrintLine("text");
        ADD_FAILURE() << "printed";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), kNoPrinterMessage);
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
         "The PDF file " + folder.File("missing/a.pdf") + " could not be written: No such file or directory."},
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

// The left edge, in points, of the first word pdftotext finds on the first page.
double FirstWordLeft(const std::string& pdf) {
    const std::string boxes = Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), PathToQString(pdf), "-"});
    double left = -1;
    const std::size_t word = boxes.find("<word xMin=\"");
    if (word != std::string::npos) std::sscanf(boxes.c_str() + word, "<word xMin=\"%lf", &left);
    return left;
}

TEST(QtPrintDevice, PrintsTextALineAtATimeOnAsManyPagesAsItNeeds) {
    TempFolder folder;
    PrinterSession printers;
    QtPrintDevice device(printers);
    const std::vector<std::string> fonts = device.FontNames();
    EXPECT_NE(std::find(fonts.begin(), fonts.end(), "Courier New"), fonts.end());
    device.SetFont({"Courier New", 10, false, false});

    device.SetPageOrientation(Orientation::Portrait);
    const int portraitWidth = device.PageWidthTwips();
    device.SetPageOrientation(Orientation::Landscape);
    EXPECT_GT(device.PageWidthTwips(), portraitWidth);
    device.SetPageOrientation(Orientation::Portrait);
    // A4 or US Letter, whichever the locale gives.
    EXPECT_TRUE(std::abs(portraitWidth - 11906) <= 1 || portraitWidth == 12240) << portraitWidth;

    printers.PrintToPdf(PathToQString(folder.File("long.pdf")));
    for (int i = 0; i < 100; ++i) device.PrintLine("line " + std::to_string(i));  // past one page
    device.NewPage();
    device.PrintLine("after the form feed");
    device.EndDocument();
    const std::string info = Poppler(QStringLiteral("pdfinfo"), {PathToQString(folder.File("long.pdf"))});
    EXPECT_NE(info.find("Pages:           3\n"), std::string::npos) << info;
    const std::string text = Poppler(QStringLiteral("pdftotext"), {PathToQString(folder.File("long.pdf")), "-"});
    EXPECT_NE(text.find("line 0\n"), std::string::npos);
    EXPECT_NE(text.find("line 99\n"), std::string::npos);
    EXPECT_NE(text.find("\fafter the form feed\n"), std::string::npos) << text;

    // The origin shift moves the lines right: 1440 twips are 72 points.
    double lefts[2] = {};
    for (const int shift : {0, 1}) {
        const std::string pdf = folder.File("shift" + std::to_string(shift) + ".pdf");
        printers.PrintToPdf(PathToQString(pdf));
        device.SetOriginShift(shift * kTwipsPerInch, 0);
        device.PrintLine("Shifted");
        device.EndDocument();
        lefts[shift] = FirstWordLeft(pdf);
    }
    EXPECT_NEAR(lefts[1] - lefts[0], 72.0, 0.5);
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
