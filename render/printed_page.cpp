#include "render/printed_page.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "render/font_text_renderer.h"

namespace pelmora {

namespace {

// The page is laid out in points; the devices draw at 1200 dots an inch
// (QPrinter::HighResolution), so that the printer's and the headless PDF's
// drawings are the same.
constexpr double kPointsPerInch = 72;
constexpr int kDotsPerInch = 1200;
// Margins that every office printer can print within, in millimetres.
constexpr double kMarginMillimetres = 15;
// The legend: text at 10 points, 14 points a line, 10 points below the chart.
constexpr double kLegendPoints = 10;
constexpr double kLegendLine = 14;
constexpr double kLegendGap = 10;
// The chart's outline, where its white ground meets the paper's.
constexpr double kOutlinePoints = 0.5;
constexpr QRgb kOutline = 0x767676;
// Places to a hundredth of a degree, about a kilometre.
constexpr int kPlaceDecimals = 2;

constexpr const char* kContext = "PrintedPage";
QString translated(const char* text) { return QCoreApplication::translate(kContext, text); }

QString coordinate(const QLocale& locale, double value, const char* positive, const char* negative) {
  return translated(value < 0 ? negative : positive).arg(locale.toString(std::abs(value), 'f', kPlaceDecimals));
}

// "Madrid, 40.42° N, 3.70° W"; a place given as numbers is its numbers.
QString place_words(const sky::Place& place, const QLocale& locale) {
  const QString where = coordinate(locale, place.latitude, QT_TRANSLATE_NOOP("PrintedPage", "%1° N"),
                                   QT_TRANSLATE_NOOP("PrintedPage", "%1° S")) +
                        QStringLiteral(", ") +
                        coordinate(locale, place.longitude, QT_TRANSLATE_NOOP("PrintedPage", "%1° E"),
                                   QT_TRANSLATE_NOOP("PrintedPage", "%1° W"));
  if (place.unknown) return QCoreApplication::translate("PrintedPage", "%1 (the time zone has no place)").arg(where);
  if (place.name.empty() || place.name.find(',') != std::string::npos) return where;
  QString city = QString::fromStdString(place.name).section(QLatin1Char('/'), -1);
  city.replace(QLatin1Char('_'), QLatin1Char(' '));
  return QStringLiteral("%1, %2").arg(city, where);
}

void paint(QPainter& painter, const QSizeF& area, const VectorFigures& figures, const PageLegend& legend) {
  const QStringList entries = legend_entries(legend);
  const double legend_height = kLegendGap + kLegendLine * std::ceil(entries.size() / 2.0);
  // The chart as large as fits above the legend, centred across the page.
  const double scale =
      std::max(0.0, std::min(area.width() / kPictureWidth, (area.height() - legend_height) / kPictureHeight));
  const QRectF chart((area.width() - kPictureWidth * scale) / 2, 0, kPictureWidth * scale, kPictureHeight * scale);

  painter.save();
  painter.setClipRect(chart);
  painter.translate(chart.topLeft());
  painter.scale(scale, scale);
  paint_figures(figures, painter);
  painter.restore();
  painter.setPen(QPen(QColor(kOutline), kOutlinePoints));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(chart);

  // Two entries a line, in two columns under the chart.
  QFont font = picture_font();
  font.setPixelSize(static_cast<int>(kLegendPoints));
  font.setHintingPreference(QFont::PreferNoHinting);
  painter.setFont(font);
  painter.setPen(QColor(Qt::black));
  const double ascent = QFontMetricsF(font).ascent();
  for (qsizetype i = 0; i < entries.size(); ++i) {
    const double x = chart.left() + (i % 2) * chart.width() / 2;
    const double y = chart.bottom() + kLegendGap + static_cast<double>(i / 2) * kLegendLine;
    painter.drawText(QPointF(x, y + ascent), entries[i]);
  }
}

}  // namespace

QStringList legend_entries(const PageLegend& legend) {
  const QLocale& locale = legend.locale;
  return {QCoreApplication::translate("PrintedPage", "Date: %1")
              .arg(locale.toString(legend.moment.date(), QLocale::LongFormat)),
          QCoreApplication::translate("PrintedPage", "Time: %1")
              .arg(legend.moment.time().toString(QStringLiteral("HH:mm"))),
          QCoreApplication::translate("PrintedPage", "Place: %1").arg(place_words(legend.place, locale)),
          QCoreApplication::translate("PrintedPage", "Sky: %1")
              .arg(legend.true_sky
                       ? QCoreApplication::translate("PrintedPage", "the true sky at this place")
                       : QCoreApplication::translate("PrintedPage", "as designed (mean places, local mean time)"))};
}

std::optional<QDateTime> chart_moment(const FormState& state) {
  const QDate date(state.display_year.value(), state.display_month.value(), state.display_day.value());
  const QTime time(static_cast<int>(std::floor(state.clock_hr)), static_cast<int>(std::floor(state.clock_min)));
  if (!date.isValid() || !time.isValid()) return std::nullopt;
  return QDateTime(date, time);
}

QPageLayout page_layout(const QPageSize& paper) {
  return QPageLayout(paper, QPageLayout::Landscape,
                     QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
                     QPageLayout::Millimeter);
}

bool print_page(QPagedPaintDevice& device, const VectorFigures& figures, const PageLegend& legend) {
  VectorFigures printed = figures;
  printed.scheme = ColourScheme::print;
  QPainter painter;
  if (!painter.begin(&device)) return false;
  // The painter starts at the margins' corner, in the device's dots.
  painter.scale(device.logicalDpiX() / kPointsPerInch, device.logicalDpiY() / kPointsPerInch);
  paint(painter, device.pageLayout().paintRect(QPageLayout::Point).size(), printed, legend);
  return painter.end();
}

std::optional<QByteArray> page_pdf_of(const VectorFigures& figures, const PageLegend& legend) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(kDotsPerInch);
  writer.setPageLayout(page_layout());
  writer.setTitle(QStringLiteral("Pelmora sky chart"));
  writer.setCreator(QStringLiteral("Pelmora"));
  if (!print_page(writer, figures, legend)) return std::nullopt;
  blank_creation_date(bytes);
  return bytes;
}

}  // namespace pelmora
