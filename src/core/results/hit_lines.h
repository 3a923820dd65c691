#pragma once
// The R records of a result file: "R", the five piece rows and the eighteen
// decoration rows of each hit, CR LF. They are most of a large file, so they
// are formatted in blocks, on two threads when the machine has two.

#include "core/files/buffered_text.h"
#include "core/search/hits/result_store.h"

namespace vk {

void writeHitLines(BufferedText& out, const ResultStore& hits);

}  // namespace vk
