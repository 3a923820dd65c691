#pragma once
// The hits of one search in search order, packed: a million hits take about
// 52 MB instead of the 232 MB whole records would. A row keeps the piece
// rows, the decoration rows and the decoration layout in 16-bit fields; a hit
// that does not fit them (a row above 65534, a layout no placement makes, a
// number or sums already set) is kept whole beside the rows, so every hit
// reads back exactly as it was stored.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <map>
#include <utility>
#include <vector>

#include "core/search/hits/result.h"

namespace vk {

class ResultStore {
public:
    ResultStore() = default;
    ResultStore(std::initializer_list<Result> hits) {
        for (const Result& hit : hits) push_back(hit);
    }
    ResultStore(const ResultStore&) = default;
    ResultStore& operator=(const ResultStore&) = default;
    // A store moved from is empty.
    ResultStore(ResultStore&& other) noexcept
        : segments_(std::move(other.segments_)), whole_(std::move(other.whole_)), size_(std::exchange(other.size_, 0)) {
        other.clear();
    }
    ResultStore& operator=(ResultStore&& other) noexcept {
        if (this == &other) return *this;
        segments_ = std::move(other.segments_);
        whole_ = std::move(other.whole_);
        size_ = std::exchange(other.size_, 0);
        other.clear();
        return *this;
    }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    void clear();

    void push_back(const Result& hit);
    // Appends hit `i` of `other` without unpacking it.
    void appendFrom(const ResultStore& other, std::size_t i);
    // The same, taking the hit out of `other`, whose hits are taken in order:
    // a segment's room goes with its last row, so a store moved hit by hit
    // into another is never held twice. Hits taken must not be read again,
    // and `other` is left to be cleared; the room may go to this store.
    void takeFrom(ResultStore& other, std::size_t i);
    // Keeps the first `n` hits, giving back the room of the rest.
    void truncate(std::size_t n);

    Result operator[](std::size_t i) const;
    // The piece rows and the decoration rows (part by part, slot by slot) of
    // hit `i`: all a result file keeps of a hit, read without unpacking it.
    struct StoredRows {
        std::array<int, kArmourParts> pieces;
        std::array<int, kDecoParts * kSlotsPerPart> decos;
    };
    StoredRows storedRows(std::size_t i) const;
    Result front() const { return (*this)[0]; }
    Result back() const { return (*this)[size_ - 1]; }

    // What the rows and the whole hits beside them take, in bytes, reserved
    // room included; the search engines weigh it against their memory budget
    // after every hit, so it is worked out in constant time.
    std::size_t memoryBytes() const;
    // The fewest hits whose rows alone take `bytes` or more (at least one): a
    // store that holds them has reached a budget of `bytes`.
    static std::size_t hitsFilling(std::size_t bytes) {
        return std::max<std::size_t>(1, bytes / sizeof(PackedHit) + (bytes % sizeof(PackedHit) != 0));
    }

    bool operator==(const ResultStore& other) const;

    // Reads hits by value, in order.
    class const_iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = Result;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = Result;

        const_iterator() = default;
        const_iterator(const ResultStore* store, std::size_t i) : store_(store), i_(i) {}
        Result operator*() const { return (*store_)[i_]; }
        const_iterator& operator++() {
            ++i_;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++i_;
            return before;
        }
        bool operator==(const const_iterator& other) const { return i_ == other.i_; }

    private:
        const ResultStore* store_ = nullptr;
        std::size_t i_ = 0;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size_}; }

private:
    // 26 16-bit fields. Rows and decoration rows are stored plus one, so
    // that -1 fits as 0.
    struct PackedHit {
        std::uint16_t pieces[kArmourParts];
        std::uint16_t decos[kDecoParts * kSlotsPerPart];
        // Bits 0-17: SlotUsed; 18-29: SlotsUsed, two bits a part; 30-41:
        // DecoCount, two bits a part; 47: the hit is kept whole.
        std::uint16_t layout[3];
    };
    static_assert(sizeof(PackedHit) == 52, "a packed hit is 26 16-bit fields");
    static constexpr std::size_t kSegmentRows = 4096;  // rows grow by segments: no copy, no doubling

    static bool pack(const Result& hit, PackedHit& row);
    static Result unpack(const PackedHit& row);
    static bool keptWhole(const PackedHit& row) { return (row.layout[2] & 0x8000u) != 0; }
    const PackedHit& row(std::size_t i) const { return segments_[i / kSegmentRows][i % kSegmentRows]; }
    void appendRow(const PackedHit& row);

    std::vector<std::vector<PackedHit>> segments_;
    // A full segment's room given up by a store this one takes hits from
    // (takeFrom), for its next segment: the room moves instead of being
    // freed in one place and made in another, where the allocator would keep
    // both. Not part of memoryBytes: the store's content, not its room, is
    // what the budget weighs, and the same hits must weigh the same.
    std::vector<PackedHit> spare_;
    std::map<std::size_t, Result> whole_;  // by position
    std::size_t size_ = 0;
};

}  // namespace vk
