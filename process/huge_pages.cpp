// SPDX-License-Identifier: GPL-3.0-or-later
#include "process/huge_pages.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace pelikan {
namespace {

// Held in a volatile, as the compiler may drop a block that nothing holds.
[[maybe_unused]] void* volatile heap_filler = nullptr;

}  // namespace

// A conversion touches some 14 MB of fresh heap for a large log (the result
// list, the file text, the registers). Every fresh 4 KiB page costs a fault,
// dear on a virtual machine, while a 2 MiB page costs one: for a log at the
// contact limit, most of a run's faults go, and the run takes less time
// (bench/README.md, "Huge-page heap"; --help, which needs little heap,
// takes a little more). Transparent
// huge pages are commonly given only where asked for (madvise), and glibc
// asks for none: so the heap is grown by one step that is then asked for,
// and the blocks that would each get a mapping of their own are taken from
// the heap instead.
void PreferHugePagesForHeap() {
#if defined(M_TOP_PAD)  // glibc's heap; a WebAssembly heap has no pages to ask the kernel for
  constexpr std::size_t kStep = std::size_t{32} << 20;  // glibc's largest mmap threshold
  constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
  mallopt(M_MMAP_THRESHOLD, static_cast<int>(kStep));
  mallopt(M_TOP_PAD, static_cast<int>(kStep));
  mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * kStep));
  // More than the heap's first top, so the heap grows by the pad now.
  constexpr std::size_t kProbe = std::size_t{256} << 10;
  void* probe = std::malloc(kProbe);
  if (probe == nullptr) return;
  const auto at = reinterpret_cast<std::uintptr_t>(probe);
  // Above the probe and the header malloc wrote after it: a 2 MiB block
  // with a page in use already gets no huge page.
  const auto start = (at + kProbe + 64 + kHugePage - 1) & ~(kHugePage - 1);
  const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0)) & ~(kHugePage - 1);
  std::free(probe);
  // The probe came from the heap only when the heap's end lies just above it.
  if (end <= start || end - start > 2 * kStep) return;
  madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
  // The heap below `start` is filled with a block that is never used or
  // freed, so that the run's memory starts at `start`. Never touched, it
  // costs address space only.
  heap_filler = std::malloc(start - at);
#endif
}

}  // namespace pelikan
