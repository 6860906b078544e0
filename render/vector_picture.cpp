#include "render/vector_picture.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <algorithm>
#include <cstdlib>
#include <tuple>
#include <unordered_map>

#include "render/font_text_renderer.h"
#include "render/pixel_walks.h"

namespace pelmora {

namespace {

// The picture is laid out at 96 pixels an inch.
constexpr int kPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;

// Collects the figures as the record replays them.
class Collector final : public PixelCanvas {
 public:
  explicit Collector(std::vector<VectorFigure>& figures) : figures_(figures) {}
  void fill(Colour) override {}
  void line(double x1, double y1, double x2, double y2, Colour colour) override {
    figures_.push_back({VectorFigure::Kind::line, int(x1), int(y1), int(x2), int(y2), colour, 0, {}});
  }
  void circle(double x, double y, double radius, Colour colour) override {
    figures_.push_back({VectorFigure::Kind::circle, int(x), int(y), int(radius), 0, colour, 0, {}});
  }
  void text(double x, double y, std::string_view text, Colour fore, Colour back) override {
    figures_.push_back({VectorFigure::Kind::text, int(x), int(y), 0, 0, fore, back, std::string(text)});
  }

 private:
  std::vector<VectorFigure>& figures_;
};

// What a pixel shows, as far as telling pixels apart goes: a colour, or a
// text's ink of some strength over its cells' colour. Equal shades are equal
// pixels; a shade of whole ink is taken for other than its colour, which
// only keeps a figure more.
using Shade = std::uint64_t;
// Overhanging ink stands on no cells of its own.
constexpr Colour kNoCells = 0x1000000;
Shade plain(Colour colour) { return colour; }
Shade inked(Colour fore, Colour back, std::uint8_t ink) {
  return ink == 0 ? plain(back) : Shade{ink} << 48 | Shade{back} << 24 | fore;
}

// A text's pixels at scale 1, as the raster canvas prints them: its cells,
// inked or not, and the ink that overhangs them.
struct TextPixels {
  int cells = 0;
  std::vector<std::uint8_t> ink;  // cells by kCellHeight, row by row, as the renderer gives it
  std::vector<std::tuple<int, int, std::uint8_t>> overhang;
};

TextPixels text_pixels(TextRenderer& renderer, std::string_view text) {
  const TextInk ink = renderer.render(text, 1.0);
  TextPixels pixels;
  pixels.cells = std::max(static_cast<int>(text.size()) * kCellWidth, ink.cells_width);
  pixels.ink.assign(static_cast<std::size_t>(pixels.cells) * kCellHeight, 0);
  for (int row = 0; row < std::min(ink.height, kCellHeight); ++row)
    for (int column = 0; column < ink.width; ++column) {
      const std::uint8_t strength = ink.ink[static_cast<std::size_t>(row) * ink.width + column];
      if (strength == 0) continue;
      if (column < pixels.cells) {
        pixels.ink[static_cast<std::size_t>(row) * pixels.cells + column] = strength;
      } else {
        pixels.overhang.emplace_back(column, row, strength);
      }
    }
  return pixels;
}

// Visits the picture pixels a figure paints at scale 1 with what they show
// then, as the raster canvas paints them: Bresenham lines with both ends,
// midpoint rings, a text's cells and its ink.
template <typename Visit>
void for_each_pixel(const VectorFigure& f, const TextPixels* text, const Visit& visit) {
  const auto inside = [](int x, int y) { return x >= 0 && y >= 0 && x < kPictureWidth && y < kPictureHeight; };
  const auto plot = [&](int x, int y, Shade shade) {
    if (inside(x, y)) visit(x, y, shade);
  };
  switch (f.kind) {
    case VectorFigure::Kind::line:
      for_each_line_pixel(f.a, f.b, f.c, f.d, [&](int x, int y) { plot(x, y, plain(f.colour)); });
      break;
    case VectorFigure::Kind::circle:
      for_each_ring_offset(f.c, [&](int dx, int dy) { plot(f.a + dx, f.b + dy, plain(f.colour)); });
      break;
    case VectorFigure::Kind::text:
      for (int row = 0; row < kCellHeight; ++row)
        for (int column = 0; column < text->cells; ++column)
          plot(f.a + column, f.b + row,
               inked(f.colour, f.back, text->ink[static_cast<std::size_t>(row) * text->cells + column]));
      // Overhanging ink is drawn without its cells: over whatever is there.
      for (const auto& [column, row, strength] : text->overhang)
        plot(f.a + column, f.b + row, inked(f.colour, kNoCells, strength));
      break;
  }
}

std::size_t index(int x, int y) { return static_cast<std::size_t>(y) * kPictureWidth + x; }

QFont vector_font() {
  // The picture's font at 13 pixels, laid out without the raster's hinting.
  QFont font = picture_font();
  font.setStyleStrategy(QFont::PreferDefault);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

}  // namespace

VectorFigures visible_figures(FigureRecord& record, TextRenderer& text_renderer) {
  VectorFigures result;
  result.background = record.background();
  std::vector<VectorFigure> all;
  Collector collector(all);
  record.replay(collector);
  // Each text's pixels, laid out once; the figures' own, in order.
  std::unordered_map<std::string, TextPixels> texts;
  std::vector<const TextPixels*> pixels_of(all.size(), nullptr);
  for (std::size_t i = 0; i < all.size(); ++i) {
    VectorFigure& f = all[i];
    if (f.kind != VectorFigure::Kind::text) continue;
    auto known = texts.find(f.text);
    if (known == texts.end()) known = texts.emplace(f.text, text_pixels(text_renderer, f.text)).first;
    pixels_of[i] = &known->second;
    f.c = known->second.cells;
  }

  // The last figure to paint each pixel.
  std::vector<std::uint32_t> owner(static_cast<std::size_t>(kPictureWidth) * kPictureHeight, UINT32_MAX);
  for (std::size_t i = 0; i < all.size(); ++i)
    for_each_pixel(all[i], pixels_of[i],
                   [&](int x, int y, Shade) { owner[index(x, y)] = static_cast<std::uint32_t>(i); });

  // Painted in order, a figure is kept when it changes a pixel that stays
  // its own; the picture so far is what the kept figures painted.
  std::vector<Shade> shown(owner.size(), plain(result.background));
  for (std::size_t i = 0; i < all.size(); ++i) {
    VectorFigure& f = all[i];
    bool changes = false, cells_change = false;
    for_each_pixel(f, pixels_of[i], [&](int x, int y, Shade shade) {
      const std::size_t p = index(x, y);
      changes = changes || (owner[p] == i && shown[p] != shade);
      cells_change = cells_change || shown[p] != plain(f.back);
    });
    if (!changes) continue;
    for_each_pixel(f, pixels_of[i], [&](int x, int y, Shade shade) { shown[index(x, y)] = shade; });
    // A text's cells need no painting where they stand on their own colour
    // already (the ink is painted anyway).
    f.cells = f.kind != VectorFigure::Kind::text || cells_change;
    result.figures.push_back(std::move(f));
  }
  return result;
}

void paint_figures(const VectorFigures& figures, QPainter& painter) {
  const auto colour_of = [&figures](Colour colour) {
    return QColor::fromRgb(shown_colour(figures.scheme, colour) & 0xffffffu);
  };
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRectF(0, 0, kPictureWidth, kPictureHeight), colour_of(figures.background));
  const QFont font = vector_font();
  painter.setFont(font);
  const double ascent = QFontMetricsF(font).ascent();
  const auto pen = [&painter, &colour_of](Colour colour) {
    QPen pen(colour_of(colour), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
  };
  // A pixel of the raster covers x..x+1: one-pixel lines and rings run
  // through pixel centres.
  for (const VectorFigure& f : figures.figures) {
    switch (f.kind) {
      case VectorFigure::Kind::line:
        if (f.a == f.c && f.b == f.d) {
          painter.fillRect(QRectF(f.a, f.b, 1, 1), colour_of(f.colour));
        } else {
          pen(f.colour);
          painter.drawLine(QPointF(f.a + 0.5, f.b + 0.5), QPointF(f.c + 0.5, f.d + 0.5));
        }
        break;
      case VectorFigure::Kind::circle:
        if (f.c == 0) {
          painter.fillRect(QRectF(f.a, f.b, 1, 1), colour_of(f.colour));
        } else {
          pen(f.colour);
          painter.drawEllipse(QPointF(f.a + 0.5, f.b + 0.5), f.c, f.c);
        }
        break;
      case VectorFigure::Kind::text:
        if (f.cells) painter.fillRect(QRectF(f.a, f.b, f.c, kCellHeight), colour_of(f.back));
        if (f.colour != f.back) {
          pen(f.colour);
          painter.drawText(QPointF(f.a, f.b + ascent), QString::fromLatin1(f.text.data(), qsizetype(f.text.size())));
        }
        break;
    }
  }
}

std::optional<QByteArray> svg_of(const VectorFigures& figures, double scale) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(qRound(kPictureWidth * scale), qRound(kPictureHeight * scale)));
  generator.setViewBox(QRect(0, 0, kPictureWidth, kPictureHeight));
  generator.setResolution(kPixelsPerInch);
  generator.setTitle(QStringLiteral("Pelmora sky chart"));
  QPainter painter;
  if (!painter.begin(&generator)) return std::nullopt;
  paint_figures(figures, painter);
  if (!painter.end()) return std::nullopt;
  // The generator gives the size in millimetres, which a viewer rounds up
  // to a pixel more: give it in pixels.
  static const QRegularExpression size_in_millimetres(QStringLiteral("^<svg width=\"[0-9.]+mm\" height=\"[0-9.]+mm\""),
                                                      QRegularExpression::MultilineOption);
  QString document = QString::fromUtf8(bytes);
  document.replace(size_in_millimetres, QStringLiteral("<svg width=\"%1\" height=\"%2\"")
                                            .arg(qRound(kPictureWidth * scale))
                                            .arg(qRound(kPictureHeight * scale)));
  return document.toUtf8();
}

