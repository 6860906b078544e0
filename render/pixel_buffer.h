// The picture's pixels, a byte each, in memory of their own. A picture at
// scale 4 takes 18 MB: in the usual 4 KiB pages, filling it fresh for a new
// scale costs four and a half thousand page faults, and drawing down a
// column touches a page per pixel. On Linux the buffer is mapped on its own
// and asks for huge pages where it spans whole ones, which the system gives
// on request; it goes back to the system when the picture takes another
// size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace pelmora {

class PixelBuffer {
 public:
  PixelBuffer(std::size_t count, std::uint8_t value);

  std::uint8_t* data() { return pixels_.get(); }
  const std::uint8_t* data() const { return pixels_.get(); }
  std::uint8_t& operator[](std::size_t i) { return pixels_[i]; }
  std::uint8_t operator[](std::size_t i) const { return pixels_[i]; }
  std::size_t size() const { return count_; }

 private:
  struct Free {
    std::size_t count;
    void operator()(std::uint8_t* pixels) const;
  };
  std::size_t count_;
  std::unique_ptr<std::uint8_t[], Free> pixels_;
};

}  // namespace pelmora
