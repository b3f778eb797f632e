#include "tests/support/PlatformDoubles.h"

#include <utility>

namespace brackwell::testing {

void RecordingMail::MaybeFail() {
    if (!failNext_) return;
    failNext_ = false;
    throw std::runtime_error(failure_);
}

void RecordingMail::SignOn() {
    MaybeFail();
    ++signOns;
    open_ = true;
}

void RecordingMail::SignOff() {
    ++signOffs;
    open_ = false;
}

void RecordingMail::Send(const MailMessage& message) {
    MaybeFail();
    sent.push_back(message);
}

// As on a real printer, the document goes where the printer was set when it began.
void RecordingPrinter::BeginIfNeeded() {
    if (!pagesInProgress.empty()) return;
    pagesInProgress.emplace_back();
    pdfInProgress = std::exchange(nextPdf, std::string());
}

void RecordingPrinter::PrintLine(const std::string& text) {
    BeginIfNeeded();
    pagesInProgress.back().push_back(text);
}

void RecordingPrinter::NewPage() {
    BeginIfNeeded();
    pagesInProgress.emplace_back();
}

void RecordingPrinter::EndDocument() {
    if (pagesInProgress.empty()) return;
    if (failNextDocument) {
        pagesInProgress.clear();
        throw std::runtime_error(*std::exchange(failNextDocument, std::nullopt));
    }
    documents.push_back({std::move(pagesInProgress), font, orientation, originXTwips, originYTwips, pdfInProgress});
    pagesInProgress.clear();
}

}  // namespace brackwell::testing
