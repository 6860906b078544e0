#include "window/printing.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

namespace pelmora {

namespace {

void report_failure(QWidget* parent, const QString& reason) {
  QMessageBox::warning(parent, QCoreApplication::translate("Printing", "Print"),
                       QCoreApplication::translate("Printing", "The chart was not printed: %1.").arg(reason));
}

}  // namespace

void set_up_for_page(QPrinter& printer) {
  printer.setPageLayout(page_layout(printer.pageLayout().pageSize()));
  printer.setDocName(QStringLiteral("Pelmora sky chart"));
  printer.setCreator(QStringLiteral("Pelmora"));
}

std::optional<QString> print_chart(QPrinter& printer, const VectorFigures& figures, const PageLegend& legend) {
  const bool to_file = printer.outputFormat() == QPrinter::PdfFormat;
  if (!printer.isValid())
    return QCoreApplication::translate("Printing", "the printer %1 cannot be used").arg(printer.printerName());
  if (!print_page(printer, figures, legend) || printer.printerState() == QPrinter::Error)
    return to_file
               ? QCoreApplication::translate("Printing", "the file %1 could not be written")
                     .arg(printer.outputFileName())
               : QCoreApplication::translate("Printing", "the printer %1 did not take it").arg(printer.printerName());
  return std::nullopt;
}

void print_with_dialog(QWidget* parent, QPrinter& printer, const VectorFigures& figures, const PageLegend& legend) {
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QCoreApplication::translate("Printing", "Print the chart"));
  // One page: no range, no selection.
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  if (dialog.exec() != QDialog::Accepted) return;
  if (const auto problem = print_chart(printer, figures, legend)) report_failure(parent, *problem);
}

void preview_page(QWidget* parent, QPrinter& printer, const VectorFigures& figures, const PageLegend& legend) {
  QPrintPreviewDialog preview(&printer, parent);
  preview.setWindowTitle(QCoreApplication::translate("Printing", "Print preview"));
  // Large enough to read the legend.
  if (parent != nullptr) preview.resize(parent->window()->size() * 0.8);
  // The preview draws on a printer of its own; printing from it paints on
  // the real one, where a failure is reported.
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
    if (const auto problem = print_chart(*target, figures, legend)) report_failure(parent, *problem);
  });
  preview.exec();
}

}  // namespace pelmora
