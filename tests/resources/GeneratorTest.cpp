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

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs the generator into a fresh folder under the build tree.
fs::path generate(const std::string& name) {
    const fs::path folder = fs::path(VX_BINARY_DIR) / "resources" / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string command =
        std::string("\"") + VX_BINARY_DIR + "/resources/vx-makeres\" \"" + folder.string() + "\"";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return folder;
}

const std::map<std::string, platform::ResourceType> types{{"Bitmap", platform::ResourceType::Bitmap},
                                                          {"Wave", platform::ResourceType::Wave},
                                                          {"Icon", platform::ResourceType::Icon}};

}  // namespace

// Two runs give the same bytes in every file, and what the program carries is exactly what the
// generator makes (so the embedded table is not stale).
TEST(Generator, IsReproducibleAndMatchesTheEmbeddedResources) {
    const fs::path first = generate("reproducible-a");
    const fs::path second = generate("reproducible-b");
    int files = 0;
    for (const auto& entry : fs::directory_iterator(first)) {
        ++files;
        const fs::path name = entry.path().filename();
        EXPECT_EQ(readBytes(entry.path()), readBytes(second / name)) << name;
    }
    EXPECT_GT(files, 12);

    std::ifstream manifest(first / "manifest.txt");
    std::string line;
    int resources = 0;
    while (std::getline(manifest, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string type, file;
        int id = 0;
        ASSERT_TRUE(fields >> type >> id >> file) << line;
        ASSERT_TRUE(types.contains(type)) << line;
        const auto embedded = platform::findResource(types.at(type), id);
        EXPECT_EQ(std::vector<uint8_t>(embedded.begin(), embedded.end()), readBytes(first / file)) << line;
        ++resources;
    }
    EXPECT_EQ(resources, 12);  // four bitmaps, seven sounds, the icon
    fs::remove_all(first);
    fs::remove_all(second);
}
