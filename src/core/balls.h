#pragma once

#include <QtGlobal>

namespace ds {

struct BallColours {
    quint32 fill; // 0xRRGGBB
    quint32 text; // 0xRRGGBB
};

// Colour of a ball by its number: white up to 9, blue 10-19, red 20-29,
// green 30-39, yellow from 40.
BallColours ballColours(int number);

} // namespace ds
