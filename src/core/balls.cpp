#include "core/balls.h"

namespace ds {

BallColours ballColours(int n)
{
    constexpr quint32 white = 0xFFFFFF, black = 0x000000, blue = 0x0000FF, red = 0xFF0000,
                      green = 0x00FF00, yellow = 0xFFFF00;
    BallColours c{white, black};
    if (n > 9)
        c = {blue, white};
    if (n > 19)
        c = {red, white};
    if (n > 29)
        c = {green, black};
    if (n > 39)
        c = {yellow, black};
    return c;
}

} // namespace ds
