// Fonts: fontconfig finds the file for a face name, FreeType measures and renders its glyphs. Where
// fontconfig offers nothing usable (a handheld's firmware may carry no fonts at all), the copy of
// DejaVu Sans built into the program serves.
#include <fontconfig/fontconfig.h>
#include <ft2build.h>

#include <algorithm>
#include <map>
#include <optional>
#include <vector>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include "platform/common/Backend.h"

namespace platform {

struct FontFace {
    FT_Face face = nullptr;
    FontMetrics metrics;
    std::vector<uint8_t> expanded;  // one-bit bitmaps widened to coverage bytes
};

namespace {

// Sizes beyond this only waste memory; nothing on a handheld screen needs them.
constexpr int maxPixelHeight = 1024;

// The embedded DejaVu Sans (resources/CMakeLists.txt puts it in the resource table under this id).
constexpr int embeddedFontId = 1;

struct FontLocation {
    std::string file;
    int index = 0;
};

std::string pinnedFile;

// Lives from the first font opened to the end of the process, so that a Font outliving main still
// closes its face before the library goes.
class FreeTypeLibrary {
public:
    FreeTypeLibrary() {
        if (FT_Init_FreeType(&library) != 0) library = nullptr;
    }
    ~FreeTypeLibrary() {
        if (library) FT_Done_FreeType(library);
    }
    FreeTypeLibrary(const FreeTypeLibrary&) = delete;
    FreeTypeLibrary& operator=(const FreeTypeLibrary&) = delete;
    FT_Library get() const { return library; }

private:
    FT_Library library = nullptr;
};

FT_Library freeType() {
    static FreeTypeLibrary library;
    return library.get();
}

// Asks fontconfig once per face name; its matching is slow compared with everything else here.
std::optional<FontLocation> lookUpFontFile(const std::string& faceName) {
    static std::map<std::string, std::optional<FontLocation>> answers;
    if (auto known = answers.find(faceName); known != answers.end()) return known->second;

    std::optional<FontLocation> location;
    if (FcInit()) {
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(faceName.c_str()));
        FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
        FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
            FcChar8* file = nullptr;
            int index = 0;
            if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
                FcPatternGetInteger(match, FC_INDEX, 0, &index);
                location = FontLocation{reinterpret_cast<const char*>(file), index};
            }
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pattern);
    }
    answers.emplace(faceName, location);
    return location;
}

int ceilPixels(FT_Pos value) { return static_cast<int>((value + 63) >> 6); }
int roundPixels(FT_Pos value) { return static_cast<int>((value + 32) >> 6); }

FontMetrics measureFace(FT_Face face) {
    const FT_Size_Metrics& size = face->size->metrics;
    FontMetrics metrics;
    const int ascent = ceilPixels(size.ascender);
    metrics.descent = std::max(0, ceilPixels(-size.descender));
    metrics.height = ascent + metrics.descent;
    // The face's own average width, as the font's header states it; the lower-case letters stand in
    // for a face without one.
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && os2->xAvgCharWidth > 0) {
        metrics.averageWidth = roundPixels(FT_MulFix(os2->xAvgCharWidth, size.x_scale));
        return metrics;
    }
    int total = 0;
    int counted = 0;
    for (char16_t code = u'a'; code <= u'z'; ++code) {
        if (FT_Load_Char(face, code, FT_LOAD_DEFAULT) != 0) continue;
        total += roundPixels(face->glyph->advance.x);
        ++counted;
    }
    metrics.averageWidth = counted ? (total + counted / 2) / counted : size.x_ppem / 2;
    return metrics;
}

// Turns a one-bit-per-pixel bitmap into coverage bytes, so the caller sees one format.
void expandMonoBitmap(const FT_Bitmap& bitmap, std::vector<uint8_t>& out) {
    out.assign(static_cast<size_t>(bitmap.width) * bitmap.rows, 0);
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const unsigned char* bits = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
        for (unsigned column = 0; column < bitmap.width; ++column) {
            if (bits[column >> 3] & (0x80 >> (column & 7))) out[row * bitmap.width + column] = 255;
        }
    }
}

