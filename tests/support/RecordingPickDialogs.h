#pragma once
// The pick program's dialogs for tests: warnings and file requests are recorded, the file
// dialog answers with the file the test chose (none: cancelled).

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "pickapp/PickDialogs.h"

namespace brackwell::testing {

class RecordingPickDialogs final : public pick::PickDialogs {
public:
    void Warn(const std::string& title, const std::string& text) override { warnings.emplace_back(title, text); }
    std::optional<std::string> SaveFileName(const pick::SaveFileRequest& request) override {
        requests.push_back(request);
        return chosenFile;
    }
    void About() override { ++abouts; }

    std::vector<std::pair<std::string, std::string>> warnings;  // title, text
    std::vector<pick::SaveFileRequest> requests;
    std::optional<std::string> chosenFile;
    int abouts = 0;
};

}  // namespace brackwell::testing
