#include "window/window_layout.h"

#include <algorithm>
#include <cmath>

#include "render/pixel_scale.h"

namespace pelmora {

namespace {

int rounded(double v) { return static_cast<int>(std::lround(v)); }

QRect scaled(const QRect& design, double scale, QPoint origin = {}) {
  return {origin.x() + rounded(design.x() * scale), origin.y() + rounded(design.y() * scale),
          rounded(design.width() * scale), rounded(design.height() * scale)};
}

}  // namespace

WindowLayout layout_in(QSize client, double device_pixel_ratio, Framing framing) {
  WindowLayout layout;
  const bool form = framing == Framing::form;
  const QSize framed = form ? kDesignSize : kDesignPicture.size();
  const double fits = std::min(double(client.width()) / framed.width(), double(client.height()) / framed.height());
  layout.device_scale = std::clamp(fits * device_pixel_ratio, kMinScale, kMaxScale);
  layout.scale = layout.device_scale / device_pixel_ratio;
  const double k = layout.scale;
  // The picture shows the whole of its pixels: round(1241 s) by round(921 s)
  // device pixels, rounded up to logical ones.
  const auto logical = [&](int picture_pixels) {
    return static_cast<int>(std::ceil(PixelScale(layout.device_scale).edge(picture_pixels) / device_pixel_ratio));
  };
  const QSize picture(logical(kDesignPicture.width()), logical(kDesignPicture.height()));
  // The form centred, the picture at its place in it; or the picture alone
  // centred as it is shown.
  const QPoint corner = form ? scaled(kDesignPicture, k,
                                      QPoint(rounded((client.width() - kDesignSize.width() * k) / 2),
                                             rounded((client.height() - kDesignSize.height() * k) / 2)))
                                   .topLeft()
                             : QPoint((client.width() - picture.width()) / 2, (client.height() - picture.height()) / 2);
  layout.picture = QRect(corner, picture);
  layout.clock_mode = scaled(kDesignClockMode, k);
  layout.cmd_exit = scaled(kDesignCmdExit, k);
  layout.button_font_pixels = kDesignButtonFontPixels * k;
  return layout;
}

QSize first_client_size(QSize available, QMargins frame, double device_pixel_ratio) {
  const QSize room = available.shrunkBy(frame);
  const double k =
      std::min({1.0, double(room.width()) / kDesignSize.width(), double(room.height()) / kDesignSize.height()});
  return QSize(static_cast<int>(std::floor(kDesignSize.width() * k)),
               static_cast<int>(std::floor(kDesignSize.height() * k)))
      .expandedTo(least_client_size(device_pixel_ratio));
}

QSize least_client_size(double device_pixel_ratio) {
  const double k = kMinScale / device_pixel_ratio;
  return {static_cast<int>(std::ceil(kDesignSize.width() * k)), static_cast<int>(std::ceil(kDesignSize.height() * k))};
}

}  // namespace pelmora
