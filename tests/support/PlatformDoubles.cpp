#include "tests/support/PlatformDoubles.h"

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

void RecordingPrinter::PrintLine(const std::string& text) {
    if (pagesInProgress.empty()) pagesInProgress.emplace_back();
    pagesInProgress.back().push_back(text);
}

void RecordingPrinter::NewPage() {
    if (pagesInProgress.empty()) pagesInProgress.emplace_back();
    pagesInProgress.emplace_back();
}

void RecordingPrinter::EndDocument() {
    if (pagesInProgress.empty()) return;
    documents.push_back({std::move(pagesInProgress), font, orientation, originXTwips, originYTwips});
    pagesInProgress.clear();
}

}  // namespace brackwell::testing
