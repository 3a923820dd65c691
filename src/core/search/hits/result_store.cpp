#include "core/search/hits/result_store.h"

namespace vk {

namespace {

constexpr std::uint64_t kKeptWholeBit = std::uint64_t{1} << 47;

// A row or decoration row plus one; false when it does not fit 16 bits.
bool packRow(int value, std::uint16_t& field) {
    if (value < -1 || value > 0xFFFE) return false;
    field = static_cast<std::uint16_t>(value + 1);
    return true;
}

}  // namespace

void ResultStore::clear() {
    segments_ = {};  // the room goes too: an emptied store weighs nothing
    spare_ = {};
    whole_.clear();
    size_ = 0;
}

bool ResultStore::pack(const Result& hit, PackedHit& row) {
    // A searched hit has no number or sums yet: those are made when it is shown.
    if (hit.No != 0 || hit.Defence != 0 || hit.Slot != 0 || hit.Possessed != 0) return false;
    for (int p = 0; p < kArmourParts; ++p)
        if (!packRow(hit.Index[p], row.pieces[p])) return false;
    const DecoSet& d = hit.Decos;
    std::uint64_t layout = 0;
    for (int p = 0; p < kDecoParts; ++p) {
        for (int s = 0; s < kSlotsPerPart; ++s) {
            if (!packRow(d.DecoIndex[p][s], row.decos[p * kSlotsPerPart + s])) return false;
            if (d.SlotUsed[p][s] != 0 && d.SlotUsed[p][s] != 1) return false;
            layout |= static_cast<std::uint64_t>(d.SlotUsed[p][s]) << (p * kSlotsPerPart + s);
        }
        if (d.SlotsUsed[p] < 0 || d.SlotsUsed[p] > 3 || d.DecoCount[p] < 0 || d.DecoCount[p] > 3) return false;
        layout |= static_cast<std::uint64_t>(d.SlotsUsed[p]) << (18 + 2 * p);
        layout |= static_cast<std::uint64_t>(d.DecoCount[p]) << (30 + 2 * p);
    }
    for (int k = 0; k < 3; ++k) row.layout[k] = static_cast<std::uint16_t>(layout >> (16 * k));
    // DecoTotal is not stored: unpacking makes it the sum of the counts.
    int total = 0;
    for (int p = 0; p < kDecoParts; ++p) total += d.DecoCount[p];
    return d.DecoTotal == total;
}

Result ResultStore::unpack(const PackedHit& row) {
    Result hit;
    for (int p = 0; p < kArmourParts; ++p) hit.Index[p] = row.pieces[p] - 1;
    std::uint64_t layout = 0;
    for (int k = 0; k < 3; ++k) layout |= static_cast<std::uint64_t>(row.layout[k]) << (16 * k);
    DecoSet& d = hit.Decos;
    for (int p = 0; p < kDecoParts; ++p) {
        for (int s = 0; s < kSlotsPerPart; ++s) {
            d.DecoIndex[p][s] = row.decos[p * kSlotsPerPart + s] - 1;
            d.SlotUsed[p][s] = static_cast<int>((layout >> (p * kSlotsPerPart + s)) & 1u);
        }
        d.SlotsUsed[p] = static_cast<int>((layout >> (18 + 2 * p)) & 3u);
        d.DecoCount[p] = static_cast<int>((layout >> (30 + 2 * p)) & 3u);
        d.DecoTotal += d.DecoCount[p];
    }
    return hit;
}

void ResultStore::appendRow(const PackedHit& row) {
    // The first segment doubles up to kSegmentRows, so that the many small
    // stores of a search's slices stay small; later ones are made whole.
    // Either way a full segment holds exactly kSegmentRows rows of room.
    if (segments_.empty() || segments_.back().size() == kSegmentRows) {
        if (!segments_.empty() && spare_.capacity() == kSegmentRows) {
            segments_.push_back(std::move(spare_));
            spare_ = {};
        } else {
            segments_.emplace_back();
            if (segments_.size() > 1) segments_.back().reserve(kSegmentRows);
        }
    }
    std::vector<PackedHit>& last = segments_.back();
    if (last.size() == last.capacity()) last.reserve(std::min(kSegmentRows, std::max<std::size_t>(1, 2 * last.size())));
    last.push_back(row);
    ++size_;
}

void ResultStore::push_back(const Result& hit) {
    PackedHit row{};
    if (!pack(hit, row)) {
        row = PackedHit{};
        row.layout[2] = static_cast<std::uint16_t>(kKeptWholeBit >> 32);
        whole_.emplace(size_, hit);
    }
    appendRow(row);
}

void ResultStore::appendFrom(const ResultStore& other, std::size_t i) {
    const PackedHit& packed = other.row(i);
    if (keptWhole(packed)) whole_.emplace(size_, other.whole_.at(i));
    appendRow(packed);
}

void ResultStore::takeFrom(ResultStore& other, std::size_t i) {
    const PackedHit packed = other.row(i);
    if (keptWhole(packed)) whole_.emplace(size_, std::move(other.whole_.extract(i).mapped()));
    appendRow(packed);
    if ((i + 1) % kSegmentRows == 0) {
        spare_ = std::move(other.segments_[i / kSegmentRows]);
        spare_.clear();
    }
}

void ResultStore::truncate(std::size_t n) {
    if (n >= size_) return;
    if (n == 0) return clear();
    whole_.erase(whole_.lower_bound(n), whole_.end());
    const std::size_t kept = (n + kSegmentRows - 1) / kSegmentRows;
    segments_.resize(kept);
    // The last segment keeps no spare room, so that memoryBytes stays exact.
    segments_.back().resize(n - (kept - 1) * kSegmentRows);
    segments_.back().shrink_to_fit();
    size_ = n;
}

Result ResultStore::operator[](std::size_t i) const {
    const PackedHit& packed = row(i);
    if (keptWhole(packed)) return whole_.at(i);
    return unpack(packed);
}

ResultStore::StoredRows ResultStore::storedRows(std::size_t i) const {
    const PackedHit& packed = row(i);
    StoredRows rows;
    if (keptWhole(packed)) {
        const Result& hit = whole_.at(i);
        for (int p = 0; p < kArmourParts; ++p) rows.pieces[p] = hit.Index[p];
        for (int p = 0; p < kDecoParts; ++p)
            for (int s = 0; s < kSlotsPerPart; ++s) rows.decos[p * kSlotsPerPart + s] = hit.Decos.DecoIndex[p][s];
        return rows;
    }
    for (int p = 0; p < kArmourParts; ++p) rows.pieces[p] = packed.pieces[p] - 1;
    for (std::size_t k = 0; k < rows.decos.size(); ++k) rows.decos[k] = packed.decos[k] - 1;
    return rows;
}

std::size_t ResultStore::memoryBytes() const {
    std::size_t bytes = segments_.capacity() * sizeof(std::vector<PackedHit>);
    // Every segment but the last is full (appendRow), with no spare room.
    if (!segments_.empty())
        bytes += ((segments_.size() - 1) * kSegmentRows + segments_.back().capacity()) * sizeof(PackedHit);
    // A map node holds the hit, the key and three links with a colour.
    return bytes + whole_.size() * (sizeof(Result) + sizeof(std::size_t) + 4 * sizeof(void*));
}

bool ResultStore::operator==(const ResultStore& other) const {
    if (size_ != other.size_) return false;
    for (std::size_t i = 0; i < size_; ++i)
        if ((*this)[i] != other[i]) return false;
    return true;
}

}  // namespace vk
