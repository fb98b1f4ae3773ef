// Writes the seed corpora of the picture fuzzers: make_picture_seeds <corpus folder>
// fills <corpus folder>/bmp, /jpeg and /png with the sample files.

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "sample_files.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path corpus = argv[1];
    for (const tessary::testing::SampleFile& file : tessary::testing::SampleFiles()) {
        const char* folder = file.type == tessary::kPictureTypeBmp    ? "bmp"
                             : file.type == tessary::kPictureTypeJpeg ? "jpeg"
                                                                      : "png";
        std::filesystem::create_directories(corpus / folder);
        std::ofstream out(corpus / folder / file.name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(file.bytes.data()),
                  static_cast<std::streamsize>(file.bytes.size()));
        if (!out) {
            return 1;
        }
    }
    return 0;
}