std::optional<QByteArray> pdf_of(const VectorFigures& figures, double scale) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  // A point a pixel: the writer sizes pages in whole points, and the
  // picture's pixels stay whole.
  writer.setResolution(kPointsPerInch);
  writer.setPageSize(
      QPageSize(QSizeF(kPictureWidth, kPictureHeight) * scale, QPageSize::Point, QString(), QPageSize::ExactMatch));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setTitle(QStringLiteral("Pelmora sky chart"));
  writer.setCreator(QStringLiteral("Pelmora"));
  QPainter painter;
  if (!painter.begin(&writer)) return std::nullopt;
  // The page may be a fraction of a point larger than the picture.
  painter.fillRect(QRect(0, 0, writer.width() + 1, writer.height() + 1),
                   QColor::fromRgb(shown_colour(figures.scheme, figures.background) & 0xffffffu));
  painter.scale(scale, scale);
  paint_figures(figures, painter);
  if (!painter.end()) return std::nullopt;
  blank_creation_date(bytes);
  return bytes;
}

void blank_creation_date(QByteArray& pdf) {
  // Blanks between a dictionary's entries are free: the offsets of the
  // objects stay as they are.
  const QByteArray key = "/CreationDate (";
  if (const qsizetype start = pdf.indexOf(key); start >= 0)
    if (const qsizetype end = pdf.indexOf(')', start + key.size()); end >= 0)
      std::fill(pdf.begin() + start, pdf.begin() + end + 1, ' ');
}

}  // namespace pelmora
