#pragma once
// Remembers what the slot estimate and the decoration search said for a
// combination. Their outcome depends only on the five pieces' slot counts,
// BodyFactor and the Need vector (the weapon slots, the fixed layout and the
// decoration candidates are the same for a whole search), so combinations
// that agree on those share one answer.

#include <array>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <unordered_map>

#include "core/catalogue/deco_set.h"
#include "core/search/fast/fast_profiles.h"

namespace vk {

struct DecoKey {
    std::array<int, kArmourParts + 1 + kWantedSlots> v{};  // slots per part, BodyFactor, Need

    DecoKey(const std::array<int, kArmourParts>& slots, int bodyFactor, const WantedInts& need);
    bool operator==(const DecoKey&) const = default;
};

struct DecoKeyHash {
    std::size_t operator()(const DecoKey& k) const {
        std::uint64_t h = 1469598103934665603ull;
        for (int x : k.v) h = (h ^ static_cast<std::uint32_t>(x)) * 1099511628211ull;
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
};

struct DecoOutcome {
    bool success = false;
    DecoSet decos;  // the layout found, on success
};

class DecoMemo {
public:
    // Memory stays bounded: when the table is full it starts over.
    static constexpr std::size_t kMaxEntries = 1u << 16;
    explicit DecoMemo(std::size_t maxEntries = kMaxEntries) : maxEntries_(maxEntries) {}

    const DecoOutcome* find(const DecoKey& key) const {
        const auto it = map_.find(key);
        return it == map_.end() ? nullptr : &it->second;
    }
    const DecoOutcome& insert(const DecoKey& key, const DecoOutcome& outcome) {
        if (map_.size() >= maxEntries_) map_.clear();
        return map_.insert_or_assign(key, outcome).first->second;
    }

private:
    std::size_t maxEntries_;
    std::unordered_map<DecoKey, DecoOutcome, DecoKeyHash> map_;
};

// One memo for all threads of a search. It is cut into shards with a lock
// each, so that two threads seldom wait for each other, and holds at most
// twice as many entries as one DecoMemo.
class SharedDecoMemo {
public:
    // Copies the outcome for `key` into `out`; false when there is none.
    bool find(const DecoKey& key, DecoOutcome& out) const {
        const Shard& shard = shardOf(key);
        const std::lock_guard lock(shard.mutex);
        const DecoOutcome* known = shard.memo.find(key);
        if (known) out = *known;
        return known != nullptr;
    }
    void insert(const DecoKey& key, const DecoOutcome& outcome) {
        Shard& shard = shardOf(key);
        const std::lock_guard lock(shard.mutex);
        shard.memo.insert(key, outcome);
    }

private:
    static constexpr std::size_t kShards = 64;
    // A cache line each, so that a lock taken by one thread does not slow
    // the next shard's.
    struct alignas(64) Shard {
        mutable std::mutex mutex;
        DecoMemo memo{2 * DecoMemo::kMaxEntries / kShards};
    };
    const Shard& shardOf(const DecoKey& key) const { return shards_[DecoKeyHash{}(key) >> 58]; }
    Shard& shardOf(const DecoKey& key) { return shards_[DecoKeyHash{}(key) >> 58]; }
    std::array<Shard, kShards> shards_;
};

}  // namespace vk
