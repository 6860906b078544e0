// The sky in the window: the Sky submenu (the chart as designed or the
// true sky for the user's place, and the place), shown at once.
#pragma once

#include <QActionGroup>
#include <QMenu>
#include <QObject>
#include <functional>

#include "sky/place.h"
#include "window/form1_window.h"

namespace pelmora {

class SkyControls : public QObject {
 public:
  // `sky_chosen` and `place_chosen` hear of the user's choices (to keep
  // them); what the window starts with is not a choice.
  SkyControls(Form1Window& window, bool true_sky, const sky::Place& place, std::function<void(bool)> sky_chosen,
              std::function<void(const sky::Place&)> place_chosen);
  ~SkyControls() override { window_.set_sky_note({}); }
  SkyControls(const SkyControls&) = delete;
  SkyControls& operator=(const SkyControls&) = delete;

  // Shows the true sky or the design, reloading the chart.
  void choose_sky(bool true_sky);
  void choose_place(const sky::Place& place);
  bool true_sky() const { return true_sky_; }
  const sky::Place& place() const { return place_; }
  // The sky in a sentence, for the About box and the read-outs' tips.
  QString description() const;
  QMenu* menu() const { return menu_; }

 private:
  void show();

  Form1Window& window_;
  bool true_sky_;
  sky::Place place_;
  std::function<void(bool)> sky_chosen_;
  std::function<void(const sky::Place&)> place_chosen_;
  QMenu* menu_;
  QAction* design_;
  QAction* true_;
};

// The place dialog: a searchable list of the zone database's cities and
// the latitude and longitude; nullopt when cancelled.
std::optional<sky::Place> ask_place(QWidget* parent, const sky::Place& place, const std::vector<sky::ZoneRow>& rows);

}  // namespace pelmora
