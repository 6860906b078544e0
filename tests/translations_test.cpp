// The window's language: chosen from the environment as gettext chooses,
// and what changes with it (the window's words, the tips, the reading)
// and what does not (the chart's own words).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <map>

#include "clocks/chosen_clock.h"
#include "guide/chart_points.h"
#include "guide/chart_reading.h"
#include "guide/words.h"
#include "support/test_support.h"
#include "window/form1_window.h"
#include "window/picture_widget.h"
#include "window/time_controls.h"
#include "window/translations.h"

namespace pelmora::testing {
namespace {

QString language_for(const std::map<std::string, QByteArray>& environment) {
  return wanted_language(
      [&environment](const char* name) {
        const auto found = environment.find(name);
        return found != environment.end() ? found->second : QByteArray();
      },
      shipped_languages());
}

TEST(TranslationTest, LanguageIsChosenAsGettextChoosesIt) {
  EXPECT_EQ(language_for({}), "");
  EXPECT_EQ(language_for({{"LANG", "de_DE.UTF-8"}}), "de");
  EXPECT_EQ(language_for({{"LANG", "de_AT.UTF-8@euro"}}), "de");
  EXPECT_EQ(language_for({{"LANG", "pt_BR.UTF-8"}}), "pt_BR");
  EXPECT_EQ(language_for({{"LANG", "pt_PT.UTF-8"}}), "");  // not shipped: English
  EXPECT_EQ(language_for({{"LANG", "sv_SE.UTF-8"}}), "");
  // LC_ALL before LC_MESSAGES before LANG.
  EXPECT_EQ(language_for({{"LC_ALL", "it_IT.UTF-8"}, {"LC_MESSAGES", "de_DE"}, {"LANG", "es_ES"}}), "it");
  EXPECT_EQ(language_for({{"LC_MESSAGES", "fr_FR"}, {"LANG", "es_ES"}}), "fr");
  // LANGUAGE's list first, skipping what is not shipped; English is a choice.
  EXPECT_EQ(language_for({{"LANGUAGE", "sv:es:de"}, {"LANG", "de_DE.UTF-8"}}), "es");
  EXPECT_EQ(language_for({{"LANGUAGE", "en_GB:de"}, {"LANG", "de_DE.UTF-8"}}), "");
  // ... but not in the C locale, where gettext ignores it.
  EXPECT_EQ(language_for({{"LANGUAGE", "fr"}, {"LANG", "C"}}), "");
  EXPECT_EQ(language_for({{"LANGUAGE", "fr"}, {"LC_ALL", "POSIX"}, {"LANG", "de_DE"}}), "");
}

TEST(TranslationTest, GermanWordsTipsAndReadingWithTheChartsWordsAsPrinted) {
  Rig rig;
  rig.clock.seconds = 36000;  // 10:00 on 7 December 2026: the sun and the moon in view
  rig.form.Form_Load();
  rig.form.clock_mode_Click();
  rig.form.Timer2_Timer();
  const FormState& st = rig.st();
  const double sun_x = st.sun_x.value() + 26;

  ASSERT_TRUE(use_language(QStringLiteral("de")));
  EXPECT_EQ(ui_language(), "de");
  EXPECT_EQ(QCoreApplication::translate("ChartActions", "&Quit"), "&Beenden");
  EXPECT_EQ(help_page(ui_language()), ":/help/help_de.html");
  EXPECT_TRUE(QFile::exists(help_page(ui_language())));
  // The exit box's buttons as the toolkit words them, where it has them.
  if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm")) {
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja");
  }
  EXPECT_EQ(name_at(st, sun_x, 432)->title, "Die Sonne");
  // A read-out's printed word stays; its detail is translated around it.
  const auto lunar = name_at(st, 4 * 8 + 2, 42 * 16 + 8);
  EXPECT_EQ(lunar->title, "lunar");
  EXPECT_TRUE(lunar->detail.starts_with("Der Winkel des Mondes")) << lunar->detail;
  const std::string words = chart_in_words(st);
  EXPECT_TRUE(words.starts_with("Uhrmodus. 10:00:00, 7. DEC 2026.")) << words;
  EXPECT_NE(words.find("Nächster Schritt in 30 Sekunden."), std::string::npos) << words;
  // Numbers as the locale writes them, without a group separator.
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(guide_number(12345), "12345");
  EXPECT_EQ(guide_decimal(-2.36, 1), "\u22122,4");  // a planet's magnitude
  QLocale::setDefault(QLocale::c());

  ASSERT_TRUE(use_language({}));
  EXPECT_EQ(ui_language(), "");
  EXPECT_EQ(QCoreApplication::translate("ChartActions", "&Quit"), "&Quit");
  EXPECT_EQ(name_at(st, sun_x, 432)->title, "The sun");
  EXPECT_TRUE(chart_in_words(st).starts_with("Clock mode. 10:00:00, 7 DEC 2026."));
  EXPECT_FALSE(use_language(QStringLiteral("xx")));  // none shipped: English stays
  EXPECT_EQ(ui_language(), "");
}

// A clock set to another moment: its note joins the tips of the clock's
// time and date, found by their titles in the language in use.
TEST(TranslationTest, TheSetClocksNoteJoinsTheClocksReadOutsInEachLanguage) {
  ChosenClock clock;
  Form1Window window(clock);
  TimeControls controls(window, clock);
  window.load();
  window.press_clock_mode();
  const QPointF time_cell(136 * 8 + 2, 4 * 16 + 8), date_cell(70 * 8 + 2, 50 * 16 + 8);
  for (const QString& language : {QString(), QStringLiteral("de")}) {
    ASSERT_TRUE(use_language(language));
    controls.go_to({1999, 12, 31, 86'399'000});  // the note in this language
    const std::string note = controls.clock_note().toStdString();
    ASSERT_NE(note.find("1999-12-31 23:59:59"), std::string::npos) << note;
    const auto time = window.picture()->name_at(time_cell);
    ASSERT_TRUE(time && time->title == "hrs, min, sec");
    EXPECT_EQ(time->detail, note);
    const auto date = window.picture()->name_at(date_cell);
    ASSERT_TRUE(date.has_value());
    EXPECT_TRUE(date->detail.ends_with(note)) << date->detail;
  }
  EXPECT_NE(controls.clock_note().indexOf(QStringLiteral("nicht die des Computers")), -1);
  ASSERT_TRUE(use_language({}));
}

TEST(TranslationTest, FillAndCountInEnglish) {
  EXPECT_EQ(fill("At %1, %2; at %3.", {"1\u00b0", "%1", "x"}), "At 1\u00b0, %1; at x.");
  EXPECT_EQ(fill("%3 stays", {"a"}), "%3 stays");
  EXPECT_EQ(guide_counted("Next step in %n second(s).", 1), "Next step in 1 second.");
  EXPECT_EQ(guide_counted("Next step in %n second(s).", 0), "Next step in 0 seconds.");
}

}  // namespace
}  // namespace pelmora::testing
