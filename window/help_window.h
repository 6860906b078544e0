// The help window (F1): what the chart shows, the two modes, every read-out
// and the keys, with a labelled picture of the chart. Plain widgets, no
// network.
#pragma once

#include <QTextBrowser>

namespace pelmora {

class HelpWindow : public QTextBrowser {
 public:
  explicit HelpWindow(QWidget* parent);
};

// The text of the About box: version, licences, what the program is.
QString about_text();

}  // namespace pelmora
