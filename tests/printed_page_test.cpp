// The printed page: the headless run's PDF is one page with the chart and
// its legend, and the window prints that same page.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <string>

#include "support/test_support.h"
#include "window/form1_window.h"
#include "window/printing.h"

namespace pelmora::testing {
namespace {

// What a command prints on standard output, and whether it ended well.
std::pair<bool, std::string> output_of(const std::string& command) {
  const CommandRun run = run_command(command);
  return {run.status == 0, run.output};
}

QByteArray undated(const QString& name) {
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QByteArray bytes = file.readAll();
  blank_creation_date(bytes);
  return bytes;
}

constexpr const char* kMoment = "2026-12-07 06:00";

class PrintedPageTest : public ::testing::Test {
 protected:
  // The headless page at kMoment in Madrid, in the printing palette.
  QString headless_page() {
    const QString name = folder.filePath(QStringLiteral("page.pdf"));
    const auto [done, output] =
        output_of(std::string(PELMORA_BINARY) + " --at '" + kMoment + "' --place Madrid --colours print --snapshot " +
                  name.toStdString() + " 2>&1");
    EXPECT_TRUE(done) << output;
    return name;
  }
  QTemporaryDir folder;
};

// One A4 page, landscape, with the chart's own words and the legend's:
// the chart's moment, the place given and the sky (poppler-utils reads it,
// as a viewer would).
TEST_F(PrintedPageTest, HeadlessPageIsOnePageWithTheChartAndItsLegend) {
  const std::string page = headless_page().toStdString();
  const auto [read, info] = output_of("pdfinfo " + page);
  ASSERT_TRUE(read) << "pdfinfo (poppler-utils, scripts/setup.sh --test) could not read " << page;
  EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
  EXPECT_NE(info.find("Page size:       842 x 595 pts (A4)"), std::string::npos) << info;
  const std::string text = output_of("pdftotext " + page + " -").second;
  for (const char* words :
       {"Date: Monday, 7 December 2026", "Time: 06:00", "Place: Madrid, 40.40° N, 3.68° W",
        "Sky: as designed (mean places, local mean time)", "kelvarin chart northern hemisphere", "lunar"})
    EXPECT_NE(text.find(words), std::string::npos) << words << " in:\n" << text;
}

// The window's print to a PDF file (what its print dialog's "Print to
// File" does) gives the headless page byte for byte, but its date; a file
// that cannot be written is one reason, not a page.
TEST_F(PrintedPageTest, TheWindowPrintsTheHeadlessPage) {
  SettableClock clock;
  clock.seconds = 6 * 3600;
  Form1Window window(clock);
  // Paused from the start, as the headless run without a script is: no
  // tick draws on the chart, not even one that falls due during a slow load.
  window.set_paused(true);
  window.load();
  window.actions()->commands().place = [] {
    return std::get<sky::Place>(sky::parse_place("Madrid", sky::system_zone_rows()));
  };
  const PageLegend legend = window.actions()->page_legend();
  EXPECT_EQ(legend.moment, QDateTime(QDate(2026, 12, 7), QTime(6, 0)));

  QPrinter printer(QPrinter::HighResolution);
  set_up_for_page(printer);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(folder.filePath(QStringLiteral("printed.pdf")));
  EXPECT_EQ(print_chart(printer, window.actions()->commands().figures(), legend), std::nullopt);
  const QByteArray printed = undated(printer.outputFileName());
  EXPECT_TRUE(printed.startsWith("%PDF-"));
  EXPECT_EQ(printed, undated(headless_page()));

  printer.setOutputFileName(folder.filePath(QStringLiteral("none/printed.pdf")));
  const auto problem = print_chart(printer, window.actions()->commands().figures(), legend);
  ASSERT_TRUE(problem.has_value());
  EXPECT_TRUE(problem->contains(QStringLiteral("none/printed.pdf"))) << problem->toStdString();
}

}  // namespace
}  // namespace pelmora::testing
