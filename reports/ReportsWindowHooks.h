#pragma once
// What the report window asks of the bracket, standings and mail windows.

#include <functional>
#include <string>

namespace brackwell {

struct ReportsWindowHooks {
    std::function<void(const std::string& selectionFile)> printScoredSelection;  // printout 0: the bracket window shows the file scored and prints itself
    std::function<void()> printResultsSheet;      // printout 1: the bracket window's Enter Game Results, then Print Form
    std::function<void()> gotoCustomReporting;    // the bracket window to results display and the standings window shown
    std::function<void()> closed;                 // the bracket window re-enables "Report Options"
    std::function<void(bool emailAll)> showMailWindow;  // the mail window, modal, with every participant ticked when emailAll
};

}  // namespace brackwell
