#include "render/pixel_buffer.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace pelmora {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::uint32_t* allocate(std::size_t count) {
  const std::size_t bytes = std::max<std::size_t>(count, 1) * sizeof(std::uint32_t);
  if (bytes < kHugePage) {
    void* memory = std::malloc(bytes);
    if (memory == nullptr) throw std::bad_alloc();
    return static_cast<std::uint32_t*>(memory);
  }
  // Whole huge pages, aligned to them.
  const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
  void* memory = std::aligned_alloc(kHugePage, rounded);
  if (memory == nullptr) throw std::bad_alloc();
#ifdef __linux__
  madvise(memory, rounded, MADV_HUGEPAGE);  // a request: without huge pages the buffer works the same
#endif
  return static_cast<std::uint32_t*>(memory);
}

}  // namespace

void PixelBuffer::Free::operator()(std::uint32_t* pixels) const { std::free(pixels); }

PixelBuffer::PixelBuffer(std::size_t count, std::uint32_t value) : count_(count), pixels_(allocate(count)) {
  std::fill_n(pixels_.get(), count, value);
}

}  // namespace pelmora
