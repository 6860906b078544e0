// The chart on paper: drawn from its figures in the printing palette,
// fitted into the page's margins at its own proportions, with a legend
// under it that says when, where and which sky. The window prints and
// previews this page; a headless run writes it as a PDF.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QStringList>
#include <optional>

#include "app/state.h"
#include "render/vector_picture.h"
#include "sky/place.h"

namespace pelmora {

// What the legend says.
struct PageLegend {
  QDateTime moment;  // the chart's date and time, to the minute
  bool true_sky = false;
  sky::Place place;
  QLocale locale = QLocale::c();  // how dates and numbers are written
};

// The legend's four entries, in the language of the loaded translations:
// the date, the time, the place and the sky.
QStringList legend_entries(const PageLegend& legend);

// The date and time the chart's read-outs show (simulated in simulation
// mode), to the minute; nullopt before the chart has loaded.
std::optional<QDateTime> chart_moment(const FormState& state);

// The headless page, and the window's printer's until the user changes
// it: landscape, 15 mm margins; A4 where no paper size is given.
QPageLayout page_layout(const QPageSize& paper = QPageSize(QPageSize::A4));

// Paints one page on `device`, in its page layout; false when the painter
// could not start on it (an invalid printer).
bool print_page(QPagedPaintDevice& device, const VectorFigures& figures, const PageLegend& legend);

// The page as a one-page PDF in page_layout(), the same bytes for the same
// figures and legend; nullopt when the painter failed.
std::optional<QByteArray> page_pdf_of(const VectorFigures& figures, const PageLegend& legend);

}  // namespace pelmora
