#pragma once
// lstWorkBox, the report window's hidden sorted list: the generators' sort buffer.

#include <cstddef>
#include <string>
#include <vector>

namespace brackwell::reports {

// Items kept in ascending, case-insensitive order as the list keeps them (texts that differ
// only in case by their bytes). An item equal to one already there goes after it, so equal
// texts keep the order they were added in. Each item carries a tag for the caller (the index
// of the record it stands for), so a record is never rebuilt by splitting its text.
class WorkBox {
public:
    struct Item {
        std::string text;
        std::size_t tag = 0;
    };

    void Clear() {
        items_.clear();
        folded_.clear();
        foldedEnds_.clear();
    }
    void Add(std::string text, std::size_t tag = 0);
    const std::vector<Item>& items() const;

private:
    // Sorted when next read: a report adds tens of thousands of items before it reads one.
    // Each item's case-folded text is made once, so sorting compares plain bytes; the folded
    // texts lie end to end in one buffer (item i's ends at foldedEnds_[i]), so a comparison
    // reads bytes that lie together rather than following a pointer per item.
    mutable std::vector<Item> items_;
    mutable std::string folded_;
    mutable std::vector<std::size_t> foldedEnds_;
    mutable bool sorted_ = true;
};

}  // namespace brackwell::reports
