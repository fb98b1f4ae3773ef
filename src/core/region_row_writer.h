#pragma once

#include <algorithm>
#include <cstdint>
#include <span>

#include "region.h"

namespace tessary {

/// Fills a region row by row, top to bottom, keeping its invariants: empty rows before the
/// first span are skipped, empty rows after the last one are dropped by finish(), and the
/// bounding columns are tracked on the way. The region's buffers are reused.
class Region::RowWriter {
public:
    /// Clears `out`; the first row written is `firstRow`.
    RowWriter(Region& out, int firstRow) : out_(out) {
        out_.top_ = firstRow;
        out_.rowStart_.clear();
        out_.spans_.clear();
    }

    /// Appends a span to the current row; left < right, and left > the right end of the span
    /// added before it in the same row (spans arrive sorted and do not touch).
    void add(int left, int right) {
        if (out_.rowStart_.empty()) {
            out_.rowStart_.push_back(0);
            left_ = left;
            right_ = right;
        }
        out_.spans_.push_back({left, right});
        left_ = std::min(left_, left);
        right_ = std::max(right_, right);
    }

    /// Appends sorted, non-touching spans to the current row, which holds none yet.
    void addRow(std::span<const Span> spans) {
        if (out_.rowStart_.empty()) {
            out_.rowStart_.push_back(0);
            left_ = spans.front().left;
            right_ = spans.back().right;
        }
        out_.spans_.insert(out_.spans_.end(), spans.begin(), spans.end());
        left_ = std::min(left_, spans.front().left);
        right_ = std::max(right_, spans.back().right);
    }

    /// Closes the current row and starts the next one.
    void nextRow() {
        if (out_.rowStart_.empty()) {
            ++out_.top_;
        } else {
            out_.rowStart_.push_back(static_cast<std::uint32_t>(out_.spans_.size()));
        }
    }

    /// Closes the current row and brings the region into its canonical form.
    void finish() {
        if (out_.spans_.empty()) {
            out_.top_ = out_.left_ = out_.right_ = 0;
            out_.rowStart_.clear();
            return;
        }
        nextRow();
        auto& starts = out_.rowStart_;
        while (starts[starts.size() - 2] == starts.back())
            starts.pop_back();
        out_.left_ = left_;
        out_.right_ = right_;
    }

private:
    Region& out_;
    int left_ = 0;
    int right_ = 0;
};

}  // namespace tessary
