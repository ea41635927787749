// The resource generator run twice into fresh folders under the build tree.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace fs = std::filesystem;

// Two runs give the same bytes in every file, and what the program carries is exactly what the
// generator makes (so the embedded table is not stale).
TEST(Generator, IsReproducibleAndMatchesTheEmbeddedResources) {
    auto bytesOf = [](const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    const fs::path first = fs::path(VX_BINARY_DIR) / "resources" / "reproducible-a", second = first.string() + "-b";
    for (const fs::path& folder : {first, second}) {
        fs::remove_all(folder);
        fs::create_directories(folder);
        const std::string command =
            std::string("\"") + VX_BINARY_DIR + "/resources/vx-makeres\" \"" + folder.string() + "\"";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    int files = 0;
    for (const auto& entry : fs::directory_iterator(first)) {
        ++files;
        EXPECT_EQ(bytesOf(entry.path()), bytesOf(second / entry.path().filename())) << entry.path();
    }
    EXPECT_GT(files, 12);

    std::ifstream manifest(first / "manifest.txt");
    const std::string typeNames[] = {"Bitmap", "Wave", "Icon"};
    const platform::ResourceType types[] = {platform::ResourceType::Bitmap, platform::ResourceType::Wave,
                                            platform::ResourceType::Icon};
    int resources = 0;
    for (std::string line; std::getline(manifest, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string type, file;
        int id = 0;
        ASSERT_TRUE(fields >> type >> id >> file) << line;
        const auto known = std::ranges::find(typeNames, type);
        ASSERT_NE(known, std::end(typeNames)) << line;
        const auto embedded = platform::findResource(types[known - typeNames], id);
        EXPECT_EQ(std::vector<uint8_t>(embedded.begin(), embedded.end()), bytesOf(first / file)) << line;
        ++resources;
    }
    EXPECT_EQ(resources, 12);  // four bitmaps, seven sounds, the icon
    fs::remove_all(first);
    fs::remove_all(second);
}
