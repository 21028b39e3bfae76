// The two pictures of the intro screen, drawn at start-up: the banner with
// the maker's name, and a drawing of a wafer vortex meter in its pipe line.
#pragma once

#include <QPixmap>
#include <QSize>

namespace quorin {

inline constexpr QSize kBannerSize{640, 151};
inline constexpr QSize kMeterDrawingSize{641, 277};

// Starts painting both pictures on a worker thread; the calls below wait for
// it. Without it they paint on the calling thread. Needs the application
// object to exist (the banner's lettering uses the font database).
void startPaintingIntroPictures();

QPixmap drawIntroBanner();
// 24-bit colour, no transparency.
QPixmap drawIntroMeter();

}  // namespace quorin
