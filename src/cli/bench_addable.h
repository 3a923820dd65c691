#pragma once
// The additional-skill cases of the bench: each a search condition (the
// options of "velkorantis-cli search") whose addable skills are decided the
// fast way, with the signature of the lists; and, on request, the plain
// loop (one fast search per candidate, to its first hit) beside it.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "cli/bench_suite.h"

namespace vk::cli {

const std::vector<BenchCase>& addableBenchCases();

struct AddableBenchResult {
    std::string name;
    std::size_t candidates = 0;
    std::vector<int> addable;  // SkillEq rows, table order
    double seconds = 0.0;
    // With the plain loop: its time and its list (empty otherwise).
    double plainSeconds = 0.0;
    std::vector<int> plainAddable;
};

struct AddableBenchReport {
    std::vector<AddableBenchResult> cases;
    std::uint64_t signature = 0;  // over each case's candidate count and addable rows
};

// Runs every case in order with `threads` threads (<= 0: one per hardware
// thread); `plain` adds the plain loop. `onCase` (may be empty) hears of
// each as it ends. Throws UsageError when a case's names are not in `cat`.
AddableBenchReport runAddableBench(const Catalogue& cat, int threads, bool plain,
                                   const std::function<void(const AddableBenchResult&)>& onCase);

// "name A of C addable S s", and with the plain loop its seconds, the ratio
// and whether the lists agree.
std::string addableBenchLine(const AddableBenchResult& r, bool plain);

}  // namespace vk::cli
