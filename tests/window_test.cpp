// The window on the offscreen platform: its layout, its buttons and the exit
// box, driven through real clicks.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHelpEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include "clocks/clocks.h"
#include "support/test_support.h"
#include "window/form1_window.h"
#include "window/help_window.h"

namespace pelmora::testing {
namespace {

// Answers the next message box that opens with the given button, or with
// Escape for QMessageBox::NoButton; records its texts.
struct BoxAnswer {
  QString title, text;
  bool yes_is_default = false;
  bool answered = false;

  // Looks for the box until it opens, then answers it.
  void next(QMessageBox::StandardButton button) {
    QObject::disconnect(&poll, nullptr, nullptr, nullptr);
    QObject::connect(&poll, &QTimer::timeout, [this, button] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      poll.stop();
      title = box->windowTitle();
      text = box->text();
      yes_is_default = box->defaultButton() == box->button(QMessageBox::Yes);
      answered = true;
      if (button == QMessageBox::NoButton) {
        QTest::keyClick(box, Qt::Key_Escape);
      } else {
        QTest::mouseClick(box->button(button), Qt::LeftButton);
      }
    });
    poll.start(1);
  }

  QTimer poll;
};

// A key pressed as the window system delivers it, so that the window's
// shortcuts see it.
void press(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  window.activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(window.windowHandle(), key, modifiers);
}

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() : window(clock) {
    clock.seconds = 36000;
    window.load();
    window.show();
  }
  SettableClock clock;
  Form1Window window;
  BoxAnswer answer;
};

TEST_F(WindowTest, LayoutFollowsTheDesign) {
  EXPECT_EQ(window.windowTitle(), "Pelmora10");
  EXPECT_EQ(window.size(), QSize(1272, 976));
  EXPECT_EQ(window.picture()->geometry(), QRect(8, 24, 1241, 921));
  EXPECT_EQ(window.clock_mode_button()->parentWidget(), window.picture());
  EXPECT_EQ(window.clock_mode_button()->geometry(), QRect(1112, 8, 57, 41));
  EXPECT_EQ(window.cmd_exit_button()->geometry(), QRect(1176, 8, 57, 41));
  EXPECT_EQ(window.clock_mode_button()->text(), "clock mode");
  EXPECT_EQ(window.cmd_exit_button()->text(), "cmd_exit");
  // Tab order: the picture, cmd_exit, clock_mode.
  EXPECT_EQ(window.picture()->nextInFocusChain(), window.cmd_exit_button());
  EXPECT_EQ(window.cmd_exit_button()->nextInFocusChain(), window.clock_mode_button());
}

TEST_F(WindowTest, ModeButtonSwitchesAndRenamesItself) {
  QTest::mouseClick(window.clock_mode_button(), Qt::LeftButton);
  EXPECT_EQ(window.clock_mode_button()->text(), "simulation");
  EXPECT_FALSE(is_true(window.form().state().simulation_mode));
  QTest::mouseClick(window.clock_mode_button(), Qt::LeftButton);
  EXPECT_EQ(window.clock_mode_button()->text(), "clock mode");
  EXPECT_FALSE(window.ended());
}

// Conditions are waited for with a generous limit; a passing test never
// waits that long.
constexpr int kPatienceMs = 10'000;

bool steps_on(Form1Window& window) {
  const int before = window.form().state().step_count.value();
  return QTest::qWaitFor([&] { return window.form().state().step_count.value() != before; }, kPatienceMs);
}

TEST_F(WindowTest, TimerTurnsTheChart) { EXPECT_TRUE(steps_on(window)); }

// The clock stands still here, so in clock mode no tick after the first
// few can change anything: the timer sleeps longer than its interval, and
// ticks at the interval again in simulation mode.
TEST_F(WindowTest, ClockModeTimerSleepsWhileNothingCanChange) {
  EXPECT_EQ(window.timer_wait_ms(), 15);
  QTest::mouseClick(window.clock_mode_button(), Qt::LeftButton);
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.timer_wait_ms() > 15; }, kPatienceMs));

  QTest::mouseClick(window.clock_mode_button(), Qt::LeftButton);
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.timer_wait_ms() == 15; }, kPatienceMs));
  EXPECT_TRUE(steps_on(window));
}

