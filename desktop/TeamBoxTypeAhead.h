#pragma once
// Type-ahead from a text box into a list box: the key-press half of the type-ahead search, on
// Qt widgets.

class QKeyEvent;
class QLineEdit;
class QListWidget;

#include <string>
#include <vector>

namespace brackwell {

// Completes the box's text from entries (the list's items, in list order) for a printable key
// or Backspace, selecting the entry found in the list. True when the key was consumed.
bool TypeAheadKey(QLineEdit& box, QListWidget& list, const std::vector<std::string>& entries, const QKeyEvent& key);

}  // namespace brackwell
