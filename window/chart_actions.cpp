#include "window/chart_actions.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <algorithm>

#include "render/picture_format.h"
#include "window/help_window.h"
#include "window/picture_file.h"
#include "window/printing.h"
#include "window/translations.h"

namespace pelmora {

ChartActions::ChartActions(QWidget* window, ChartCommands commands)
    : QObject(window), window_(window), commands_(std::move(commands)) {
  clock_mode = add(QCoreApplication::translate("ChartActions", "&Clock mode"), {}, [this] { commands_.switch_mode(); });
  clock_mode->setCheckable(true);
  full_screen = add(QCoreApplication::translate("ChartActions", "&Full screen"), QKeySequence(Qt::Key_F11),
                    [this] { commands_.toggle_full_screen(); });
  full_screen->setCheckable(true);
  save_picture =
      add(QCoreApplication::translate("ChartActions", "&Save picture..."), QKeySequence::Save, [this] { save(); });
  copy_picture = add(QCoreApplication::translate("ChartActions", "C&opy picture"), QKeySequence::Copy,
                     [this] { QApplication::clipboard()->setImage(commands_.picture()); });
  print = add(QCoreApplication::translate("ChartActions", "Pr&int..."), QKeySequence::Print,
              [this] { print_with_dialog(window_, printer(), commands_.figures(), page_legend()); });
  print_preview = add(QCoreApplication::translate("ChartActions", "Print pre&view..."), {},
                      [this] { preview_page(window_, printer(), commands_.figures(), page_legend()); });
  help = add(QCoreApplication::translate("ChartActions", "&Help"), QKeySequence::HelpContents, [this] { show_help(); });
  about = add(QCoreApplication::translate("ChartActions", "&About Pelmora"), {}, [this] {
    const QString note = commands_.about_note ? commands_.about_note() : QString();
    QMessageBox::about(window_, QCoreApplication::translate("ChartActions", "About Pelmora"),
                       note.isEmpty() ? about_text() : about_text() + QStringLiteral("<p>%1</p>").arg(note));
  });
  quit = add(QCoreApplication::translate("ChartActions", "&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q),
             [this] { commands_.quit(); });
}

QString picture_file_name(const QDateTime& moment) {
  return QStringLiteral("pelmora-%1.png").arg(moment.toString(QStringLiteral("yyyy-MM-dd-HHmm")));
}

QAction* ChartActions::add(const QString& text, const QKeySequence& key, std::function<void()> run) {
  auto* action = new QAction(text, this);
  if (!key.isEmpty()) action->setShortcut(key);
  action->setShortcutContext(Qt::WindowShortcut);
  connect(action, &QAction::triggered, this, [this, run = std::move(run)] { commands_.guard(run); });
  window_->addAction(action);
  return action;
}

void ChartActions::update_checks() {
  clock_mode->setChecked(commands_.in_clock_mode());
  full_screen->setChecked(commands_.full_screen());
}

void ChartActions::show_menu(const QPoint& global_position) {
  update_checks();
  if (menu_ == nullptr) {
    menu_ = new QMenu(window_);
    menu_->addAction(clock_mode);
    menu_->addAction(full_screen);
    menu_->addSeparator();
    menu_->addAction(save_picture);
    menu_->addAction(copy_picture);
    menu_->addAction(print);
    menu_->addAction(print_preview);
    menu_->addSeparator();
    for (const QList<QAction*>& section : sections_) {
      menu_->addActions(section);
      menu_->addSeparator();
    }
    menu_->addAction(help);
    menu_->addAction(about);
    menu_->addSeparator();
    menu_->addAction(quit);
  }
  menu_->popup(global_position);
}

void ChartActions::save() {
  QString folder = commands_.picture_folder ? commands_.picture_folder() : QString();
  if (folder.isEmpty() || !QDir(folder).exists())
    folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  if (!QDir(folder).exists()) folder = QDir::homePath();
  // The filters and their extensions in the order of PictureFormat.
  const QStringList filters = {QCoreApplication::translate("ChartActions", "PNG pictures (*.png)"),
                               QCoreApplication::translate("ChartActions", "SVG drawings (*.svg)"),
                               QCoreApplication::translate("ChartActions", "PDF documents (*.pdf)")};
  const QStringList extensions = {QStringLiteral(".png"), QStringLiteral(".svg"), QStringLiteral(".pdf")};
  QString filter = filters.front();
  QString name =
      QFileDialog::getSaveFileName(window_, QCoreApplication::translate("ChartActions", "Save picture"),
                                   folder + '/' + picture_file_name(commands_.moment()), filters.join(";;"), &filter);
  if (name.isEmpty()) return;
  // A name with none of the formats' extensions takes the chosen filter's.
  std::optional<PictureFormat> format = picture_format_of(name.toStdString());
  if (!format) {
    format = static_cast<PictureFormat>(std::max<qsizetype>(filters.indexOf(filter), 0));
    name += extensions[static_cast<int>(*format)];
  }
  const auto problem = *format == PictureFormat::png ? save_picture_as(commands_.picture(), name)
                                                     : save_drawing_as(commands_.figures(), *format, name);
  if (!problem && commands_.picture_saved_in) commands_.picture_saved_in(QFileInfo(name).absolutePath());
  if (problem)
    QMessageBox::warning(window_, QCoreApplication::translate("ChartActions", "Save picture"),
                         QCoreApplication::translate(
                             "ChartActions", "The picture was not saved: %1.\n\nAny file of that name is as it was.")
                             .arg(*problem));
}

PageLegend ChartActions::page_legend() const {
  // In English the page is the headless run's, written as the C locale writes.
  const QString language = ui_language();
  return {
      .moment = commands_.moment(),
      .true_sky = commands_.true_sky && commands_.true_sky(),
      .place = commands_.place ? commands_.place() : sky::zone_place(sky::system_zone_name(), sky::system_zone_rows()),
      .locale = language.isEmpty() ? QLocale::c() : QLocale(language)};
}

QPrinter& ChartActions::printer() {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    set_up_for_page(*printer_);
  }
  return *printer_;
}

void ChartActions::show_help() {
  if (help_window_ == nullptr) help_window_ = new HelpWindow(window_);
  help_window_->show();
  help_window_->raise();
  help_window_->activateWindow();
}

}  // namespace pelmora
