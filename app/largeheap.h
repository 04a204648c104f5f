#pragma once
// A one-shot command about to read a large design (mirel run, mirel import) builds tens of
// megabytes of small objects and touches each page once. Page by page, the faults cost more than
// the reading (more still in a virtual machine); in pages of 2 MB they nearly vanish.
#include <cstdint>
#include <string>

namespace mirel::cli {

// Readies the heap for about `bytes` of new data: taken from one contiguous region whose pages
// the kernel may back with huge pages. Does nothing for small amounts or where the system
// offers no such pages; never fails. Call it once, before the work, in a process that ends after.
void PrepareHeapFor(std::uint64_t bytes);

// The heap a design read from `path` will need, as PrepareHeapFor takes it (0 when the file
// cannot be sized: the reader then says why).
std::uint64_t HeapForDesignFile(const std::string& path);

}  // namespace mirel::cli
