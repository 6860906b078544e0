// The chart with labels on what it shows, drawn by the program itself at a
// fixed moment: the picture of the help window and of the README.
#pragma once

#include <QImage>

namespace pelmora {

QImage labelled_chart();

}  // namespace pelmora