// Each pass repaints only what it changed: after many of them the screen
// holds the picture pixel for pixel (the buttons aside), at scale 1 and
// below it, where texts are shown apart from the figures.
TEST_F(WindowTest, ScreenHoldsThePictureAfterPassesRepaintedInPart) {
  for (const QSize& size : {QSize(1272, 976), QSize(800, 600)}) {
    window.resize(size);
    const long from = window.redraw_passes();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.redraw_passes() >= from + 60; }, kPatienceMs));
    window.set_paused(true);
    const PictureWidget& widget = *window.picture();
    const auto on_screen = [&] {
      const QImage screen = window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
      const QImage picture = widget.picture();
      const QRegion buttons = QRegion(window.clock_mode_button()->geometry()) + window.cmd_exit_button()->geometry();
      for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
          if (!buttons.contains(QPoint(x, y)) && screen.pixel(widget.x() + x, widget.y() + y) != picture.pixel(x, y))
            return false;
      return true;
    };
    EXPECT_TRUE(QTest::qWaitFor(on_screen, kPatienceMs)) << size.width() << "x" << size.height();
    EXPECT_LT(widget.drawn_scale(), size == QSize(800, 600) ? 1 : 1.01);
    window.set_paused(false);
  }
}

TEST_F(WindowTest, ExitButtonAnsweredYesEndsTheProgram) {
  answer.next(QMessageBox::Yes);
  QTest::mouseClick(window.cmd_exit_button(), Qt::LeftButton);
  EXPECT_TRUE(answer.answered);
  EXPECT_EQ(answer.title, "Exit Dialog");
  EXPECT_EQ(answer.text, "Are you sure?");
  EXPECT_TRUE(answer.yes_is_default);
  EXPECT_TRUE(window.ended());
  EXPECT_EQ(window.exit_status(), 0);
  // Nothing runs after the end.
  EXPECT_FALSE(window.timer_running());
}

TEST_F(WindowTest, ExitButtonAnsweredNoOrEscapeKeepsRunning) {
  for (const auto button : {QMessageBox::No, QMessageBox::Cancel, QMessageBox::NoButton}) {
    answer.next(button);
    QTest::mouseClick(window.cmd_exit_button(), Qt::LeftButton);
    EXPECT_TRUE(answer.answered);
    EXPECT_FALSE(window.ended());
  }
  EXPECT_TRUE(steps_on(window));
}

TEST_F(WindowTest, CloseRequestAsksToo) {
  answer.next(QMessageBox::No);
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(answer.answered);
  EXPECT_TRUE(window.isVisible());
  answer.next(QMessageBox::Yes);
  EXPECT_TRUE(window.close());
  EXPECT_TRUE(window.ended());
}

// Past the calendar's last day the clock fails like any run-time error: a
// box that waits to be read, then the end with status 1.
TEST(WindowEndTest, CalendarsEndIsARunTimeErrorShownInABox) {
  VirtualClock clock(LocalMoment{9999, 12, 31, 86'399'990});
  Form1Window window(clock);
  window.load();
  window.show();
  BoxAnswer answer;
  answer.next(QMessageBox::Ok);
  clock.advance(20);
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.ended(); }, kPatienceMs));
  EXPECT_TRUE(answer.answered);
  EXPECT_TRUE(answer.text.startsWith("Run-time error '6'")) << answer.text.toStdString();
  EXPECT_EQ(window.exit_status(), 1);
}

// A click where the window shows a part, through the window system.
void click_at(Form1Window& window, QWidget* part, QPoint within) {
  QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, part->mapTo(&window, within));
}

// Dragged wider and taller: the layout at one and a half times the design,
// the picture drawn afresh once at that scale, and every part still takes
// its clicks where it is shown.
TEST_F(WindowTest, ResizedWindowDrawsOnceAtTheNewScaleAndTakesClicks) {
  const long rebuilds = window.picture()->rebuilds();
  for (int width = 1300; width <= 1908; width += 76) window.resize(width, 1464);
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.picture()->drawn_scale() == 1.5; }, kPatienceMs));
  EXPECT_EQ(window.picture()->rebuilds(), rebuilds + 1);
  EXPECT_EQ(window.picture()->geometry(), QRect(12, 36, 1862, 1382));
  EXPECT_EQ(window.cmd_exit_button()->geometry(), QRect(1764, 12, 86, 62));
  // It shows the picture pixel for pixel.
  const QImage picture = window.picture()->picture();
  QImage shown(picture.size(), QImage::Format_RGB32);
  window.picture()->render(&shown, {}, {}, {});
  EXPECT_TRUE(shown == picture);

  click_at(window, window.clock_mode_button(), {43, 31});
  EXPECT_EQ(window.clock_mode_button()->text(), "simulation");
  const float end = window.form().state().redraw_end_time;
  clock.seconds = 36010;
  click_at(window, window.picture(), {1800, 1300});
  EXPECT_GT(window.form().state().redraw_end_time, end);
  answer.next(QMessageBox::No);
  click_at(window, window.cmd_exit_button(), {43, 31});
  EXPECT_TRUE(answer.answered);
  EXPECT_FALSE(window.ended());
}

