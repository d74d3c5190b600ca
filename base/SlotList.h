#pragma once
// A per-entry list of the application state: 2001 slots, indices 0 to 2000.

#include <array>

// The lists never grow: a filler that runs out of slots stops (see `SlotList::fits`). An index
// outside the slots reaches a scratch element instead of foreign memory, so a missed check can
// lose a value but never corrupt the state.
template <typename T> class SlotList {
public:
    static constexpr int kSlots = 2001;
    static constexpr int kLast = kSlots - 1;
    // The clearing loops of the program run over 0..1999 and leave slot 2000 alone.
    static constexpr int kClearCount = 2000;

    static constexpr bool fits(int index) { return index >= 0 && index <= kLast; }

    T& operator[](int index) {
        if (!fits(index)) {
            outside_ = T();
            return outside_;
        }
        return items_[static_cast<std::size_t>(index)];
    }
    const T& operator[](int index) const {
        static const T none{};
        return fits(index) ? items_[static_cast<std::size_t>(index)] : none;
    }

    // Sets slots 0..1999 to `value`.
    void clear(const T& value = T()) {
        for (int i = 0; i < kClearCount; ++i)
            items_[static_cast<std::size_t>(i)] = value;
    }

    // The end of a string list is its first empty element.
    int countUntilEmpty() const {
        int n = 0;
        while (n < kSlots && !items_[static_cast<std::size_t>(n)].isEmpty())
            ++n;
        return n;
    }

private:
    std::array<T, kSlots> items_{};
    T outside_{};
};
