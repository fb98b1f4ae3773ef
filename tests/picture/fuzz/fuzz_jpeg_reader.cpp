// libFuzzer target: JPEG files, whole and reduced for a preview.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "sample_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tessary::testing::ExerciseReader(tessary::kPictureTypeJpeg,
                                     std::vector<std::uint8_t>(data, data + size));
    return 0;
}