// F11 fills the screen with the picture area alone, centred at the largest
// scale; Escape leaves full screen (and does nothing else) and the form is
// back; the exit box still opens.
TEST_F(WindowTest, F11GoesFullScreenAndEscapeLeavesIt) {
  press(window, Qt::Key_F11);
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.isFullScreen(); }, kPatienceMs));
  const QSize screen = window.screen()->geometry().size();
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.size() == screen; }, kPatienceMs));
  const WindowLayout expected = layout_in(screen, window.devicePixelRatioF(), Framing::picture_alone);
  EXPECT_EQ(window.picture()->geometry(), expected.picture);
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.picture()->drawn_scale() == expected.device_scale; }, kPatienceMs));

  answer.next(QMessageBox::No);
  click_at(window, window.cmd_exit_button(), {10, 10});
  EXPECT_TRUE(answer.answered);

  QTest::keyClick(window.picture(), Qt::Key_Escape);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isFullScreen(); }, kPatienceMs));
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return window.picture()->geometry() == layout_in(window.size(), window.devicePixelRatioF()).picture; },
      kPatienceMs));
  QTest::keyClick(window.picture(), Qt::Key_Escape);
  EXPECT_FALSE(window.isFullScreen());
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(window.ended());
}

// The keys work without the menu: quit (through the exit box), copy;
// Return presses the button in focus, and on the chart is a click. (F1 is
// the help's test.)
TEST_F(WindowTest, KeysReachTheirCommands) {
  answer.next(QMessageBox::No);
  press(window, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(answer.answered);
  EXPECT_EQ(answer.text, "Are you sure?");
  EXPECT_FALSE(window.ended());

  press(window, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->image().size(), window.picture()->picture().size());

  // Ctrl+P opens the print dialog; cancelled, it prints nothing and says
  // nothing.
  QString dialog;
  QTimer cancel;
  QObject::connect(&cancel, &QTimer::timeout, [&] {
    auto* print = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    if (print == nullptr) return;
    cancel.stop();
    dialog = print->windowTitle();
    print->reject();
  });
  cancel.start(1);
  press(window, Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(dialog, "Print the chart");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

  window.clock_mode_button()->setFocus();
  press(window, Qt::Key_Return);
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.clock_mode_button()->text() == "simulation"; }, kPatienceMs));
  window.picture()->setFocus();
  const float end = window.form().state().redraw_end_time;
  clock.seconds = 36020;
  press(window, Qt::Key_Return);
  EXPECT_GT(window.form().state().redraw_end_time, end);
}

// Every caption fits between its button's edges with a margin, at a small,
// the design's and a large scale, in both modes.
TEST_F(WindowTest, CaptionsFitTheirButtonsAtAnyScale) {
  for (const double scale : {0.6, 1.0, 2.0}) {
    window.resize((QSizeF(1272, 976) * scale).toSize());
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::abs(window.layout().scale - scale) < 0.01; }, kPatienceMs)) << scale;
    for (int press = 0; press < 2; ++press) {
      for (QPushButton* button : {window.clock_mode_button(), window.cmd_exit_button()}) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QFontMetricsF metrics(button->font(), button);
        EXPECT_LE(metrics.horizontalAdvance(button->text()) + 2 * scale, contents.width())
            << button->text().toStdString() << " at " << scale;
        EXPECT_LE(metrics.height(), contents.height());
        // Not shrunk more than it needs: at least three quarters of the
        // design's size.
        EXPECT_GE(QFontInfo(button->font()).pixelSize(), std::floor(0.75 * 11 * scale));
      }
      window.press_clock_mode();
    }
  }
}

// Save picture proposes a name from the moment the chart shows.
TEST_F(WindowTest, PictureIsNamedAfterTheChartsMoment) {
  window.press_clock_mode();
  EXPECT_EQ(picture_file_name(window.shown_moment()), "pelmora-2026-12-07-1000.png");
}

// Shift+F10 opens the menu where the focus is: on the chart, or on a button.
TEST_F(WindowTest, ShiftF10OpensTheMenuAtTheItemInFocus) {
  for (QWidget* item : {static_cast<QWidget*>(window.picture()), static_cast<QWidget*>(window.cmd_exit_button())}) {
    item->setFocus();
    press(window, Qt::Key_F10, Qt::ShiftModifier);
    QWidget* menu = nullptr;
    EXPECT_TRUE(QTest::qWaitFor([&] { return (menu = QApplication::activePopupWidget()) != nullptr; }, kPatienceMs));
    ASSERT_NE(qobject_cast<QMenu*>(menu), nullptr);
    EXPECT_EQ(qobject_cast<QMenu*>(menu)->actions().size(), 12);  // 9 actions and 3 separators
    menu->close();
  }
}

