#include "Output.h"

#include <cstdio>

namespace art {

Output::Output(std::string folder) : folder(std::move(folder)) {}

void Output::addResource(const std::string& type, int id, const std::string& file, const Bytes& bytes) {
    addFile(file, bytes);
    lines.push_back(type + " " + std::to_string(id) + " " + file);
}

void Output::addFile(const std::string& file, const Bytes& bytes) {
    if (writeFile(folder + "/" + file, bytes)) return;
    std::fprintf(stderr, "vx-makeres: cannot write %s/%s\n", folder.c_str(), file.c_str());
    ok = false;
}

bool Output::finish() {
    Bytes manifest;
    putText(manifest, "# TYPE ID FILE\n");
    for (const std::string& line : lines) putText(manifest, line + "\n");
    addFile("manifest.txt", manifest);
    return ok;
}

}  // namespace art
