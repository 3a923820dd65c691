#pragma once
// A mixed-radix counter over the decoration lists of the wanted skills in
// permuted order: how many of the best decorations of each list to skip.

#include <array>

namespace vk {

class Odometer {
public:
    // `lengths[k]` is the length of list k (k < n); an empty list counts as length 1.
    Odometer(const std::array<int, 5>& lengths, int n) : n_(n) {
        for (int k = 0; k < 5; ++k) radix_[k] = lengths[k] > 0 ? lengths[k] : 1;
    }

    int operator[](int k) const { return counter_[k]; }

    // Counter 0 moves fastest; a counter that reaches its radix goes back to 0
    // and carries. False when the last counter overflows (every value seen).
    bool advance() {
        for (int k = 0; k < n_; ++k) {
            if (++counter_[k] < radix_[k]) return true;
            counter_[k] = 0;
        }
        return false;
    }

private:
    int n_;
    std::array<int, 5> radix_{};
    std::array<int, 5> counter_{};
};

}  // namespace vk
