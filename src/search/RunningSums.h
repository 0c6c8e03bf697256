#pragma once

#include <cstddef>
#include <cstdint>

namespace vellumark {

/// The second pointer of a running sum. For start positions taken in
/// increasing order it finds the first end position at which the sum of the
/// values from the start reaches a target, without adding the values again:
/// the sum drops the values before the start and takes more after the end.
/// The values must not be negative (no record field and no method gives one),
/// so the end never moves back.
///
///   values 3 4 3, target 7: from(0) = 1 (sum 7), from(1) = 2 (sum 7),
///   from(2) = 3, the end: 3 alone does not reach 7.
///
/// `Value(k)` gives the value at position k, of any integer type; sums are
/// 64-bit.
template <typename Value>
class RunningSum {
public:
    RunningSum(std::size_t end, std::int64_t target, Value value)
        : end_(end), target_(target), value_(value) {}

    /// The first j ≥ `start` below the end whose sum from `start` to j reaches
    /// the target, or the end when none does.
    std::size_t from(std::size_t start) {
        if (next_ <= start) {
            first_ = next_ = start;
            sum_ = 0;
        }
        for (; first_ < start; ++first_) sum_ -= value_(first_);
        // At least one value: a run is never empty.
        while (next_ < end_ && (next_ == first_ || sum_ < target_)) sum_ += value_(next_++);
        return sum_ >= target_ && next_ > first_ ? next_ - 1 : end_;
    }

    /// The sum from the last start to the position `from` returned.
    std::int64_t sum() const { return sum_; }

private:
    std::size_t end_;
    std::int64_t target_;
    Value value_;
    std::size_t first_ = 0;  ///< the sum runs from first_ up to next_ - 1
    std::size_t next_ = 0;
    std::int64_t sum_ = 0;
};

}  // namespace vellumark
