#include "app/largeheap.h"

#include <climits>
#include <cstdlib>
#include <filesystem>

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#define MIREL_HUGE_PAGES 1
#endif

namespace mirel::cli {

void PrepareHeapFor(std::uint64_t bytes) {
#ifdef MIREL_HUGE_PAGES
  constexpr std::uintptr_t kHugePage = std::uintptr_t(2) << 20;
  constexpr std::uint64_t kMost = std::uint64_t(1) << 30;
  if (bytes < 2 * kHugePage) return;
  if (bytes > kMost) bytes = kMost;
  // Everything from the one heap, which is never given back: large blocks mapped on their own
  // would miss the advice below, and a trimmed heap would grow again in small pages.
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, INT_MAX);
  void* block = std::malloc(std::size_t(bytes));  // grows the heap without touching it
  if (!block) return;
  const std::uintptr_t start = (std::uintptr_t(block) + kHugePage - 1) & ~(kHugePage - 1);
  const std::uintptr_t end = (std::uintptr_t(block) + bytes) & ~(kHugePage - 1);
  if (end > start) madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
  std::free(block);  // back to the heap's top, for the work to take
#else
  (void)bytes;
#endif
}

std::uint64_t HeapForDesignFile(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  // The text, its tree, the design and a report on it: measured at eight to ten times the file.
  return error ? 0 : std::uint64_t(size) * 12;
}

}  // namespace mirel::cli
