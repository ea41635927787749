// The resource generator run again into a fresh folder under the build tree.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace fs = std::filesystem;

// It makes the same bytes in every file as the build's own run did (in another folder, at another
// time), and what the program carries is exactly what it makes (so the embedded table is not stale).
TEST(Generator, IsReproducibleAndMatchesTheEmbeddedResources) {
    auto bytesOf = [](const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    const fs::path built = fs::path(VX_BINARY_DIR) / "resources" / "generated", again = built.string() + "-again";
    fs::remove_all(again);
    fs::create_directories(again);
    const std::string command = "\"" VX_BINARY_DIR "/resources/vx-makeres\" \"" + again.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const auto& entry : fs::directory_iterator(again)) {
        EXPECT_EQ(bytesOf(entry.path()), bytesOf(built / entry.path().filename())) << entry.path();
    }
    using enum platform::ResourceType;
    const std::map<std::string, platform::ResourceType> types{{"Bitmap", Bitmap}, {"Wave", Wave}, {"Icon", Icon}};
    std::ifstream manifest(again / "manifest.txt");
    int resources = 0;
    for (std::string line, type, file; std::getline(manifest, line);) {
        std::istringstream fields(line);
        int id = 0;
        if (line.empty() || line[0] == '#') continue;
        ASSERT_TRUE(fields >> type >> id >> file && types.contains(type)) << line;
        const auto embedded = platform::findResource(types.at(type), id);
        EXPECT_EQ(std::vector<uint8_t>(embedded.begin(), embedded.end()), bytesOf(again / file)) << line;
        ++resources;
    }
    EXPECT_EQ(resources, 12);  // four bitmaps, seven sounds, the icon
    fs::remove_all(again);
}
