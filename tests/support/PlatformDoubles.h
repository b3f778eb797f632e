#pragma once
// Test doubles of the platform seams other than Dialogs: each records what it was asked to do.

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/Platform.h"
#include "tests/support/ScriptedDialogs.h"

namespace brackwell::testing {

class RecordingMail final : public MailService {
public:
    bool SessionOpen() const override { return open_; }
    void SignOn() override;
    void SignOff() override;
    void Send(const MailMessage& message) override;

    // The next SignOn or Send throws this description ("" for an error without one).
    void FailNext(std::string description) {
        failure_ = std::move(description);
        failNext_ = true;
    }

    int signOns = 0;
    int signOffs = 0;
    std::vector<MailMessage> sent;

private:
    void MaybeFail();
    bool open_ = false;
    bool failNext_ = false;
    std::string failure_;
};

// A text document as it was sent: its pages of lines, and the font, orientation and origin
// shift in force when it ended.
struct PrintedDocument {
    std::vector<std::vector<std::string>> pages;
    FontChoice font;
    Orientation orientation = Orientation::Portrait;
    int originXTwips = 0;
    int originYTwips = 0;
    std::string pdfFile;  // empty for the printer
};

class RecordingPrinter final : public PrintDevice {
public:
    void PrintImage(const WindowImage& image, const PrintRequest& request) override {
        images.push_back(image);
        requests.push_back(request);
        nextPdf.clear();
    }
    std::vector<std::string> FontNames() const override { return fontNames; }
    FontChoice Font() const override { return font; }
    void SetFont(const FontChoice& chosen) override { font = chosen; }
    Orientation PageOrientation() const override { return orientation; }
    void SetPageOrientation(Orientation chosen) override { orientation = chosen; }
    int PageWidthTwips() const override {
        return orientation == Orientation::Landscape ? pageHeightTwips : pageWidthTwips;
    }
    void SetOriginShift(int xTwips, int yTwips) override {
        originXTwips = xTwips;
        originYTwips = yTwips;
    }
    void PrintLine(const std::string& text) override;
    void NewPage() override;
    void EndDocument() override;
    void PrintNextToPdf(const std::string& path) override { nextPdf = path; }

    std::vector<WindowImage> images;
    std::vector<PrintRequest> requests;

    // What the printer offers and is set to.
    std::vector<std::string> fontNames{"Arial", "Courier New", "Times New Roman"};
    FontChoice font{"Arial", 12.0, false, false};
    Orientation orientation = Orientation::Portrait;
    int pageWidthTwips = 12240;  // US Letter, 8.5 by 11 inches
    int pageHeightTwips = 15840;
    int originXTwips = 0;
    int originYTwips = 0;
    std::string nextPdf;  // where the next document goes instead of the printer
    // When set, the next EndDocument throws this description and sends nothing.
    std::optional<std::string> failNextDocument;

    // The documents ended, and the one being printed (empty when none).
    std::vector<PrintedDocument> documents;
    std::vector<std::vector<std::string>> pagesInProgress;
    std::string pdfInProgress;

private:
    void BeginIfNeeded();
};

class RecordingHelp final : public HelpViewer {
public:
    bool ShowHelpFile(const std::string& path) override {
        helpFiles.push_back(path);
        return helpShows;
    }
    void ShowAbout() override { ++aboutShown; }
    bool helpShows = true;   // what ShowHelpFile answers
    std::vector<std::string> helpFiles;
    int aboutShown = 0;
};

class RecordingLauncher final : public ProgramLauncher {
public:
    bool StartDetached(const std::string& path) override {
        started.push_back(path);
        return starts;
    }
    bool starts = true;
    std::vector<std::string> started;
};

// Every seam as a test double, bundled as the windows take them.
struct TestPlatform {
    ScriptedDialogs dialogs;
    RecordingMail mail;
    RecordingPrinter printer;
    RecordingHelp help;
    RecordingLauncher launcher;
    Platform platform{dialogs, mail, printer, help, launcher};
};

}  // namespace brackwell::testing
