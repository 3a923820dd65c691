#pragma once
// Two quick clicks on a list heading are two clicks. A heading acts on a
// press followed by a release, but the window system hands the second press
// of a double click over as a double click only, so that click would be
// lost: a list ordered by a heading would flip once instead of twice.

class QHeaderView;

namespace vk {

// From now on the second press of a double click on one of `header`'s
// headings also reaches it as a press, while its sections are clickable. The
// double click itself still arrives after it (a double click on a section's
// edge still fits the column to its contents).
void countEveryHeadingClick(QHeaderView& header);

}  // namespace vk
