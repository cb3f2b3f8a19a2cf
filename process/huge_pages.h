// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_PROCESS_HUGE_PAGES_H_
#define PELIKAN_PROCESS_HUGE_PAGES_H_

namespace pelikan {

// Lets the heap grow in one large step and asks the kernel to back that step
// with transparent huge pages. Call first thing in main, before the heap is
// in use. Does nothing harmful where huge pages are off or the heap lies
// elsewhere: the request is only advice. Nothing at all but under glibc.
void PreferHugePagesForHeap();

}  // namespace pelikan

#endif  // PELIKAN_PROCESS_HUGE_PAGES_H_
