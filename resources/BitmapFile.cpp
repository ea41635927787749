#include "BitmapFile.h"

namespace art {

Bytes encodeBitmap(const IndexedImage& image) {
    Bytes out;
    putLe32(out, 40);  // header size
    putLe32(out, static_cast<uint32_t>(image.width));
    putLe32(out, static_cast<uint32_t>(image.height));  // a plain row count: the top row is stored first
    putLe16(out, 1);                                    // planes
    putLe16(out, 8);                                    // bits per pixel
    putLe32(out, 0);                                    // uncompressed
    putLe32(out, static_cast<uint32_t>(image.indices.size()));
    putLe32(out, 3780);  // 96 dots per inch, horizontally
    putLe32(out, 3780);  // and vertically
    putLe32(out, 256);   // colours used
    putLe32(out, 0);     // all of them important
    for (Colour24 c : image.palette) {
        out.push_back(static_cast<uint8_t>(blueOf(c)));
        out.push_back(static_cast<uint8_t>(greenOf(c)));
        out.push_back(static_cast<uint8_t>(redOf(c)));
        out.push_back(0);
    }
    out.insert(out.end(), image.indices.begin(), image.indices.end());
    return out;
}

}  // namespace art
