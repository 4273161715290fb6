#include "cli/heap_pages.h"

#include <cstdint>
#include <cstdlib>  // defines __GLIBC__ with the GNU C library

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#endif

namespace ombrel {

#if defined(__linux__) && defined(__GLIBC__)

namespace {
// Held for the life of the process (volatile: the block must really be taken).
void* volatile filler = nullptr;
}  // namespace

void PlaceHeapOnHugePages() {
  constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
  constexpr std::size_t kSpan = 4 * kHugePage;
  constexpr std::uintptr_t kChunkHeader = 16;  // the allocator's bookkeeping before a block
  // Every block from the heap proper (none mapped apart) and the heap never
  // shrunk, so the marked pages stay in use.
  if (mallopt(M_MMAP_THRESHOLD, 32 << 20) == 0 || mallopt(M_TRIM_THRESHOLD, 64 << 20) == 0) return;
  // A large block extends the heap; inside it, untouched, the first whole
  // huge pages are marked. Freed, it returns to the top of the heap.
  void* span = std::malloc(kSpan);
  if (span == nullptr) return;
  const std::uintptr_t top = reinterpret_cast<std::uintptr_t>(span) - kChunkHeader;
  const std::uintptr_t aligned = (top + 4096 + kHugePage - 1) & ~(kHugePage - 1);
  const bool marked = madvise(reinterpret_cast<void*>(aligned), 2 * kHugePage, MADV_HUGEPAGE) == 0;
  std::free(span);
  // A block that is never touched fills the heap up to the first huge page,
  // so that the blocks of the computation begin there. It is never freed.
  if (marked) filler = std::malloc(aligned - top - 2 * kChunkHeader);
}

#else

void PlaceHeapOnHugePages() {}

#endif

}  // namespace ombrel
