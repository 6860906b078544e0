// The vector picture: the figures kept from the record paint exactly the
// picture the record paints, and the SVG and PDF hold those figures, the
// same bytes every time.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "command_line/values.h"
#include "render/canvas_image.h"
#include "render/font_text_renderer.h"
#include "render/rescalable_canvas.h"
#include "render/vector_picture.h"
#include "replay/replay.h"
#include "window/picture_file.h"

namespace pelmora {
namespace {

FontTextRenderer& text_renderer() {
  static FontTextRenderer renderer;
  return renderer;
}

// The figures drawn on a raster at scale 1.
QImage painted(const VectorFigures& figures) {
  RasterCanvas canvas(&text_renderer(), 1, figures.background);
  for (const VectorFigure& f : figures.figures) switch (f.kind) {
      case VectorFigure::Kind::line:
        canvas.line(f.a, f.b, f.c, f.d, f.colour);
        break;
      case VectorFigure::Kind::circle:
        canvas.circle(f.a, f.b, f.c, f.colour);
        break;
      case VectorFigure::Kind::text:
        canvas.text(f.a, f.b, f.text, f.colour, f.back);
        break;
    }
  return rgb32_image(canvas);
}

int count(const QByteArray& document, const char* pattern) {
  return static_cast<int>(QString::fromUtf8(document).count(QRegularExpression(QString::fromLatin1(pattern))));
}

// What is hidden or repeats the colour under it goes; what shows, or hides
// something, stays, in order.
TEST(VectorPictureTest, KeepsTheFiguresThatShowInTheirOrder) {
  RescalableCanvas canvas(&text_renderer());
  constexpr Colour kRed = 0xff0000, kBlack = 0;
  canvas.fill(kBlack);
  canvas.circle(100, 100, 3, kRed);    // erased by the same ring in black: gone
  canvas.circle(100, 100, 3, kBlack);  // black on black: gone
  canvas.line(10, 20, 200, 20, kRed);
  canvas.line(50, 10, 50, 30, kBlack);  // cuts the red line: stays
  canvas.line(60, 10, 60, 18, kBlack);  // black on black: gone
  canvas.circle(300, 300, 2, kRed);
  canvas.text(400, 400, "12", kRed, kBlack);
  canvas.text(400, 400, "34", kRed, kBlack);  // covers the first whole
  canvas.line(0, 0, 0, 0, kRed);              // a single pixel
  const VectorFigures kept = visible_figures(canvas.record(), text_renderer());
  ASSERT_EQ(kept.figures.size(), 5u);
  EXPECT_EQ(kept.figures[0].kind, VectorFigure::Kind::line);
  EXPECT_EQ(kept.figures[1].a, 50);
  EXPECT_EQ(kept.figures[2].kind, VectorFigure::Kind::circle);
  EXPECT_EQ(kept.figures[3].text, "34");
  EXPECT_FALSE(kept.figures[3].cells);  // black cells on black
  EXPECT_EQ(painted(kept), rgb32_image(canvas.raster()));

  // In the SVG: one line for each, a ring as a circle, a text as text,
  // and the background and the single pixel as rectangles.
  const QByteArray svg = svg_of(kept).value();
  EXPECT_EQ(svg, svg_of(kept).value());
  EXPECT_EQ(count(svg, "<circle "), 1);
  EXPECT_EQ(count(svg, "<text "), 1);
  EXPECT_EQ(count(svg, ">34</text>"), 1);
  EXPECT_EQ(count(svg, "<polyline |<line |<path "), 2);

  // Saved from the window: those bytes, or a reason and nothing written.
  QTemporaryDir folder;
  const QString name = folder.filePath(QStringLiteral("sky.svg"));
  EXPECT_EQ(save_drawing_as(kept, PictureFormat::svg, name), std::nullopt);
  QFile saved(name);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll(), svg);
  EXPECT_NE(save_drawing_as(kept, PictureFormat::pdf, folder.filePath(QStringLiteral("none/sky.pdf"))), std::nullopt);
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 1);
}

// The record hands on every text as printed, also one that fills its batch
// of noted figures (it once took the characters of the texts after it).
TEST(VectorPictureTest, TheRecordKeepsEveryTextAsPrinted) {
  struct Texts : PixelCanvas {
    void fill(Colour) override {}
    void line(double, double, double, double, Colour) override {}
    void circle(double, double, double, Colour) override {}
    void text(double x, double, std::string_view text, Colour, Colour) override {
      EXPECT_EQ(text, "text " + std::to_string(static_cast<int>(x)));
      ++count;
    }
    int count = 0;
  } texts;
  FigureRecord record;
  record.clear(0);
  for (int i = 0; i < 1000; ++i) {
    record.line(i, 0, i, 10, 0x0000ff);
    record.text(i, 100, "text " + std::to_string(i), 0xff00ff, 0);
  }
  record.replay(texts);
  EXPECT_EQ(texts.count, 1000);
}

// After a full turn: tens of thousands of figures in the record, a small
// part of them in the picture, painting it pixel for pixel; a small SVG
// and PDF, the same bytes from the same run.
TEST(VectorPictureTest, AFullTurnIsSmallAndExact) {
  RescalableCanvas canvas(&text_renderer());
  Picture picture(&canvas, nullptr);
  Replay replay(picture, parse_moment("2026-12-07 06:00").value(), nullptr);
  ASSERT_EQ(replay.run(std::get<std::vector<ScriptEvent>>(parse_script("tick*2880")), stderr), 0);
  const VectorFigures kept = visible_figures(canvas.record(), text_renderer());
  EXPECT_GT(canvas.record().size(), 50'000u);
  EXPECT_LT(kept.figures.size(), 2'000u);
  EXPECT_EQ(painted(kept), rgb32_image(canvas.raster()));

  const QByteArray svg = svg_of(kept).value(), pdf = pdf_of(kept).value();
  EXPECT_LT(svg.size(), 100'000);
  EXPECT_LT(pdf.size(), 100'000);
  EXPECT_EQ(svg, svg_of(visible_figures(canvas.record(), text_renderer())).value());
  EXPECT_EQ(pdf, pdf_of(kept).value());
  int texts = 0, rings = 0;
  for (const VectorFigure& f : kept.figures) {
    texts += f.kind == VectorFigure::Kind::text && f.colour != f.back;
    rings += f.kind == VectorFigure::Kind::circle && f.c > 0;
  }
  EXPECT_EQ(count(svg, "<text "), texts);
  EXPECT_EQ(count(svg, "<circle "), rings);
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  // The font goes with the document.
  EXPECT_GT(count(pdf, "/FontFile2"), 0);
}

}  // namespace
}  // namespace pelmora
