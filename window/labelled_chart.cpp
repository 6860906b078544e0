#include "window/labelled_chart.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "guide/chart_points.h"
#include "render/canvas_image.h"
#include "render/font_text_renderer.h"
#include "render/picture.h"
#include "render/raster_canvas.h"
#include "replay/replay.h"

namespace pelmora {

namespace {

// 11:00 on 7 December 2026, a few steps on: the sun, the moon, Antares,
// the December solstice and the equator are all in view, apart.
constexpr LocalMoment kMoment{2026, 12, 7, 11 * 3'600'000};
constexpr int kSteps = 4;

struct Label {
  QPoint target;
  QString text;
  QPoint offset;  // from the target to the label's box
};

void draw_label(QPainter& painter, const Label& label) {
  const QFontMetrics metrics(painter.font());
  const QPoint anchor = label.target + label.offset;
  QRect box = metrics.boundingRect(label.text).adjusted(-6, -3, 6, 3);
  box.moveCenter(anchor);
  const QColor ink(255, 214, 64);
  painter.setPen(QPen(ink, 1.5));
  painter.setBrush(Qt::NoBrush);
  const QPoint edge(std::clamp(label.target.x(), box.left(), box.right()),
                    std::clamp(label.target.y(), box.top(), box.bottom()));
  painter.drawLine(edge, label.target);
  painter.drawEllipse(QPointF(label.target), 3, 3);
  painter.setBrush(QColor(0, 0, 0, 200));
  painter.drawRoundedRect(box, 4, 4);
  painter.drawText(box, Qt::AlignCenter, label.text);
}

// Under the text of a cell.
QPoint cell(int column, int row) { return {column * kCellWidth, row * kCellHeight + kCellHeight}; }

}  // namespace

QImage labelled_chart(double scale) {
  FontTextRenderer renderer;
  RasterCanvas canvas(&renderer, scale);
  Picture picture(&canvas, nullptr);
  Replay replay(picture, kMoment, nullptr);
  replay.run(std::vector<ScriptEvent>{{.kind = ScriptEvent::Kind::tick, .count = kSteps}}, stderr);
  const ChartView st = replay.form().view();
  QImage image = rgb32_image(canvas);

  const int level = st.level.value();
  std::vector<Label> labels = {
      {cell(30, 1), QCoreApplication::translate("LabelledChart", "title"), {120, 0}},
      {cell(20, 3), QStringLiteral("minutes log in error"), {190, 10}},
      {cell(136, 4), QCoreApplication::translate("LabelledChart", "time"), {-110, 0}},
      {cell(7, 42), QCoreApplication::translate("LabelledChart", "lunar: the moon's angle"), {150, -40}},
      {cell(10, 44), QCoreApplication::translate("LabelledChart", "chart angle (left edge)"), {150, 20}},
      {cell(6, 50), QCoreApplication::translate("LabelledChart", "cycle or update"), {60, 50}},
      {cell(76, 50), QCoreApplication::translate("LabelledChart", "date"), {0, 50}},
      {cell(127, 48), QCoreApplication::translate("LabelledChart", "local: the angle at the centre"), {-190, -30}},
      {cell(127, 50), QCoreApplication::translate("LabelledChart", "solar: the sun's angle"), {-150, 50}},
      {{640, level - 29}, QCoreApplication::translate("LabelledChart", "centre marker"), {0, -140}},
      {{1000, level}, QCoreApplication::translate("LabelledChart", "the sun's path and its scale"), {0, 110}},
      {{st.sun_x.value(), level + 26}, QCoreApplication::translate("LabelledChart", "the sun"), {0, 120}},
  };
  if (st.moon_drawn)
    labels.push_back({{st.moon_drawn_x.value(), st.moon_drawn_y.value() - 11},
                      QCoreApplication::translate("LabelledChart", "the moon"),
                      {0, -90}});
  if (const auto antares = entry_position(st, 240, 1))
    labels.push_back(
        {{antares->x, antares->y + 4}, QCoreApplication::translate("LabelledChart", "a star (Antares)"), {0, 160}});
  if (const auto solstice = entry_position(st, 270, 1))
    labels.push_back(
        {{solstice->x, level + 20}, QCoreApplication::translate("LabelledChart", "December solstice"), {0, 150}});
  // An equator dot left of the middle.
  const EquatorDot dot = equator_dot(st, 62);
  labels.push_back({{dot.x, static_cast<int>(std::lround(dot.y))},
                    QCoreApplication::translate("LabelledChart", "celestial equator"),
                    {0, -70}});

  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  // The labels are placed in the chart's own pixels.
  painter.scale(canvas.width() / double(kPictureWidth), canvas.height() / double(kPictureHeight));
  QFont font = painter.font();
  font.setPixelSize(15);
  font.setBold(true);
  painter.setFont(font);
  for (const Label& label : labels) draw_label(painter, label);
  return image;
}

}  // namespace pelmora
