// resgen SET OUTPUT_DIR: writes the pictures of one program's resources.
#include <cstdio>
#include <string>

#include "tools/resgen/picture_sets.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: resgen SET OUTPUT_DIR\n");
        return 2;
    }
    const PictureSet* set = findPictureSet(argv[1]);
    if (!set) {
        std::fprintf(stderr, "resgen: no picture set named '%s'\n", argv[1]);
        return 2;
    }
    for (size_t i = 0; i < set->count; i++) {
        const std::string path = std::string(argv[2]) + "/" + set->files[i].fileName;
        if (!writeFile(path, set->files[i].encode())) {
            std::fprintf(stderr, "resgen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
