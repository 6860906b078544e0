#include "render/figure_record.h"

#include <algorithm>
#include <functional>
#include <new>
#include <unordered_map>
#include <utility>

namespace pelmora {

namespace {

constexpr std::size_t kInitialSlots = 1024;
// How far ahead of entering a figure its slot is fetched.
constexpr std::size_t kSlotAhead = 16;

}  // namespace

FigureRecord::FigureRecord() : slots_(kInitialSlots, 0), noted_(std::make_unique<Drawn[]>(kNotedLimit)) {}

void FigureRecord::clear(Colour background) {
  background_ = background;
  figures_.clear();
  texts_.clear();
  std::fill(slots_.begin(), slots_.end(), 0);
  noted_count_ = 0;
  noted_texts_.clear();
}

void FigureRecord::text(int x, int y, std::string_view text, Colour fore, Colour back) {
  const auto hash = hash_of(Kind::text, x, y, 0, 0) ^ static_cast<std::uint32_t>(std::hash<std::string_view>{}(text));
  // The characters first: noting the figure may enter it at once.
  const auto offset = static_cast<int>(noted_texts_.size());
  noted_texts_.append(text);
  note({x, y, offset, static_cast<int>(text.size()), Kind::text, fore, back, hash});
}

void FigureRecord::enter_noted() {
  if (noted_count_ == 0) return;
  // Room first: the slots must not move while they are fetched ahead.
  while (2 * (figures_.size() + noted_count_) > slots_.size()) grow();
  if (figures_.size() + noted_count_ >= UINT32_MAX / 2 || texts_.size() + noted_texts_.size() > INT32_MAX)
    throw std::bad_alloc();
  const std::size_t count = noted_count_, mask = slots_.size() - 1;
  for (std::size_t i = 0; i < count; ++i) {
    // Fetched without displacing what drawing keeps in the caches.
    if (i + kSlotAhead < count) __builtin_prefetch(&slots_[noted_[i + kSlotAhead].hash & mask], 1, 0);
    const Drawn& drawn = noted_[i];
    const bool is_text = drawn.kind == Kind::text;
    for (std::size_t slot = drawn.hash & mask;; slot = (slot + 1) & mask) {
      const std::uint32_t entry = slots_[slot];
      if (entry == 0) {
        // A new footprint; a text keeps its characters.
        Figure figure{drawn, ++uses_};
        if (is_text) {
          figure.drawn.c = static_cast<int>(texts_.size());
          texts_.append(text_of(drawn, noted_texts_));
        }
        figures_.push_back(figure);
        slots_[slot] = static_cast<std::uint32_t>(figures_.size());
        break;
      }
      Figure& figure = figures_[entry - 1];
      const Drawn& kept = figure.drawn;
      if (kept.hash == drawn.hash && kept.a == drawn.a && kept.b == drawn.b && kept.kind == drawn.kind &&
          (is_text ? text_of(kept, texts_) == text_of(drawn, noted_texts_) : kept.c == drawn.c && kept.d == drawn.d)) {
        figure.drawn.colour = drawn.colour;
        figure.drawn.back = drawn.back;
        figure.last_use = ++uses_;
        break;
      }
    }
  }
  noted_count_ = 0;
  noted_texts_.clear();
}

void FigureRecord::grow() {
  std::vector<std::uint32_t> slots(slots_.size() * 2, 0);
  const std::size_t mask = slots.size() - 1;
  for (std::size_t i = 0; i < figures_.size(); ++i) {
    std::size_t slot = figures_[i].drawn.hash & mask;
    while (slots[slot] != 0) slot = (slot + 1) & mask;
    slots[slot] = static_cast<std::uint32_t>(i + 1);
  }
  slots_ = std::move(slots);
}

std::size_t FigureRecord::size() {
  enter_noted();
  return figures_.size();
}

void FigureRecord::replay(PixelCanvas& canvas, const TextReachOf& reach_of) {
  enter_noted();
  std::vector<std::pair<std::uint64_t, std::uint32_t>> order;
  order.reserve(figures_.size());
  for (std::size_t i = 0; i < figures_.size(); ++i)
    order.emplace_back(figures_[i].last_use, static_cast<std::uint32_t>(i));
  std::sort(order.begin(), order.end());
  // From the last figure back: the widest cells printed later at each place.
  std::vector<bool> painted_over(figures_.size(), false);
  if (reach_of) {
    std::unordered_map<std::uint64_t, int> widest_later;
    std::unordered_map<std::string_view, TextReach> reaches;  // a text is printed at many places
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
      const Drawn& f = figures_[it->second].drawn;
      if (f.kind != Kind::text) continue;
      const std::string_view text = text_of(f, texts_);
      auto known = reaches.find(text);
      if (known == reaches.end()) known = reaches.emplace(text, reach_of(text)).first;
      const TextReach reach = known->second;
      int& widest = widest_later[static_cast<std::uint64_t>(static_cast<std::uint32_t>(f.a)) << 32 |
                                 static_cast<std::uint32_t>(f.b)];
      painted_over[it->second] = reach.ink <= widest;
      widest = std::max(widest, reach.cells);
    }
  }
  for (const auto& [last_use, i] : order) {
    if (painted_over[i]) continue;
    const Drawn& f = figures_[i].drawn;
    switch (f.kind) {
      case Kind::line:
        canvas.line(f.a, f.b, f.c, f.d, f.colour);
        break;
      case Kind::circle:
        canvas.circle(f.a, f.b, f.c, f.colour);
        break;
      case Kind::text:
        canvas.text(f.a, f.b, text_of(f, texts_), f.colour, f.back);
        break;
    }
  }
}

std::size_t FigureRecord::bytes() const {
  return sizeof(*this) + figures_.capacity() * sizeof(Figure) + slots_.capacity() * sizeof(std::uint32_t) +
         texts_.capacity() + kNotedLimit * sizeof(Drawn) + noted_texts_.capacity();
}

}  // namespace pelmora
