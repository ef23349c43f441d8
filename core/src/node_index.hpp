#pragma once
// A map from node addresses to small numbers, for the writer's bookkeeping of large trees.
#include <bit>
#include <cstdint>
#include <utility>
#include <vector>

namespace holvane {

class Node;

// Maps each node of a tree to a number, in one flat table: open addressing on the node's
// address, so a lookup touches one or two cache lines, and a tree of any size costs a handful
// of allocations rather than one per node.
class NodeIndex {
public:
    static constexpr std::uint32_t kNone = UINT32_MAX;

    // Empties the table, keeping its memory.
    void Clear() {
        slots_.assign(slots_.size(), Slot{});
        size_ = 0;
    }
    // The number kept for node; when there is none, keeps `number` and returns it with true.
    std::pair<std::uint32_t, bool> Insert(const Node* node, std::uint32_t number) {
        if (2 * (size_ + 1) > slots_.size()) Grow();
        Slot& slot = slots_[SlotOf(node)];
        if (slot.node) return {slot.number, false};
        slot = {node, number};
        ++size_;
        return {number, true};
    }
    // The number kept for node, or kNone.
    std::uint32_t Find(const Node* node) const {
        if (slots_.empty()) return kNone;
        const Slot& slot = slots_[SlotOf(node)];
        return slot.node ? slot.number : kNone;
    }

private:
    struct Slot {
        const Node* node = nullptr;
        std::uint32_t number = 0;
    };

    // The slot holding node, or the empty slot where it belongs (the table is never full).
    std::size_t SlotOf(const Node* node) const {
        const std::size_t mask = slots_.size() - 1;
        // Fibonacci hashing spreads the aligned addresses over the whole table.
        const std::uint64_t address = reinterpret_cast<std::uintptr_t>(node);
        auto i = static_cast<std::size_t>((address * 0x9E3779B97F4A7C15ull) >> shift_);
        while (slots_[i].node && slots_[i].node != node) i = (i + 1) & mask;
        return i;
    }
    // Doubles the table (at least 64 slots) and puts every entry back.
    void Grow() {
        std::vector<Slot> old = std::move(slots_);
        slots_.assign(old.empty() ? 64 : 2 * old.size(), Slot{});
        shift_ = 64 - static_cast<unsigned>(std::countr_zero(slots_.size()));
        for (const Slot& slot : old)
            if (slot.node) slots_[SlotOf(slot.node)] = slot;
    }

    std::vector<Slot> slots_;  // a power of two in size, at most half full
    std::size_t size_ = 0;
    unsigned shift_ = 64;
};

}  // namespace holvane
