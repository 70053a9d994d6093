#include "ImageColorHandle.h"

#include <cmath>

namespace ImageColorHandle {

std::optional<QColor> dominantColor(const std::optional<QImage>& image)
{
    if (!image || image->isNull())
        return std::nullopt;
    const int width = image->width();
    const int height = image->height();
    const int step = width > 100 ? width / 10 : 5;

    float bestRed = 0, bestGreen = 0, bestBlue = 0;
    float bestScore = 0;
    for (int x = 0; x < width; x += step) {
        for (int y = 0; y < height; y += step) {
            const QColor pixel = image->pixelColor(x, y);
            const float red = pixel.redF();
            const float green = pixel.greenF();
            const float blue = pixel.blueF();
            const float score = std::abs(red - green) + std::abs(red - blue) + std::abs(green - blue);
            if (score > bestScore) {
                bestScore = score;
                bestRed = red;
                bestGreen = green;
                bestBlue = blue;
            }
        }
    }
    return QColor::fromRgbF(bestRed, bestGreen, bestBlue, 0.9f);
}

} // namespace ImageColorHandle
