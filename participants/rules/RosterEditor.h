#pragma once
// The roster editor without its window: the list of display lines, the four fields, the
// controls' states and what each command does to them and to the files of the folder. The
// window shows this state and forwards its clicks.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Dialogs.h"
#include "core/Model.h"

namespace brackwell {

// The editor's four text fields, as typed.
struct RosterFields {
    std::string name;
    std::string fileName;
    std::string email;
    std::string phone;
};

// Which controls can be used.
struct RosterControls {
    bool add = false;
    bool change = true;
    bool remove = true;
    bool cancel = true;
    bool done = true;
    bool list = true;
};

// Deletes a file of the folder; nothing on success, else the error's description.
using FileRemover = std::function<std::optional<std::string>(const std::string& path)>;
std::optional<std::string> RemoveFile(const std::string& path);

class RosterEditor {
public:
    RosterEditor(modBrackwell& model, Dialogs& dialogs, FileRemover remover = RemoveFile);

    // Reads the roster and takes over the save command's hand-over values.
    void Load();
    // A click on list entry index: it becomes the selected entry and fills the four fields.
    void Click(int index);
    void AddRecord();
    void CompleteChanges();
    void DeleteSelection();
    // Writes the roster when it was changed, deletes the files of the delete list and closes. A
    // record still taken out by the hand-over is first offered back (Yes adds it, No drops it,
    // Cancel keeps the editor open).
    // A roster that cannot be written keeps the editor open with its changes (and deletes
    // nothing); false then.
    bool Done();
    void Cancel();

    const std::vector<std::string>& lines() const { return lines_; }
    int selected() const { return selected_; }
    RosterFields& fields() { return fields_; }
    const RosterFields& fields() const { return fields_; }
    const RosterControls& controls() const { return controls_; }
    bool changed() const { return changed_; }
    const std::vector<std::string>& deleteList() const { return deleteList_; }
    // The action in force after the load's matching ("A", "C", "O" or empty).
    const std::string& action() const { return action_; }
    // The roster could not be read: the editor stays empty and writes nothing.
    bool damaged() const { return damaged_; }
    bool closed() const { return closed_; }

    static constexpr const char* kTitle = "Pool Names Maintenance";

private:
    void TakeHandOver();
    // Tells the organiser that command needs a selected entry when there is none.
    bool HasSelection(const std::string& command);
    // The selection file of the file-name field when it exists in the folder, else empty.
    std::string ExistingSelectionFile() const;
    // An OK/Cancel question; true unless cancelled.
    bool Confirm(const std::string& question);
    // Takes the selected entry out, empties the fields and marks the roster changed.
    void DropSelected();
    void RemoveSelected();
    void ClearFields();
    void DeleteListedFiles();
    void Close();

    modBrackwell& model_;
    Dialogs& dialogs_;
    FileRemover remover_;
    std::vector<std::string> lines_;
    int selected_ = -1;
    RosterFields fields_;
    RosterControls controls_;
    bool changed_ = false;
    bool takenOut_ = false;  // the hand-over took a record out that is not added back yet
    std::vector<std::string> deleteList_;
    std::string action_;
    bool damaged_ = false;
    bool closed_ = false;
};

}  // namespace brackwell
