// The floor under the clock mode's CPU figure: an empty Qt window whose
// 15 ms timer does nothing. Measured beside the sky clock by bench/run.sh.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("timer floor"));
  window.resize(300, 200);
  window.show();
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer, &QTimer::timeout, [] {});
  timer.start(15);
  return application.exec();
}
