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
#include <optional>
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

    const DecoOutcome* find(const DecoKey& key) const {
        const auto it = map_.find(key);
        return it == map_.end() ? nullptr : &it->second;
    }
    const DecoOutcome& insert(const DecoKey& key, const DecoOutcome& outcome) {
        if (map_.size() >= kMaxEntries) map_.clear();
        return map_.insert_or_assign(key, outcome).first->second;
    }

private:
    std::unordered_map<DecoKey, DecoOutcome, DecoKeyHash> map_;
};

// One memo for all threads of a search, behind a lock; each thread keeps its
// own DecoMemo in front of it, so the lock is taken only on a local miss.
class SharedDecoMemo {
public:
    std::optional<DecoOutcome> find(const DecoKey& key) const {
        const std::lock_guard lock(mutex_);
        const DecoOutcome* known = memo_.find(key);
        return known ? std::optional<DecoOutcome>(*known) : std::nullopt;
    }
    void insert(const DecoKey& key, const DecoOutcome& outcome) {
        const std::lock_guard lock(mutex_);
        memo_.insert(key, outcome);
    }

private:
    mutable std::mutex mutex_;
    DecoMemo memo_;
};

}  // namespace vk
