#include "reports/rules/WorkBox.h"

#include <algorithm>
#include <string_view>

#include "core/TextHelpers.h"

namespace brackwell::reports {

void WorkBox::Add(std::string text, std::size_t tag) {
    const auto start = static_cast<std::ptrdiff_t>(folded_.size());
    folded_ += text;
    std::transform(folded_.begin() + start, folded_.end(), folded_.begin() + start, LowerAnsi);
    foldedEnds_.push_back(folded_.size());
    items_.push_back(Item{std::move(text), tag});
    sorted_ = false;
}

// The order of CompareListOrder: the folded texts, then the texts' own bytes.
const std::vector<WorkBox::Item>& WorkBox::items() const {
    if (sorted_) return items_;
    struct Key {
        std::string_view folded;
        std::size_t index;
    };
    std::vector<Key> keys(items_.size());
    for (std::size_t i = 0, start = 0; i < keys.size(); start = foldedEnds_[i++])
        keys[i] = {std::string_view(folded_).substr(start, foldedEnds_[i] - start), i};
    std::stable_sort(keys.begin(), keys.end(), [this](const Key& a, const Key& b) {
        const int byFolded = a.folded.compare(b.folded);
        return byFolded != 0 ? byFolded < 0 : items_[a.index].text < items_[b.index].text;
    });
    std::vector<Item> items;
    std::string folded;
    items.reserve(keys.size());
    folded.reserve(folded_.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        items.push_back(std::move(items_[keys[i].index]));
        folded.append(keys[i].folded);
        foldedEnds_[i] = folded.size();
    }
    items_ = std::move(items);
    folded_ = std::move(folded);
    sorted_ = true;
    return items_;
}

}  // namespace brackwell::reports
