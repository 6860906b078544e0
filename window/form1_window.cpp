#include "window/form1_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "app/handler_boundary.h"
#include "guide/chart_reading.h"
#include "guide/words.h"
#include "render/printed_page.h"
#include "window/session.h"
#include "window/tick_pacing.h"

namespace pelmora {

namespace {

// A guess at the window manager's frame before it has framed the window:
// room for a tall title bar and wide borders. The frame is measured once
// the window is shown.
constexpr QMargins kLikelyFrame(8, 40, 8, 8);

// The message box style the program asks its question with: 32, the
// question icon, plus 3, the buttons Yes, No and Cancel (Yes the default).
constexpr int kQuestionYesNoCancel = 35;

// The room a caption keeps on each side, in design pixels, so that it never
// touches the button's edges.
constexpr double kCaptionMarginPixels = 2;

QFont button_font(double pixels, double logical_dpi) {
  QFont font = picture_font();
  font.setStyleStrategy(QFont::PreferDefault);
  // In points, which need not be whole as pixels must.
  font.setPointSizeF(pixels * 72.0 / logical_dpi);
  return font;
}

// The font size a caption fits in at most `pixels` (the design's size at
// the layout's scale): smaller where it would not fit between the
// button's edges with a margin.
double caption_pixels(const QPushButton& button, double pixels, double scale, double logical_dpi) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  const QRect contents = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
  const double room = contents.width() - 2 * kCaptionMarginPixels * scale;
  // Glyphs do not grow quite in proportion with the size: a few tries.
  for (int attempt = 0; attempt < 8; ++attempt) {
    const double wide = QFontMetricsF(button_font(pixels, logical_dpi), &button).horizontalAdvance(button.text());
    if (wide <= room || room <= 0) break;
    pixels *= 0.98 * room / wide;
  }
  return pixels;
}

QString to_qstring(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

Form1Window::Form1Window(Clock& clock)
    : picture1_(new PictureWidget(this)),
      surface_(&picture1_->canvas(), nullptr),
      form_(surface_, clock, *this),
      clock_(clock) {
  setWindowTitle(QStringLiteral("Pelmora10"));
  picture1_->setFont(picture_font());
  clock_mode_ = new QPushButton(QStringLiteral("clock mode"), picture1_);
  cmd_exit_ = new QPushButton(QStringLiteral("cmd_exit"), picture1_);
  for (QPushButton* button : {clock_mode_, cmd_exit_}) button->setAutoDefault(false);
  resize(kDesignSize);
  // Tab order: the picture, then cmd_exit, then clock_mode.
  setTabOrder(picture1_, cmd_exit_);
  setTabOrder(cmd_exit_, clock_mode_);

  picture1_->on_click = [this] { dispatch([this] { form_.picture1_click(); }); };
  picture1_->on_first_paint = [this] { first_chart_shown_ = seconds_since_boot(); };
  QObject::connect(clock_mode_, &QPushButton::clicked, this,
                   [this] { dispatch([this] { form_.clock_mode_Click(); }); });
  QObject::connect(cmd_exit_, &QPushButton::clicked, this, [this] { dispatch([this] { form_.cmd_exit_Click(); }); });
  timer2_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer2_, &QTimer::timeout, this, [this] { timer_tick(); });

  // Return and Enter press a button in focus, as Space does.
  for (QPushButton* button : {clock_mode_, cmd_exit_}) button->installEventFilter(this);
  update_mode_tip();
  cmd_exit_->setToolTip(QCoreApplication::translate("Form1Window", "End the program (asks first)."));
  actions_ = new ChartActions(this, {.switch_mode = [this] { clock_mode_->click(); },
                                     .in_clock_mode = [this] { return !is_true(form_.state().simulation_mode); },
                                     .toggle_full_screen = [this] { toggle_full_screen(); },
                                     .full_screen = [this] { return isFullScreen(); },
                                     .picture = [this] { return picture1_->picture(); },
                                     .figures = [this] { return picture1_->figures(); },
                                     .moment = [this] { return shown_moment(); },
                                     .quit = [this] { close(); },
                                     .picture_folder = {},
                                     .picture_saved_in = {},
                                     .true_sky = {},
                                     .place = {},
                                     .about_note = {},
                                     .guard = [this](const std::function<void()>& run) { guarded(run); }});
  picture1_->name_at = [this](QPointF point) {
    auto name = name_at(form_.view(), point.x(), point.y());
    // The clock's time and date read-outs follow the clock, which is not
    // the computer's now (found by their titles in the language in use).
    if (name && name->readout && !clock_note_.isEmpty()) {
      if (name->title == "hrs, min, sec") {
        name->detail = clock_note_.toStdString();
      } else if (name->title == guide_text(GUIDE_TR("Guide", "day, month, year"))) {
        name->detail =
            (QCoreApplication::translate("Form1Window", "The date of the clock.") + ' ' + clock_note_).toStdString();
      }
    }
    if (name && name->readout && name->title == "local") {
      // In the true sky the read-out is the sidereal time, not the chart angle's.
      if (room_)
        name->detail = QCoreApplication::translate("SkyControls",
                                                   "The local sidereal time at the centre marker, in whole degrees.")
                           .toStdString();
      if (sky_note_) name->detail.append(" ").append(sky_note_().toStdString());
    }
    return name;
  };
  picture1_->on_context_menu = [this](QPoint where) { actions_->show_menu(where); };
  // Shift+F10 opens the menu at the item in focus, as the Menu key does.
  auto* menu_key = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
  QObject::connect(menu_key, &QShortcut::activated, this, [this] {
    QWidget* item = focusWidget() != nullptr ? focusWidget() : picture1_;
    const QPoint middle = item->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, middle, item->mapToGlobal(middle));
    QApplication::sendEvent(item, &event);
  });

