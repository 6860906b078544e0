// Printing the chart from the window: the print dialog and its preview, on
// the page a headless run writes as a PDF (render/printed_page.h).
#pragma once

#include <QPrinter>
#include <QString>
#include <QWidget>
#include <optional>

#include "render/printed_page.h"

namespace pelmora {

// A printer set up for the page: landscape within the page's margins, on
// the paper the printer (or the locale) takes by default.
void set_up_for_page(QPrinter& printer);

// Prints the page on the printer as it is set up; the reason, as one line,
// when it could not be.
std::optional<QString> print_chart(QPrinter& printer, const VectorFigures& figures, const PageLegend& legend);

// The print dialog, then the page: nothing when the dialog is cancelled, a
// warning box when printing failed.
void print_with_dialog(QWidget* parent, QPrinter& printer, const VectorFigures& figures, const PageLegend& legend);

// The page in the print preview, which can print it too.
void preview_page(QWidget* parent, QPrinter& printer, const VectorFigures& figures, const PageLegend& legend);

}  // namespace pelmora
