// The picture's pixels in memory of their own. A picture at scale 3 takes
// 44 MB: in the usual 4 KiB pages, filling it fresh for a new scale costs
// eleven thousand page faults (on some virtual machines over 100 ms), and
// drawing down a column touches a page per pixel. On Linux the buffer is
// mapped on its own and asks for huge pages, where the system gives them on
// request; it goes back to the system when the picture takes another size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace pelmora {

class PixelBuffer {
 public:
  PixelBuffer(std::size_t count, std::uint32_t value);

  std::uint32_t* data() { return pixels_.get(); }
  const std::uint32_t* data() const { return pixels_.get(); }
  std::uint32_t& operator[](std::size_t i) { return pixels_[i]; }
  std::uint32_t operator[](std::size_t i) const { return pixels_[i]; }
  std::size_t size() const { return count_; }

 private:
  struct Free {
    std::size_t count;
    void operator()(std::uint32_t* pixels) const;
  };
  std::size_t count_;
  std::unique_ptr<std::uint32_t[], Free> pixels_;
};

}  // namespace pelmora
