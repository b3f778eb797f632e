#include "reports/rules/WorkBox.h"

#include <algorithm>

#include "core/TextHelpers.h"

namespace brackwell::reports {

void WorkBox::Add(std::string text, std::size_t tag) {
    const auto at = std::upper_bound(items_.begin(), items_.end(), text, [](const std::string& value, const Item& item) {
        return CompareListOrder(value, item.text) < 0;
    });
    items_.insert(at, Item{std::move(text), tag});
}

}  // namespace brackwell::reports
