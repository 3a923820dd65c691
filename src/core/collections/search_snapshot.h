#pragma once
// The collections as a search takes them when it starts: copied, so edits
// made while it runs cannot race with it.

#include "core/search/condition/except_flags.h"
#include "core/search/condition/possession.h"
#include "core/search/engine/engine.h"

namespace vk {

// Owned rows per part in list order (possessions that resolved nowhere, row
// 0, own nothing) and a copy of the exclusion flags.
inline SearchSnapshot searchSnapshotOf(const PossessionLists& owned, const ExceptFlags& exclusions) {
    SearchSnapshot snapshot;
    for (int part = 0; part < kArmourParts; ++part)
        for (const Possession& p : owned[part])
            if (p.PossIndex > 0) snapshot.possessed[part].push_back(p.PossIndex);
    snapshot.exclusions = exclusions;
    return snapshot;
}

}  // namespace vk
