#include "render/figure_record.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <new>
#include <numeric>
#include <unordered_map>
#include <utility>

namespace pelmora {

namespace {

constexpr std::size_t kInitialSlots = 1024;
// How far ahead of entering a figure its slot is fetched.
constexpr std::size_t kSlotAhead = 16;

bool fits_in_16_bits(int value) {
  return value >= std::numeric_limits<std::int16_t>::min() && value <= std::numeric_limits<std::int16_t>::max();
}

void split(std::uint32_t value, std::int16_t& low, std::int16_t& high) {
  low = static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xffffu));
  high = static_cast<std::int16_t>(static_cast<std::uint16_t>(value >> 16));
}

std::uint32_t joined(std::int16_t low, std::int16_t high) {
  return static_cast<std::uint32_t>(static_cast<std::uint16_t>(low)) |
         static_cast<std::uint32_t>(static_cast<std::uint16_t>(high)) << 16;
}

}  // namespace

FigureRecord::FigureRecord(std::uint32_t use_limit)
    : use_limit_(use_limit),
      last_index_(colours_.index_of(0)),
      slots_(kInitialSlots, 0),
      noted_(std::make_unique<Drawn[]>(kNotedLimit)) {}

void FigureRecord::clear(Colour background) {
  background_ = background;
  uses_ = 0;
  last_colour_ = background;
  last_index_ = colours_.keep_only(background);
  figures_.clear();
  outsized_.clear();
  texts_.clear();
  text_ends_.clear();
  std::fill(slots_.begin(), slots_.end(), 0);
  noted_count_ = 0;
  noted_texts_.clear();
}

std::uint32_t FigureRecord::text_hash_of(int x, int y, std::string_view text) {
  return hash_of(Kind::text, x, y, 0, 0) ^ static_cast<std::uint32_t>(std::hash<std::string_view>{}(text));
}

void FigureRecord::text(int x, int y, std::string_view text, Colour fore, Colour back) {
  const Drawn drawn{x,
                    y,
                    static_cast<int>(noted_texts_.size()),
                    static_cast<int>(text.size()),
                    text_hash_of(x, y, text),
                    Kind::text,
                    index_of(fore),
                    index_of(back)};
  // The characters first: noting the figure may enter it at once.
  noted_texts_.append(text);
  note(drawn);
}

FigureRecord::Key FigureRecord::key_of(const Figure& figure) const {
  if (figure.outsized) return outsized_[joined(figure.c, figure.d)];
  if (figure.kind == Kind::text) return {figure.a, figure.b, static_cast<int>(joined(figure.c, figure.d)), 0};
  return {figure.a, figure.b, figure.c, figure.d};
}

std::string_view FigureRecord::text_of(std::uint32_t number) const {
  const std::uint32_t start = number == 0 ? 0 : text_ends_[number - 1];
  return std::string_view(texts_).substr(start, text_ends_[number] - start);
}

std::uint32_t FigureRecord::hash_of(const Figure& figure) const {
  const Key key = key_of(figure);
  if (figure.kind == Kind::text) return text_hash_of(key.a, key.b, text_of(static_cast<std::uint32_t>(key.c)));
  return hash_of(figure.kind, key.a, key.b, key.c, key.d);
}

FigureRecord::Figure FigureRecord::kept(const Drawn& drawn) {
  Key key{drawn.a, drawn.b, drawn.c, drawn.d};
  if (drawn.kind == Kind::text) {
    texts_.append(noted_text(drawn));
    key.c = static_cast<int>(text_ends_.size());
    key.d = 0;
    text_ends_.push_back(static_cast<std::uint32_t>(texts_.size()));
  }
  Figure figure{};
  figure.kind = drawn.kind;
  figure.colour = drawn.colour;
  figure.back = drawn.back;
  figure.last_use = ++uses_;
  const bool in_16_bits = fits_in_16_bits(key.a) && fits_in_16_bits(key.b) &&
                          (drawn.kind == Kind::text || (fits_in_16_bits(key.c) && fits_in_16_bits(key.d)));
  if (!in_16_bits) {
    figure.outsized = true;
    split(static_cast<std::uint32_t>(outsized_.size()), figure.c, figure.d);
    outsized_.push_back(key);
    return figure;
  }
  figure.a = static_cast<std::int16_t>(key.a);
  figure.b = static_cast<std::int16_t>(key.b);
  if (drawn.kind == Kind::text) {
    split(static_cast<std::uint32_t>(key.c), figure.c, figure.d);
  } else {
    figure.c = static_cast<std::int16_t>(key.c);
    figure.d = static_cast<std::int16_t>(key.d);
  }
  return figure;
}

