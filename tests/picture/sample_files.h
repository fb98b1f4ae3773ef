#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "picture/picture_type.h"

namespace tessary::testing {

/// A small valid picture file of one of the three formats.
struct SampleFile {
    std::string name;  // file name, with the format's extension
    PictureType type;
    std::vector<std::uint8_t> bytes;
};

inline void PrintTo(const SampleFile& file, std::ostream* os) {
    *os << file.name;
}

/// One file for each layout the readers handle: every bitmap depth and compression, grey,
/// colour, CMYK and progressive JPEG, and PNG depths, palettes and transparency. They seed
/// the fuzzers' corpora and the damaged-input tests.
std::vector<SampleFile> SampleFiles();

/// The reader (or readers) of one format over `bytes`, and when one yields a picture: its
/// pixels read, turned, and written and read back as a bitmap; aborts on a result that
/// breaks a picture's invariants. JPEG is decoded whole and for a preview, PNG as a file
/// and as a resource with alpha kept. Shared by the fuzz targets and the tests.
void ExerciseReader(PictureType type, const std::vector<std::uint8_t>& bytes);

/// ExerciseReader for every format.
void ExerciseReaders(const std::vector<std::uint8_t>& bytes);

}  // namespace tessary::testing
