#pragma once
// A small deflate compressor for the PNG files: greedy LZ77 matching over a 32 KiB window, coded with
// deflate's fixed Huffman tables. Far from the best compression, but it shrinks the flat areas of
// icons and artwork to a fraction, needs no library and always gives the same bytes.
#include "Bytes.h"

namespace art {

// A zlib stream (header, one fixed-Huffman deflate block, Adler-32) holding data.
Bytes zlibCompress(const Bytes& data);

}  // namespace art
