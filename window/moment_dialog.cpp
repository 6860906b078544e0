#include "window/moment_dialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "command_line/values.h"

namespace pelmora {

QString moment_text(const LocalMoment& moment) {
  const std::int64_t seconds = moment.milliseconds / 1000;
  return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", moment.year, moment.month, moment.day,
                           static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
                           static_cast<int>(seconds % 60));
}

// The moment is written as --at takes it and read by the same rules: a
// local date and time with no zone, so that every time of a day can be
// chosen, also one that a summer-time change skips.
MomentChoice ask_moment(QWidget* parent, const LocalMoment& shown) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QCoreApplication::translate("MomentDialog", "Go to a moment"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* label =
      new QLabel(QCoreApplication::translate("MomentDialog",
                                             "&Date and local time, YYYY-MM-DD HH:MM:SS (years 1000 to 9999); the "
                                             "clock runs on from there:"),
                 &dialog);
  label->setWordWrap(true);
  auto* edit = new QLineEdit(moment_text(shown), &dialog);
  edit->setAccessibleName(QCoreApplication::translate("MomentDialog", "Date and local time"));
  label->setBuddy(edit);
  auto* problem = new QLabel(&dialog);
  problem->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QPushButton* go = buttons->button(QDialogButtonBox::Ok);
  go->setText(QCoreApplication::translate("MomentDialog", "&Go"));
  QPushButton* now =
      buttons->addButton(QCoreApplication::translate("MomentDialog", "&Now"), QDialogButtonBox::ResetRole);
  now->setToolTip(QCoreApplication::translate("MomentDialog", "Back to the computer's clock"));
  layout->addWidget(label);
  layout->addWidget(edit);
  layout->addWidget(problem);
  layout->addWidget(buttons);

  std::optional<LocalMoment> chosen;
  const auto check = [&] {
    const auto parsed = parse_moment_or_problem(edit->text().trimmed().toStdString());
    const auto* moment = std::get_if<LocalMoment>(&parsed);
    chosen = moment != nullptr ? std::optional(*moment) : std::nullopt;
    problem->setText(moment != nullptr ? QString() : QString::fromStdString(std::get<std::string>(parsed)));
    go->setEnabled(moment != nullptr);
  };
  check();
  constexpr int kNowResult = 2;
  QObject::connect(edit, &QLineEdit::textChanged, &dialog, check);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(now, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(kNowResult); });
  edit->selectAll();
  edit->setFocus();
  const int result = dialog.exec();
  if (result == kNowResult) return BackToNow{};
  if (result == QDialog::Accepted && chosen) return *chosen;
  return std::monostate{};
}

}  // namespace pelmora
