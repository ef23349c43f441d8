#pragma once
// The ordered list of a graph's series (or surfaces), positions 1 to Count.
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "holvane/error.hpp"
#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// An ordered list of items of type T with 1-based positions. Bad positions raise
// holvane::kObjectError "Invalid index into the list" and change nothing.
template <class T>
class SeriesCollection {
public:
    // The item at index (1..Count).
    std::shared_ptr<T> Get1Series(std::int16_t index) const { return items_[Slot(index)]; }
    // Removes the item at index (1..Count) and closes the gap.
    void RemoveSeries(std::int16_t index) { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(Slot(index))); }
    // Appends an item. A list holds at most 32767 (its 16-bit Count); one more raises
    // holvane::kOverflow and changes nothing.
    void AddSeries(std::shared_ptr<T> vNewValue) {
        if (items_.size() >= static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()))
            throw holvane::Error(holvane::kOverflow, "Overflow: a series list holds at most 32767 entries");
        items_.push_back(std::move(vNewValue));
    }
    void ClearSeries() { items_.clear(); }
    std::int16_t Count() const { return static_cast<std::int16_t>(items_.size()); }
    // The items in order, for the graph's export.
    const std::vector<std::shared_ptr<T>>& Items() const { return items_; }

private:
    std::size_t Slot(std::int16_t index) const {
        if (index < 1 || index > Count()) holvane::Fail("Invalid index into the list");
        return static_cast<std::size_t>(index - 1);
    }
    std::vector<std::shared_ptr<T>> items_;
};

}  // namespace atrium
ATRIUM_EXPORT_END