// The help fits its screen, opens over the window and is tied to it, closes
// by Escape, Ctrl+W or its button, and its picture follows its width.
TEST_F(WindowTest, HelpFitsItsScreenAndClosesByKeyOrButton) {
  const auto help = [] {
    for (QWidget* top : QApplication::topLevelWidgets())
      if (auto* found = dynamic_cast<HelpWindow*>(top)) return found;
    return static_cast<HelpWindow*>(nullptr);
  };
  const auto opened = [&] {
    press(window, Qt::Key_F1);
    return QTest::qWaitFor([&] { return help() != nullptr && help()->isVisible(); }, kPatienceMs);
  };
  ASSERT_TRUE(opened());
  HelpWindow& shown = *help();
  const QRect room = window.screen()->availableGeometry();
  EXPECT_LE(shown.width(), 0.9 * room.width());
  EXPECT_LE(shown.height(), 0.9 * room.height());
  EXPECT_EQ(shown.windowHandle()->transientParent(), window.windowHandle());
  // Narrower: the picture and the text follow, nothing to scroll sideways.
  const int wide = shown.picture_width();
  shown.resize(500, shown.height());
  EXPECT_TRUE(QTest::qWaitFor([&] { return shown.picture_width() < wide; }, kPatienceMs));
  EXPECT_LE(shown.picture_width(), shown.text()->viewport()->width());
  EXPECT_EQ(shown.text()->horizontalScrollBar()->maximum(), 0);

  QTest::keyClick(&shown, Qt::Key_Escape);
  EXPECT_FALSE(shown.isVisible());
  ASSERT_TRUE(opened());
  shown.activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&shown));
  QTest::keyClick(shown.windowHandle(), Qt::Key_W, Qt::ControlModifier);
  EXPECT_FALSE(shown.isVisible());
  ASSERT_TRUE(opened());
  QTest::mouseClick(shown.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close), Qt::LeftButton);
  EXPECT_FALSE(shown.isVisible());
}

// Where the pointer rests, a tip names what is there, at any scale.
TEST_F(WindowTest, TipsNameWhatIsUnderThePointer) {
  window.resize(1908, 1464);  // one and a half times the design
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.picture()->drawn_scale() == 1.5; }, kPatienceMs));
  const FormState& st = window.form().state();
  const auto tip_at = [&](double x, double y) {
    const QPoint point = (QPointF(x, y) * window.layout().scale).toPoint();
    QHelpEvent event(QEvent::ToolTip, point, window.picture()->mapToGlobal(point));
    QApplication::sendEvent(window.picture(), &event);
    return event.isAccepted() ? QToolTip::text() : QString();
  };
  EXPECT_TRUE(tip_at(st.sun_x.value() + 26, st.level.value()).contains("The sun"));
  EXPECT_TRUE(tip_at(5 * 8, 42 * 16 + 8).contains("moon's angle"));
  EXPECT_TRUE(tip_at(600, 880).isEmpty());  // empty sky: no tip
}

// A screen reader finds the chart by name, as a chart, and its words change
// with the clock.
TEST_F(WindowTest, ChartReadsItselfToAScreenReader) {
  QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(window.picture());
  ASSERT_NE(chart, nullptr);
  EXPECT_EQ(chart->text(QAccessible::Name), "Sky chart");
  EXPECT_EQ(chart->role(), QAccessible::Chart);
  QTest::mouseClick(window.clock_mode_button(), Qt::LeftButton);
  EXPECT_TRUE(QTest::qWaitFor([&] { return chart->text(QAccessible::Description).startsWith("Clock mode. 10:00:00"); },
                              kPatienceMs));
  clock.seconds = 36001;
  EXPECT_TRUE(QTest::qWaitFor([&] { return chart->text(QAccessible::Description).startsWith("Clock mode. 10:00:01"); },
                              kPatienceMs));
}

TEST_F(WindowTest, ClickOnThePictureRedraws) {
  const float end = window.form().state().redraw_end_time;
  clock.seconds = 36010;
  QTest::mouseClick(window.picture(), Qt::LeftButton, {}, QPoint(300, 300));
  EXPECT_GT(window.form().state().redraw_end_time, end);
}

}  // namespace
}  // namespace pelmora::testing