  // A screen reader hears of the chart's words at most once a second.
  QObject::connect(&reading_timer_, &QTimer::timeout, this, [this] { guarded([this] { update_reading(); }); });
  reading_timer_.start(1000);
}

QDateTime Form1Window::shown_moment() const {
  // The date and the time (simulated in simulation mode) of the read-outs.
  return chart_moment(form_.state()).value_or(QDateTime::currentDateTime());
}

void Form1Window::update_reading() {
  std::string words = chart_in_words(form_.view());
  if (!clock_note_.isEmpty()) words.append(" ").append(clock_note_.toStdString());
  if (sky_note_) words.append(" ").append(sky_note_().toStdString());
  if (words == reading_) return;
  reading_ = std::move(words);
  picture1_->setAccessibleDescription(QString::fromStdString(reading_));
}

void Form1Window::update_mode_tip() {
  // The button's caption names the mode it switches to.
  clock_mode_->setToolTip(
      clock_mode_->text() == QStringLiteral("simulation")
          ? QCoreApplication::translate("Form1Window", "Switch to simulation mode: the chart turns as fast as it can.")
          : QCoreApplication::translate("Form1Window",
                                        "Switch to clock mode: the chart follows the computer's clock."));
}

bool Form1Window::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button != nullptr && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat() &&
        (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
      button->animateClick();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void Form1Window::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (isFullScreen()) painter.fillRect(rect(), Qt::black);
  // The chart's focus shows as a frame around it, outside its pixels, in
  // the colour the style marks a selection with (its own focus frame shows
  // only after the Tab key, not at start or after a click).
  if (!picture1_->hasFocus()) return;
  painter.setPen(QPen(palette().highlight(), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(picture1_->geometry()).adjusted(-2, -2, 2, 2));
}

Form1Window::~Form1Window() { timer2_.stop(); }

void Form1Window::lay_out() {
  setMinimumSize(least_client_size(devicePixelRatioF()));
  // Full screen shows the chart alone, on black; a window shows the form.
  layout_ = layout_in(size(), devicePixelRatioF(), isFullScreen() ? Framing::picture_alone : Framing::form);
  picture1_->setGeometry(layout_.picture);
  picture1_->set_scale(layout_.scale);
  clock_mode_->setGeometry(layout_.clock_mode);
  cmd_exit_->setGeometry(layout_.cmd_exit);
  fit_captions();
}

void Form1Window::fit_captions() {
  // One size for both, the largest at which both captions fit.
  double pixels = layout_.button_font_pixels;
  for (const QPushButton* button : {clock_mode_, cmd_exit_})
    pixels = caption_pixels(*button, pixels, layout_.scale, logicalDpiY());
  for (QPushButton* button : {clock_mode_, cmd_exit_}) button->setFont(button_font(pixels, logicalDpiY()));
}

void Form1Window::resizeEvent(QResizeEvent*) { lay_out(); }

void Form1Window::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) {
    lay_out();
    update();
  }
}

