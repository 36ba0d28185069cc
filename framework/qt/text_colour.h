// Text colours that read on the platform's palette, light or dark.
#pragma once

#include <QColor>
#include <QWidget>

namespace fw::qt {

// The WCAG contrast ratio of two colours, from 1 (the same) to 21.
double Contrast(const QColor& a, const QColor& b);

// The colour painted behind `widget`: that of the nearest of it and its
// parents that fills its background (the window at the latest).
QColor BackgroundBehind(const QWidget& widget);

// `wanted` itself, or the nearest shade of it towards black on a light
// background and towards white on a dark one, that reads on `background` at a
// contrast of at least 4.5:1.
QColor ReadableOn(const QColor& wanted, const QColor& background);

}  // namespace fw::qt
