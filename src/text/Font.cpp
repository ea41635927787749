#include "text/Font.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/Platform.h"

namespace {

// Lines wrap after these characters.
constexpr std::array<char16_t, 12> lineBreakCharacters = {u' ', u'{', u'}', u'+', u'-',  u'*',
                                                          u'^', u'(', u')', u',', u'\\', u'/'};

Font* current = nullptr;

}  // namespace

void Font::FaceCloser::operator()(platform::FontFace* openFace) const { platform::closeFont(openFace); }

Font::Font(const WString& faceName, int32_t pixelHeight)
    : face(platform::openFont(faceName, pixelHeight)), glyphs(face.get()) {
    std::copy(lineBreakCharacters.begin(), lineBreakCharacters.end(), breakCharacters.begin());
    breakCount = static_cast<int32_t>(lineBreakCharacters.size());
    if (!face) return;
    glyphRecords = std::make_unique<GlyphRecord[]>(GlyphBufferSize);

    const platform::FontMetrics metrics = platform::fontMetrics(face.get());
    ascentPx = metrics.height - metrics.descent;
    baselineLiftPx = metrics.descent >> 1;
    for (int code = 0; code < 256; ++code)
        widths[code] = platform::glyphAdvance(face.get(), static_cast<char16_t>(code));
    // The upper half of the table is not measured: those codes stand for signs drawn by the system itself
    // (the division sign) or for blanks, and all get the same generous width.
    const int32_t upperWidth = metrics.averageWidth + (metrics.averageWidth >> 1);
    std::fill(widths.begin() + 128, widths.end(), upperWidth);
    spaceWidthPx = widths[32];
}

Font::~Font() {
    if (current == this) current = nullptr;
}

std::unique_ptr<Font> Font::create(const WString& faceName, int32_t pixelHeight) {
    auto font = std::make_unique<Font>(faceName, pixelHeight);
    if (!font->hasFace()) return nullptr;
    return font;
}

int32_t Font::textWidth(const WString& text) const {
    if (text.empty()) return 0;
    int32_t width = 0;
    for (char16_t code : text) width += charWidth(code) + characterSpacingPx;
    return width - characterSpacingPx;  // no spacing after the last character
}

int32_t Font::styledTextWidth(const WString& text, const TextStyle& style) const {
    if (!style.fixedCells) return textWidth(text);
    if (text.empty()) return 0;
    int32_t width = 0;
    for (char16_t code : text) width += cellWidth(code);
    return width + characterSpacingPx * static_cast<int32_t>(text.size() - 1);
}

bool Font::isBreakCharacter(char16_t code) const {
    const auto end = breakCharacters.begin() + breakCount;
    return std::find(breakCharacters.begin(), end, code) != end;
}

Font* currentFont() { return current; }

void setCurrentFont(Font* font) {
    if (font) current = font;
}

int32_t currentAscent() { return current ? current->ascent() : 0; }

int32_t currentSpaceWidth() { return current ? current->spaceWidth() : 0; }

bool fontsAvailable() { return platform::fontsAvailable(); }
