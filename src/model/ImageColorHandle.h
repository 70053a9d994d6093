#pragma once

#include <QColor>
#include <QImage>

#include <optional>

// The header colour of history items: the most saturated colour of the source application's
// icon. Pure; callable from any thread.
namespace ImageColorHandle {

// Samples a grid (ten steps across icons wider than 100 pixels, else every 5 pixels) column by
// column and keeps the first pixel with the highest |r-g| + |r-b| + |g-b|. The result has
// alpha 0.9; a grey or missing bitmap gives black, no image gives none.
std::optional<QColor> dominantColor(const std::optional<QImage>& image);

} // namespace ImageColorHandle
