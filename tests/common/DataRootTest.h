#pragma once
// A data root of the test's own: made empty for it, set as the program's root, removed after it.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/Platform.h"

class DataRootTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (parentFolder() / "vx-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
        platform::setDataRoot(root.string());
    }
    void TearDown() override {
        platform::setDataRoot("");
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    virtual std::filesystem::path parentFolder() const { return std::filesystem::temp_directory_path(); }

    // Host files by their path below the root ("My Documents/x.dat").
    std::filesystem::path host(const std::string& relative) const { return root / relative; }
    void putBytes(const std::string& relative, const std::string& bytes) const {
        std::ofstream(host(relative), std::ios::binary | std::ios::trunc) << bytes;
    }
    std::string bytesOf(const std::string& relative) const {
        std::ifstream in(host(relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::filesystem::path root;
};

// The bytes as the inverted form keeps them on disk.
inline std::string invertedBytes(std::string bytes) {
    for (char& byte : bytes) byte = static_cast<char>(~static_cast<unsigned char>(byte));
    return bytes;
}
