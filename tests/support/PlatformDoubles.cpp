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

}  // namespace brackwell::testing
