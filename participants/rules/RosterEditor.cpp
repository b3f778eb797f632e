#include "participants/rules/RosterEditor.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include "core/FileSystem.h"
#include "core/RosterFile.h"
#include "core/TextHelpers.h"
#include "participants/rules/RosterFileKey.h"

namespace brackwell {

namespace {
// Where the files of the delete list are removed, whichever command ran "Done".
constexpr const char* kDoneTitle = "Brackwell - frmPoolNames, cmdExit_Click";

RosterFields FieldsOf(const std::string& displayLine) {
    const RosterRecord record = ParseRosterDisplayLine(displayLine);
    return {record.name, record.fileName, record.email, record.phone};
}
}  // namespace

std::optional<std::string> RemoveFile(const std::string& path) {
    errno = 0;
    if (DeleteFileIfPresent(path)) return std::nullopt;
    return errno == 0 ? std::string() : std::string(std::strerror(errno));
}

RosterEditor::RosterEditor(modBrackwell& model, Dialogs& dialogs, FileRemover remover)
    : model_(model), dialogs_(dialogs), remover_(std::move(remover)) {}

void RosterEditor::Load() {
    const auto& handOver = model_.RosterHandOver;
    controls_.add = handOver.AddOnly;
    controls_.change = controls_.remove = !handOver.AddOnly;
    // The editor only ever writes a roster it could read whole: a damaged one stays as it is
    // on disk for the organiser to mend from the error copy.
    damaged_ = !ValidateRosterFile(model_, dialogs_);
    LineReadResult read;
    if (!damaged_) {
        read = ReadRosterDisplayLines(model_);
        damaged_ = !read.ok();
    }
    if (damaged_) {
        controls_.add = controls_.change = controls_.remove = false;
        return;
    }
    lines_ = std::move(read.lines);
    TakeHandOver();
}

void RosterEditor::TakeHandOver() {
    const auto& handOver = model_.RosterHandOver;
    action_ = handOver.Action;
    if (action_.empty()) return;
    fields_.fileName = HandOverFileName(model_, handOver.SelectionPath);
    fields_.name = handOver.Key;

    int match = -1;
    for (std::size_t i = 0; i < lines_.size() && match < 0; ++i)
        if (RosterFileKey(ParseRosterDisplayLine(lines_[i]).fileName) == fields_.fileName)
            match = static_cast<int>(i);

    if (match >= 0) {
        // Choosing the record fills the fields from it, as a click does.
        Click(match);
        if (action_ == "A") action_ = "O";
    } else if (action_ == "C") {
        // The saved file has no record yet, so it is added like a new one.
        action_ = "A";
        controls_.add = true;
    }
    if (action_ == "O") {
        // The record is taken out and comes back through "Add Record" under the saved name,
        // with its e-mail and phone; a saved file without a record is only added.
        if (match >= 0) {
            RemoveSelected();
            takenOut_ = true;
        }
        fields_.name = handOver.Key;
        changed_ = true;
    } else if (action_ == "C") {
        controls_.add = false;
        controls_.change = true;
    }
}

void RosterEditor::Click(int index) {
    if (index < 0 || index >= static_cast<int>(lines_.size())) return;
    selected_ = index;
    fields_ = FieldsOf(lines_[index]);
}

void RosterEditor::AddRecord() {
    if (damaged_) return;
    lines_.push_back(RosterDisplayLine(fields_.name, fields_.fileName, fields_.email, fields_.phone));
    changed_ = true;
    takenOut_ = false;
    Done();
}

void RosterEditor::CompleteChanges() {
    if (damaged_ || !HasSelection("CHANGE")) return;
    if (!ExistingSelectionFile().empty()) {
        lines_[selected_] = RosterDisplayLine(fields_.name, fields_.fileName, fields_.email, fields_.phone);
        ClearFields();
        changed_ = true;
        if (action_ == "C") Done();
        return;
    }
    if (!Confirm(std::string("** You selected a change record where no Pool ") + kCrLf +
                 "Selections have been made **" + kCrLf + kCrLf + "If you continue this Player Name record will" +
                 kCrLf + "be deleted"))
        return;
    DropSelected();
}

void RosterEditor::DeleteSelection() {
    if (damaged_ || !HasSelection("DELETE")) return;
    const std::string path = ExistingSelectionFile();
    if (!path.empty()) {
        if (!Confirm(std::string("The player record and the Pool Selections") + kCrLf +
                     "will both be deleted if you continue, Ok??"))
            return;
        deleteList_.push_back(path);
    }
    DropSelected();
}

bool RosterEditor::HasSelection(const std::string& command) {
    if (selected_ >= 0) return true;
    dialogs_.Message("** You need to select one record prior to " + command + " **", kTitle);
    return false;
}

std::string RosterEditor::ExistingSelectionFile() const {
    const std::string path = RosterSelectionPath(model_, fields_.fileName);
    return !path.empty() && FileExists(path) ? path : std::string();
}

bool RosterEditor::Confirm(const std::string& question) {
    return dialogs_.MessageBox(question, MsgButtons::OKCancel, MsgIcon::None, kTitle) != MsgAnswer::Cancel;
}

void RosterEditor::DropSelected() {
    RemoveSelected();
    ClearFields();
    changed_ = true;
}

bool RosterEditor::Done() {
    // A record taken out for the save is never dropped without a word: with it would go the
    // participant's e-mail address and phone.
    if (takenOut_ && !damaged_) {
        const MsgAnswer answer = dialogs_.MessageBox(
            "The record of " + fields_.name + " was taken out to be added back with the saved file.\r\n\r\n" +
                "Add it back now?  (No leaves it out of the names file.)",
            MsgButtons::YesNoCancel, MsgIcon::Question, kTitle);
        if (answer == MsgAnswer::Cancel) return false;
        takenOut_ = false;
        if (answer == MsgAnswer::Yes) {
            AddRecord();
            return closed_;
        }
    }
    if (changed_ && !damaged_) {
        if (!WriteRoster(model_, dialogs_, lines_)) return false;
        DeleteListedFiles();
        changed_ = false;
    }
    Close();
    return true;
}

void RosterEditor::Cancel() {
    changed_ = false;
    Close();
}

void RosterEditor::RemoveSelected() {
    lines_.erase(lines_.begin() + selected_);
    selected_ = -1;
}

void RosterEditor::ClearFields() { fields_ = {}; }

void RosterEditor::DeleteListedFiles() {
    for (const std::string& path : deleteList_) {
        if (!FileExists(path)) continue;
        if (const auto failure = remover_(path)) ReportTrappedError(dialogs_, kDoneTitle, *failure);
    }
    deleteList_.clear();
}

void RosterEditor::Close() {
    controls_ = RosterControls{};
    auto& handOver = model_.RosterHandOver;
    handOver.Action.clear();
    handOver.Key.clear();
    handOver.SelectionPath.clear();
    handOver.AddOnly = false;
    closed_ = true;
}

}  // namespace brackwell
