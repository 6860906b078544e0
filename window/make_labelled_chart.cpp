// Writes the labelled chart of the help window to a PNG file at scale 2,
// for the README: make_labelled_chart FILE.png
#include <QGuiApplication>
#include <cstdio>

#include "window/labelled_chart.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_labelled_chart FILE.png\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (!pelmora::labelled_chart(2).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "make_labelled_chart: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
