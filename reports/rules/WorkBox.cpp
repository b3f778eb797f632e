#include "reports/rules/WorkBox.h"

#include <algorithm>
#include <numeric>

#include "core/TextHelpers.h"

namespace brackwell::reports {

void WorkBox::Add(std::string text, std::size_t tag) {
    std::string folded = text;
    for (char& c : folded) c = LowerAnsi(c);
    folded_.push_back(std::move(folded));
    items_.push_back(Item{std::move(text), tag});
    sorted_ = false;
}

// The order of CompareListOrder: the folded texts, then the texts' own bytes.
const std::vector<WorkBox::Item>& WorkBox::items() const {
    if (sorted_) return items_;
    std::vector<std::size_t> order(items_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        const int byFolded = folded_[a].compare(folded_[b]);
        return byFolded != 0 ? byFolded < 0 : items_[a].text < items_[b].text;
    });
    std::vector<Item> items;
    std::vector<std::string> folded;
    items.reserve(order.size());
    folded.reserve(order.size());
    for (const std::size_t i : order) {
        items.push_back(std::move(items_[i]));
        folded.push_back(std::move(folded_[i]));
    }
    items_ = std::move(items);
    folded_ = std::move(folded);
    sorted_ = true;
    return items_;
}

}  // namespace brackwell::reports
