#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

// Colours derived from the theme's own, for what must stay readable in light and dark themes
// alike. Many themes leave PlaceholderText at Qt's default shade, which vanishes on a dark
// window, so secondary text is the text colour made translucent instead.
namespace ThemeColors {

QColor dimmed(const QPalette& palette, QPalette::ColorRole role = QPalette::WindowText, qreal alpha = 0.6);
// Gives the widget's text (WindowText) the dimmed colour.
void dim(QWidget* widget);

// The marker of search matches in texts: a light background under dark text, readable on any
// theme and on a selected row alike.
QColor matchBackground();
QColor matchForeground();

} // namespace ThemeColors
