// The chart with labels on what it shows, drawn by the program itself at a
// fixed moment: the picture of the help window and of the README.
#pragma once

#include <QImage>

namespace pelmora {

// At `scale` device pixels a picture pixel (0.5 to 4).
QImage labelled_chart(double scale = 1);

}  // namespace pelmora
