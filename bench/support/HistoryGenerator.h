#pragma once

#include "model/PasteInfModel.h"

#include <QList>

#include <cstdint>

// Builds histories shaped like real clipboards for the benchmarks.
namespace HistoryGenerator {

struct Shape
{
    int items = 100000;
    // Out of 1000 items: images (about 200 KB PNG) and file lists; the rest is text.
    int imagesPerMille = 10;
    int fileListsPerMille = 30;
    std::uint32_t seed = 42;
};

// A text of the length distribution the benchmarks use (median ~100 B, 9 in 10 under 1 KB,
// a few up to 1 MB), deterministic for a seed and index.
QByteArray text(std::uint32_t seed, int index);

// One captured-looking model (text, image or file list) for index i.
PasteInfModel item(const Shape& shape, int index);

} // namespace HistoryGenerator