// Sets the size; false when the face cannot serve: not scalable, or without the digits every screen shows.
bool readyFace(FT_Face face, int pixelHeight) {
    const FT_UInt pixels = static_cast<FT_UInt>(std::clamp(pixelHeight, 1, maxPixelHeight));
    return FT_IS_SCALABLE(face) && FT_Set_Pixel_Sizes(face, 0, pixels) == 0 && FT_Get_Char_Index(face, u'0') != 0;
}

FT_Face openFileFace(FT_Library library, const FontLocation& location, int pixelHeight) {
    FT_Face face = nullptr;
    if (FT_New_Face(library, location.file.c_str(), location.index, &face) != 0) return nullptr;
    if (readyFace(face, pixelHeight)) return face;
    FT_Done_Face(face);
    return nullptr;
}

FT_Face openEmbeddedFace(FT_Library library, int pixelHeight) {
    const std::span<const uint8_t> bytes = findResource(ResourceType::Data, embeddedFontId);
    FT_Face face = nullptr;
    if (bytes.empty() || FT_New_Memory_Face(library, bytes.data(), static_cast<FT_Long>(bytes.size()), 0, &face) != 0)
        return nullptr;
    if (readyFace(face, pixelHeight)) return face;
    FT_Done_Face(face);
    return nullptr;
}

}  // namespace

// A pinned file is used or nothing is (tests rely on that); the system's answer falls back to the
// embedded face.
FontFace* openFont(const std::u16string& faceName, int pixelHeight) {
    FT_Library library = freeType();
    if (!library) return nullptr;
    FT_Face face = nullptr;
    if (!pinnedFile.empty()) {
        face = openFileFace(library, FontLocation{pinnedFile, 0}, pixelHeight);
    } else {
        if (const std::optional<FontLocation> location = lookUpFontFile(toUtf8(faceName)))
            face = openFileFace(library, *location, pixelHeight);
        if (!face) face = openEmbeddedFace(library, pixelHeight);
    }
    if (!face) return nullptr;
    auto* opened = new FontFace;
    opened->face = face;
    opened->metrics = measureFace(face);
    return opened;
}

void closeFont(FontFace* face) {
    if (!face) return;
    FT_Done_Face(face->face);
    delete face;
}

FontMetrics fontMetrics(const FontFace* face) { return face ? face->metrics : FontMetrics{}; }

int glyphAdvance(FontFace* face, char16_t code) {
    if (!face || FT_Load_Char(face->face, code, FT_LOAD_DEFAULT) != 0) return 0;
    return roundPixels(face->face->glyph->advance.x);
}

bool rasteriseGlyph(FontFace* face, char16_t code, GlyphBitmap& glyph) {
    glyph = GlyphBitmap{};
    if (!face) return false;
    const FT_UInt index = FT_Get_Char_Index(face->face, code);
    if (index == 0 || FT_Load_Glyph(face->face, index, FT_LOAD_RENDER | FT_LOAD_NO_BITMAP) != 0) return false;

    const FT_GlyphSlot slot = face->face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.advance = roundPixels(slot->advance.x);
    if (glyph.width == 0 || glyph.height == 0) return true;  // a blank such as the space

    if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
        expandMonoBitmap(bitmap, face->expanded);
        glyph.pitch = glyph.width;
        glyph.coverage = face->expanded;
        return true;
    }
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.pitch < glyph.width) {
        glyph = GlyphBitmap{};
        return false;
    }
    glyph.pitch = bitmap.pitch;
    glyph.coverage = std::span<const uint8_t>(bitmap.buffer, static_cast<size_t>(bitmap.pitch) * bitmap.rows);
    return true;
}

void pinFontFile(const std::string& path) { pinnedFile = path; }

bool fontsAvailable() {
    FontFace* face = openFont(u"Verdana", 12);
    closeFont(face);
    return face != nullptr;
}

}  // namespace platform

#ifdef __SANITIZE_ADDRESS__
// fontconfig loses a few hundred bytes while it parses its configuration, once per process; that is not
// ours to mend, and the leak checker must still catch every leak of our own.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif
