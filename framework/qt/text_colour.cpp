#include "framework/qt/text_colour.h"

#include <algorithm>
#include <cmath>

namespace fw::qt {
namespace {

constexpr double kReadable = 4.5;

double Linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
  return 0.2126 * Linear(c.redF()) + 0.7152 * Linear(c.greenF()) + 0.0722 * Linear(c.blueF());
}

QColor Mix(const QColor& from, const QColor& to, double share) {
  auto channel = [share](int a, int b) {
    return static_cast<int>(std::lround(a + (b - a) * share));
  };
  return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                channel(from.blue(), to.blue()));
}

}  // namespace

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor BackgroundBehind(const QWidget& widget) {
  const QWidget* w = &widget;
  while (!w->autoFillBackground() && !w->isWindow() && w->parentWidget() != nullptr) {
    w = w->parentWidget();
  }
  return w->palette().color(w->backgroundRole());
}

QColor ReadableOn(const QColor& wanted, const QColor& background) {
  const QColor black(0, 0, 0);
  const QColor white(255, 255, 255);
  const QColor& towards =
      Contrast(black, background) >= Contrast(white, background) ? black : white;
  constexpr int kSteps = 64;
  for (int step = 0; step < kSteps; ++step) {
    const QColor shade = Mix(wanted, towards, static_cast<double>(step) / kSteps);
    if (Contrast(shade, background) >= kReadable) return shade;
  }
  return towards;
}

}  // namespace fw::qt
