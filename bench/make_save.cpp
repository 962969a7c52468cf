// Writes the save file a benchmark run starts from: a newly adopted rabbit standing
// at the given place, as the program itself would have saved it.
//
// varnok_make_save PATH [X Y]
#include <cstdio>
#include <cstdlib>

#include "desktop/running_state.h"
#include "life/adoption.h"
#include "rabbit/pet_record.h"
#include "save/save_image.h"
#include "soak_desktop.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: varnok_make_save PATH [X Y]\n");
        return 2;
    }
    soak.boxOpenMs = [] { return 0LL; };
    adoptRabbit();
    posX = argc == 4 ? std::atoi(argv[2]) : 200;
    posY = argc == 4 ? std::atoi(argv[3]) : 200;
    const SaveImage image = encodeSaveImage();
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file || std::fwrite(image.data(), 1, image.size(), file) != image.size() ||
        std::fclose(file) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
