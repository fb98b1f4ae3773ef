// Speed of the picture work done once per game: decoding a photo, resampling it to the cut
// size and building its three turned copies, each beside a bare baseline.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <jpeglib.h>

#include "picture/jpeg_reader.h"
#include "picture/picture_buffer.h"
#include "picture/resample_picture.h"
#include "picture/rotate_picture.h"
#include "test_pictures.h"

namespace {

using tessary::PictureBuffer;

// Smooth gradients with fine texture, roughly as dense to encode as a photograph.
std::uint8_t Sample(int x, int y, int channel) {
    const int smooth = (x * (channel + 1) / 23 + y * (3 - channel) / 17) & 0xFF;
    const int texture = ((x * 7919 + y * 104729 + channel * 31) >> 3) & 0x1F;
    return static_cast<std::uint8_t>((smooth + texture) & 0xFF);
}

const std::vector<std::uint8_t>& PhotoJpeg() {
    static const std::vector<std::uint8_t> bytes = [] {
        constexpr int kWidth = 6000;
        constexpr int kHeight = 4000;
        jpeg_compress_struct object{};
        jpeg_error_mgr errors{};
        object.err = jpeg_std_error(&errors);
        jpeg_create_compress(&object);
        unsigned char* buffer = nullptr;
        unsigned long size = 0;
        jpeg_mem_dest(&object, &buffer, &size);
        object.image_width = kWidth;
        object.image_height = kHeight;
        object.input_components = 3;
        object.in_color_space = JCS_RGB;
        jpeg_set_defaults(&object);
        jpeg_set_quality(&object, 90, TRUE);
        jpeg_start_compress(&object, TRUE);
        std::vector<std::uint8_t> row(3 * kWidth);
        while (object.next_scanline < object.image_height) {
            const int y = static_cast<int>(object.next_scanline);
            for (int x = 0; x < kWidth; ++x) {
                for (int c = 0; c < 3; ++c) {
                    row[3 * x + c] = Sample(x, y, c);
                }
            }
            JSAMPROW rowPointer = row.data();
            jpeg_write_scanlines(&object, &rowPointer, 1);
        }
        jpeg_finish_compress(&object);
        jpeg_destroy_compress(&object);
        std::vector<std::uint8_t> encoded(buffer, buffer + size);
        std::free(buffer);
        return encoded;
    }();
    return bytes;
}

PictureBuffer TrueColourPicture(int width, int height) {
    return tessary::testing::MakeFilledPicture(width, height, [](int x, int y) {
        return static_cast<std::uint32_t>(Sample(x, y, 2) << 16 | Sample(x, y, 1) << 8 |
                                          Sample(x, y, 0));
    });
}

void BM_DecodeJpeg(benchmark::State& state) {
    const std::vector<std::uint8_t>& jpeg = PhotoJpeg();
    for (auto _ : state) {
        tessary::LoadResult result = tessary::ReadJpegStream(jpeg);
        benchmark::DoNotOptimize(result.picture.pixels().data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(jpeg.size()));
}
BENCHMARK(BM_DecodeJpeg)->Unit(benchmark::kMillisecond);

// The same decoding with libjpeg alone into one plain buffer, allocated and touched once
// beforehand: the floor for BM_DecodeJpeg, which also pays for its new picture's memory.
void BM_DecodeJpegBare(benchmark::State& state) {
    const std::vector<std::uint8_t>& jpeg = PhotoJpeg();
    std::vector<std::uint8_t> pixels;
    for (auto _ : state) {
        jpeg_decompress_struct object{};
        jpeg_error_mgr errors{};
        object.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&object);
        jpeg_mem_src(&object, jpeg.data(), jpeg.size());
        jpeg_read_header(&object, TRUE);
        object.out_color_space = JCS_EXT_BGR;
        jpeg_start_decompress(&object);
        const std::size_t stride = 3 * object.output_width;
        if (pixels.empty()) {
            state.PauseTiming();
            pixels.resize(stride * object.output_height);
            state.ResumeTiming();
        }
        while (object.output_scanline < object.output_height) {
            JSAMPROW row = pixels.data() + object.output_scanline * stride;
            jpeg_read_scanlines(&object, &row, 1);
        }
        jpeg_finish_decompress(&object);
        jpeg_destroy_decompress(&object);
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(jpeg.size()));
}
BENCHMARK(BM_DecodeJpegBare)->Unit(benchmark::kMillisecond);

void BM_RotatePictures(benchmark::State& state) {
    const PictureBuffer picture = TrueColourPicture(4000, 3000);
    for (auto _ : state) {
        tessary::TurnedPictures turned;
        benchmark::DoNotOptimize(tessary::BuildRotatedPictures(picture, turned));
    }
    state.SetBytesProcessed(state.iterations() * 3 *
                            static_cast<std::int64_t>(picture.pixels().size()));
}
BENCHMARK(BM_RotatePictures)->Unit(benchmark::kMillisecond);

// Three plain copies of the same bytes into new buffers: the floor for BM_RotatePictures.
void BM_MemcpyPictures(benchmark::State& state) {
    const PictureBuffer picture = TrueColourPicture(4000, 3000);
    const std::size_t size = picture.pixels().size();
    for (auto _ : state) {
        for (int i = 0; i < 3; ++i) {
            std::unique_ptr<std::uint8_t[]> copy(new std::uint8_t[size]);
            std::memcpy(copy.get(), picture.pixels().data(), size);
            benchmark::DoNotOptimize(copy.get());
        }
    }
    state.SetBytesProcessed(state.iterations() * 3 * static_cast<std::int64_t>(size));
}
BENCHMARK(BM_MemcpyPictures)->Unit(benchmark::kMillisecond);

// The same copies into buffers allocated and touched once: memory bandwidth alone.
void BM_MemcpyPicturesWarm(benchmark::State& state) {
    const PictureBuffer picture = TrueColourPicture(4000, 3000);
    const std::size_t size = picture.pixels().size();
    std::vector<std::vector<std::uint8_t>> copies(3, std::vector<std::uint8_t>(size));
    for (auto _ : state) {
        for (std::vector<std::uint8_t>& copy : copies) {
            std::memcpy(copy.data(), picture.pixels().data(), size);
            benchmark::DoNotOptimize(copy.data());
        }
    }
    state.SetBytesProcessed(state.iterations() * 3 * static_cast<std::int64_t>(size));
}
BENCHMARK(BM_MemcpyPicturesWarm)->Unit(benchmark::kMillisecond);

void BM_Resample(benchmark::State& state) {
    const PictureBuffer picture = TrueColourPicture(4000, 3000);
    for (auto _ : state) {
        state.PauseTiming();
        PictureBuffer copy = picture;
        state.ResumeTiming();
        benchmark::DoNotOptimize(tessary::ResamplePicture(copy, 1600, 1200));
    }
}
BENCHMARK(BM_Resample)->Unit(benchmark::kMillisecond);

}  // namespace
