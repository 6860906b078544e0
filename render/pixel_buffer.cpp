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
constexpr std::size_t kPage = std::size_t{4} << 10;

std::size_t bytes_of(std::size_t count) { return std::max<std::size_t>(count, 1); }

#ifdef __linux__
// Pages of their own, aligned to huge pages: given back to the system as
// soon as they are freed (memory from the heap may stay with the process).
std::size_t mapped_bytes(std::size_t count) { return (bytes_of(count) + kPage - 1) / kPage * kPage; }

std::uint8_t* allocate(std::size_t count) {
  const std::size_t bytes = mapped_bytes(count);
  void* mapped = mmap(nullptr, bytes + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) throw std::bad_alloc();
  // Keep the aligned part; the rest goes back at once.
  auto* start = static_cast<char*>(mapped);
  auto* aligned = reinterpret_cast<char*>((reinterpret_cast<std::uintptr_t>(start) + kHugePage - 1) & ~(kHugePage - 1));
  if (aligned != start) munmap(start, static_cast<std::size_t>(aligned - start));
  if (const std::size_t tail = static_cast<std::size_t>(start + bytes + kHugePage - (aligned + bytes)); tail != 0)
    munmap(aligned + bytes, tail);
  // Huge pages for the whole ones only (a request: without them the buffer
  // works the same): rounded up, the picture at scale 1 (1.1 MB) would
  // hold 2 MB.
  if (const std::size_t whole = bytes / kHugePage * kHugePage; whole != 0) madvise(aligned, whole, MADV_HUGEPAGE);
  return reinterpret_cast<std::uint8_t*>(aligned);
}

void release(std::uint8_t* pixels, std::size_t count) { munmap(pixels, mapped_bytes(count)); }
#else
std::uint8_t* allocate(std::size_t count) {
  void* memory = std::malloc(bytes_of(count));
  if (memory == nullptr) throw std::bad_alloc();
  return static_cast<std::uint8_t*>(memory);
}

void release(std::uint8_t* pixels, std::size_t) { std::free(pixels); }
#endif

}  // namespace

void PixelBuffer::Free::operator()(std::uint8_t* pixels) const { release(pixels, count); }

PixelBuffer::PixelBuffer(std::size_t count, std::uint8_t value) : count_(count), pixels_(allocate(count), Free{count}) {
  std::fill_n(pixels_.get(), count, value);
}

}  // namespace pelmora
