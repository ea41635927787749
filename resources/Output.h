#pragma once
// The generator's output folder: each resource is written as a file and listed in the manifest that
// vx-embed turns into the program's resource table.
#include <string>
#include <vector>

#include "Bytes.h"

namespace art {

class Output {
public:
    explicit Output(std::string folder);

    // Writes a resource file and lists it under its type ("Bitmap", "Wave", "Icon" or "Data") and id.
    void addResource(const std::string& type, int id, const std::string& file, const Bytes& bytes);
    // Writes a file that is not a resource (desktop icons, previews).
    void addFile(const std::string& file, const Bytes& bytes);
    // Writes the manifest; false if any file could not be written.
    bool finish();

private:
    std::string folder;
    std::vector<std::string> lines;
    bool ok = true;
};

}  // namespace art