void Form1Window::size_for_screen() {
  if (const QScreen* place = screen())
    resize(first_client_size(place->availableGeometry().size(), kLikelyFrame, place->devicePixelRatio()));
}

void Form1Window::showEvent(QShowEvent*) {
  // A move to a screen of another pixel ratio changes the picture's scale
  // without a resize.
  if (QWindow* handle = windowHandle(); handle != nullptr && !screen_watched_) {
    screen_watched_ = true;
    QObject::connect(handle, &QWindow::screenChanged, this, [this] { lay_out(); });
  }
  lay_out();
}

void Form1Window::moveEvent(QMoveEvent*) {
  // The window manager moves the window as it frames it: the frame is
  // known from here on.
  if (!frame_fitted_ && isVisible() && frameGeometry() != geometry()) fit_frame_on_screen();
}

void Form1Window::fit_frame_on_screen() {
  frame_fitted_ = true;
  const QScreen* place = screen();
  if (place == nullptr || isFullScreen() || isMaximized()) return;
  const QRect available = place->availableGeometry();
  if (available.contains(frameGeometry())) return;
  const QMargins frame(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                       frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
  resize(first_client_size(available.size(), frame, devicePixelRatioF()));
  const QSize whole = size().grownBy(frame);
  move(std::clamp(frameGeometry().left(), available.left(),
                  std::max(available.left(), available.right() + 1 - whole.width())),
       std::clamp(frameGeometry().top(), available.top(),
                  std::max(available.top(), available.bottom() + 1 - whole.height())));
}

void Form1Window::toggle_full_screen() {
  if (isFullScreen()) {
    showNormal();
  } else {
    showFullScreen();
  }
}

void Form1Window::keyPressEvent(QKeyEvent* event) {
  // F11 is the full-screen action's key; Escape only leaves full screen.
  if (event->key() == Qt::Key_Escape && isFullScreen()) return toggle_full_screen();
  QWidget::keyPressEvent(event);
}

void Form1Window::load() {
  dispatch([this] { form_.Form_Load(); });
  guarded([this] { update_reading(); });
}

void Form1Window::press_clock_mode() { clock_mode_->click(); }

void Form1Window::set_paused(bool paused) {
  if (paused == paused_ || ended_) return;
  paused_ = paused;
  if (paused) return timer2_.stop();
  if (!is_true(form_.state().simulation_mode)) reload();
  if (interval_ms_ > 0 && !ended_) timer2_.start(interval_ms_);
}

void Form1Window::step() {
  if (paused_) timer_tick();
}

void Form1Window::reload() {
  dispatch([this] { form_.Form_Load(); });
  update_reading();
}

void Form1Window::set_true_sky(const std::optional<sky::Place>& place) {
  form_.set_true_sky(nullptr);
  room_.reset();
  if (!place) return;
  room_.emplace(*place);
  form_.set_true_sky(&*room_);
}

void Form1Window::show_colours_as(ColourScheme scheme) { picture1_->show_colours_as(scheme); }

void Form1Window::set_clock_note(const QString& note) {
  clock_note_ = note;
  update_reading();
}

void Form1Window::timer_tick() {
  // No tick starts inside a running one; a tick that falls due meanwhile
  // is dropped.
  if (in_tick_) return;
  in_tick_ = true;
  ++ticks_handled_;
  const long changes_before = picture1_->changes_shown();
  dispatch([this] { form_.Timer2_Timer(); });
  in_tick_ = false;
  if (ended_ || !timer2_.isActive()) return;
  // In clock mode most ticks reprint what is there; sleep through those.
  const bool changed = picture1_->changes_shown() != changes_before;
  const int wait = next_tick_wait_ms(form_.state(), clock_.seconds_since_midnight(), interval_ms_, changed);
  if (wait != timer2_.interval()) timer2_.start(wait);
}

void Form1Window::dispatch(const std::function<void()>& handler) {
  if (ended_) return;
  guarded(handler);
  if (ended_) return;
  guarded([this] { picture1_->show_changes(); });
}

void Form1Window::guarded(const std::function<void()>& work) {
  const HandlerEnd end = run_handler(work);
  if (end.kind == HandlerEnd::Kind::program_ended) finish(0);
  if (end.kind == HandlerEnd::Kind::runtime_error) report_and_finish(*end.error);
}

void Form1Window::report_and_finish(const RuntimeError& error) {
  if (ended_) return;
  std::fprintf(stderr, "%s\n", runtime_error_text(error).c_str());
  // Ended from here on: no handler runs while the box waits to be read.
  stop(1);
  QMessageBox::critical(this, QStringLiteral("Pelmora10"),
                        QCoreApplication::translate("Form1Window", "Run-time error '%1':\n\n%2")
                            .arg(error.number())
                            .arg(QString::fromUtf8(error.what())));
  finish(1);
}

void Form1Window::end_failed(const char* reason) {
  if (ended_) return;
  std::fprintf(stderr, "pelmora: %s\n", reason);
  finish(1);
}

void Form1Window::stop(int status) {
  if (ended_) return;
  ended_ = true;
  exit_status_ = status;
  timer2_.stop();
}

void Form1Window::finish(int status) {
  stop(status);
  // Queued: the application's loop ends once the handlers have unwound.
  if (running_ && !quit_asked_) {
    quit_asked_ = true;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [this] { QCoreApplication::exit(exit_status_); }, Qt::QueuedConnection);
  }
}

