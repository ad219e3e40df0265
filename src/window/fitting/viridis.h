#pragma once

#include <QRgb>

namespace ajuste {

// A perceptually uniform, sequential colour map: lightness rises evenly
// from dark violet through blue and green to yellow, so that it reads in
// grey and to the colour-blind. From 0 to 1; beyond, the end's colour.
QRgb viridis(double fraction);

} // namespace ajuste
