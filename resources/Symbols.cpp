#include "Symbols.h"

#include <algorithm>

namespace art {

namespace {

Shape bar(Vec centre, float size, float pen) {
    const float half = (size - pen) / 2;
    return capsule({centre.x - half, centre.y}, {centre.x + half, centre.y}, pen / 2);
}

}  // namespace

Shape plusSign(Vec centre, float size, float pen) {
    const float half = (size - pen) / 2;
    return unite({bar(centre, size, pen), capsule({centre.x, centre.y - half}, {centre.x, centre.y + half}, pen / 2)});
}

Shape minusSign(Vec centre, float size, float pen) { return bar(centre, size, pen); }

Shape timesSign(Vec centre, float size, float pen) {
    // The same arms as the plus sign, turned a quarter, a little shorter so it looks the same size.
    return rotate(plusSign(centre, size * 0.9f, pen), centre, 45);
}

Shape divideSign(Vec centre, float size, float pen) {
    const float gap = std::max(size * 0.32f, pen * 1.5f);
    const float dot = pen * 0.62f;
    return unite(
        {bar(centre, size, pen), circle({centre.x, centre.y - gap}, dot), circle({centre.x, centre.y + gap}, dot)});
}

Shape equalsSign(Vec centre, float size, float pen) {
    const float gap = size * 0.2f;
    return unite({bar({centre.x, centre.y - gap}, size, pen), bar({centre.x, centre.y + gap}, size, pen)});
}

Shape operatorSign(char sign, Vec centre, float size, float pen) {
    switch (sign) {
        case '+':
            return plusSign(centre, size, pen);
        case '-':
            return minusSign(centre, size, pen);
        case 'x':
            return timesSign(centre, size, pen);
        case '/':
            return divideSign(centre, size, pen);
        default:
            return equalsSign(centre, size, pen);
    }
}

}  // namespace art
