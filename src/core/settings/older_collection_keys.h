#pragma once
// Older settings files kept the exclusions, owned pieces and my sets as
// numbered keys; they are read (never written) when config.csv is missing
// or its reading stopped before the end. Every list ends at the first
// number whose name key is missing or whose piece resolves nowhere.
//
//   [Condition]  Except{Leg..Wst}Name%d / Index%d, ExceptDecoName%d / Index%d
//   [Possession] {Leg..Wst}Name%d / Index%d, {Leg..Wst}DecoName%d_%d / Index%d_%d
//   [Myset]      MysetName%d, MysetSex%d, MysetType%d, WeponSlot%d,
//                {Leg..Wst}Name%d / Index%d, {Leg..Wepon}DecoName%d_%d / Index%d_%d

#include "core/catalogue/catalogue.h"
#include "core/collections/collections.h"
#include "core/settings/ini_file.h"

namespace vk {

// Adds what the older keys hold: the exclusions of the five parts in
// PartIndex order, then of the decorations; the owned pieces of each part;
// the my sets. A decoration resolves by its name, by its stored index only
// when the name is gone; a decoration list ends at its first gap.
void readOlderCollectionKeys(const IniFile& ini, const Catalogue& catalogue, Collections& into);

}  // namespace vk