int Form1Window::run() {
  if (ended_) return exit_status_;
  running_ = true;
  quit_asked_ = false;
  const int status = QApplication::exec();
  running_ = false;
  return ended_ ? exit_status_ : status;
}

void Form1Window::closeEvent(QCloseEvent* event) {
  if (ended_) return event->accept();
  Integer cancel = 0;
  dispatch([&] { form_.form_unload(cancel); });
  if (ended_ || cancel == 0) {
    event->accept();
  } else {
    event->ignore();
  }
}

void Form1Window::set_caption(Button button, std::string_view caption) {
  (button == Button::clock_mode ? clock_mode_ : cmd_exit_)->setText(to_qstring(caption));
  fit_captions();
  update_mode_tip();
}

void Form1Window::set_timer_interval(Integer milliseconds) {
  if (milliseconds < 0) raise_invalid_argument();
  interval_ms_ = milliseconds.value();
  if (milliseconds == 0) return timer2_.stop();
  if (paused_) return;
  timer2_.start(milliseconds.value());
}

Integer Form1Window::message_box(std::string_view prompt, Integer style, std::string_view title) {
  // The one style the program asks with; any other is a call it does not make.
  if (style != kQuestionYesNoCancel) raise_invalid_argument();
  QMessageBox box(QMessageBox::Question, to_qstring(title), to_qstring(prompt),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
  box.setDefaultButton(QMessageBox::Yes);
  // Escape and closing the box give Cancel.
  box.setEscapeButton(QMessageBox::Cancel);
  picture1_->show_changes();
  box.exec();
  if (ended_) throw ProgramEnded{};
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
      return kAnswerYes;
    case QMessageBox::No:
      return kAnswerNo;
    default:
      return kAnswerCancel;
  }
}

void Form1Window::end_program() { throw ProgramEnded{}; }

void Form1Window::yield() {
  ++redraw_passes_;  // every pass ends in its one yield
  picture1_->show_changes();
  QCoreApplication::processEvents();
  // The program ended in a handler that ran meanwhile: nothing of the
  // interrupted handlers may run on.
  if (ended_) throw ProgramEnded{};
}

}  // namespace pelmora
