#pragma once

#include <cstdint>
#include <streambuf>
#include <vector>

#include "picture/pixel_view.h"
#include "picture/progress_sink.h"

namespace tessary::testing {

/// A 32-bit field picture owned by the test, pixels as 0xXXRRGGBB, rows top-down.
struct Field32 {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    Field32(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h) {}
    std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    PixelView32 view() const { return {pixels.data(), width, height, width}; }
};

/// Records the calls of a writer.
struct ProgressLog : ProgressSink {
    std::vector<int> begins;
    int steps = 0;
    int ends = 0;

    void begin(int range) override { begins.push_back(range); }
    void step() override { ++steps; }
    void end() override { ++ends; }
};

/// A stream buffer that takes `limit` bytes and then fails, like a full disk.
class FullDiskBuffer : public std::streambuf {
public:
    explicit FullDiskBuffer(std::size_t limit) : limit_(limit) {}

protected:
    int_type overflow(int_type c) override {
        if (written_ >= limit_ || traits_type::eq_int_type(c, traits_type::eof())) {
            return traits_type::eof();
        }
        ++written_;
        return c;
    }

private:
    std::size_t limit_;
    std::size_t written_ = 0;
};

}  // namespace tessary::testing
