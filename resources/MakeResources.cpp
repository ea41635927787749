// vx-makeres OUTPUT_FOLDER [--preview]
// Draws the artwork, synthesises the sounds and paints the icon, then writes the manifest that
// vx-embed reads. Deterministic: the same source always gives the same bytes. With --preview it also
// writes enlarged PNG views of every bitmap and mock-ups of the main menu for a person to look at.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "ArtStyle.h"
#include "BitmapFile.h"
#include "IconArt.h"
#include "IconFile.h"
#include "LogoArt.h"
#include "Output.h"
#include "PngFile.h"
#include "Preview.h"
#include "SheetArt.h"
#include "Sounds.h"
#include "WaveFile.h"

namespace {

using namespace art;

IndexedImage addBitmap(Output& output, int id, const RgbaImage& picture, std::vector<Colour24> reserved, bool preview) {
    const IndexedImage image = quantise(picture, reserved);
    output.addResource("Bitmap", id, "bitmap-" + std::to_string(id) + ".bmp", encodeBitmap(image));
    if (preview) output.addFile("preview-" + std::to_string(id) + ".png", encodePng(enlarged(expand(image), 3)));
    return image;
}

void addArtwork(Output& output, bool preview) {
    const std::vector<Colour24> logoColours{logoColourKey, toColour24(style::ink)};
    const std::vector<Colour24> sheetColours{sheetColourKey,  panelFill,      frameOuterBand,
                                             frameMiddleBand, frameInnerBand, toColour24(style::ink)};
    for (const auto& [logo, sheet] : {std::pair{wideLogo, wideSheet}, std::pair{narrowLogo, narrowSheet}}) {
        const IndexedImage logoImage = addBitmap(output, logo.id, drawLogo(logo), logoColours, preview);
        const IndexedImage sheetImage = addBitmap(output, sheet.id, drawSheet(sheet), sheetColours, preview);
        if (!preview) continue;
        const int width = sheet.width == wideSheet.width ? 480 : 240;
        const std::string name = "preview-menu-" + std::to_string(width);
        output.addFile(name + "-portrait.png",
                       encodePng(mockMainMenu(width, width * 4 / 3, sheetImage, logoImage, sheet)));
        output.addFile(name + "-landscape.png",
                       encodePng(mockMainMenu(width * 4 / 3, width, sheetImage, logoImage, sheet)));
    }
}

void addSounds(Output& output) {
    for (const SoundFormat& format : soundFormats)
        output.addResource("Wave", format.id, "sound-" + std::to_string(format.id) + ".wav",
                           encodeWave(makeSound(format), format.sampleRate));
}

// The icon resource, and each size (with larger ones for desktops) as a PNG for installing.
void addIcon(Output& output) {
    std::vector<RgbaImage> pictures;
    for (int size : iconSizes) pictures.push_back(drawIcon(size));
    output.addResource("Icon", iconId, "icon-" + std::to_string(iconId) + ".bin", encodeIcon(pictures));
    for (const RgbaImage& picture : pictures)
        output.addFile("icon-" + std::to_string(picture.width) + ".png", encodePng(picture));
    for (int size : extraDesktopIconSizes)
        output.addFile("icon-" + std::to_string(size) + ".png", encodePng(drawIcon(size)));
}

}  // namespace

int main(int argc, char** argv) {
    const bool preview = argc == 3 && std::string(argv[2]) == "--preview";
    if (argc != 2 && !preview) {
        std::fprintf(stderr, "usage: vx-makeres OUTPUT_FOLDER [--preview]\n");
        return 2;
    }
    Output output(argv[1]);
    addArtwork(output, preview);
    addSounds(output);
    addIcon(output);
    return output.finish() ? 0 : 1;
}