bool FigureRecord::same_figure(const Figure& figure, const Drawn& drawn) const {
  // Most figures are lines and circles in 16 bits: compared as they lie.
  if (!figure.outsized && drawn.kind != Kind::text)
    return figure.a == drawn.a && figure.b == drawn.b && figure.c == drawn.c && figure.d == drawn.d;
  const Key key = key_of(figure);
  return key.a == drawn.a && key.b == drawn.b &&
         (drawn.kind == Kind::text ? text_of(static_cast<std::uint32_t>(key.c)) == noted_text(drawn)
                                   : key.c == drawn.c && key.d == drawn.d);
}

void FigureRecord::enter_noted() {
  if (noted_count_ == 0) return;
  const std::size_t count = noted_count_;
  if (figures_.size() + count > kMaxFigures || texts_.size() + noted_texts_.size() > UINT32_MAX) throw std::bad_alloc();
  // Room first: the slots must not move while they are fetched ahead.
  while (4 * (figures_.size() + count) > 3 * slots_.size()) grow();
  if (static_cast<std::uint64_t>(uses_) + count > use_limit_) renumber();
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = 0; i < count; ++i) {
    // Fetched without displacing what drawing keeps in the caches.
    if (i + kSlotAhead < count) __builtin_prefetch(&slots_[noted_[i + kSlotAhead].hash & mask], 1, 0);
    const Drawn& drawn = noted_[i];
    const std::uint32_t tag = drawn.hash & ~kIndexMask;
    for (std::size_t slot = drawn.hash & mask;; slot = (slot + 1) & mask) {
      const std::uint32_t entry = slots_[slot];
      if (entry == 0) {
        figures_.push_back(kept(drawn));
        slots_[slot] = tag | static_cast<std::uint32_t>(figures_.size());
        break;
      }
      if ((entry & ~kIndexMask) != tag) continue;
      Figure& figure = figures_[(entry & kIndexMask) - 1];
      if (figure.kind != drawn.kind) continue;
      if (same_figure(figure, drawn)) {
        figure.colour = drawn.colour;
        figure.back = drawn.back;
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
    const std::uint32_t hash = hash_of(figures_[i]);
    std::size_t slot = hash & mask;
    while (slots[slot] != 0) slot = (slot + 1) & mask;
    slots[slot] = (hash & ~kIndexMask) | static_cast<std::uint32_t>(i + 1);
  }
  slots_ = std::move(slots);
}

void FigureRecord::renumber() {
  std::vector<std::uint32_t> order(figures_.size());
  std::iota(order.begin(), order.end(), 0u);
  std::sort(order.begin(), order.end(),
            [this](std::uint32_t x, std::uint32_t y) { return figures_[x].last_use < figures_[y].last_use; });
  uses_ = 0;
  for (const std::uint32_t i : order) figures_[i].last_use = ++uses_;
}

std::size_t FigureRecord::size() {
  enter_noted();
  return figures_.size();
}

void FigureRecord::replay(PixelCanvas& canvas, const TextReachOf& reach_of) {
  enter_noted();
  std::vector<std::pair<std::uint32_t, std::uint32_t>> order;
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
      const Figure& f = figures_[it->second];
      if (f.kind != Kind::text) continue;
      const Key key = key_of(f);
      const std::string_view text = text_of(static_cast<std::uint32_t>(key.c));
      auto known = reaches.find(text);
      if (known == reaches.end()) known = reaches.emplace(text, reach_of(text)).first;
      const TextReach reach = known->second;
      int& widest = widest_later[static_cast<std::uint64_t>(static_cast<std::uint32_t>(key.a)) << 32 |
                                 static_cast<std::uint32_t>(key.b)];
      painted_over[it->second] = reach.ink <= widest;
      widest = std::max(widest, reach.cells);
    }
  }
  for (const auto& [last_use, i] : order) {
    if (painted_over[i]) continue;
    const Figure& f = figures_[i];
    const Key key = key_of(f);
    const Colour colour = colours_.colour(f.colour);
    switch (f.kind) {
      case Kind::line:
        canvas.line(key.a, key.b, key.c, key.d, colour);
        break;
      case Kind::circle:
        canvas.circle(key.a, key.b, key.c, colour);
        break;
      case Kind::text:
        canvas.text(key.a, key.b, text_of(static_cast<std::uint32_t>(key.c)), colour, colours_.colour(f.back));
        break;
    }
  }
}

std::size_t FigureRecord::bytes() const {
  return sizeof(*this) + figures_.capacity() * sizeof(Figure) + outsized_.capacity() * sizeof(Key) +
         slots_.capacity() * sizeof(std::uint32_t) + texts_.capacity() + text_ends_.capacity() * sizeof(std::uint32_t) +
         kNotedLimit * sizeof(Drawn) + noted_texts_.capacity();
}

}  // namespace pelmora
