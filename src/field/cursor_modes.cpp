#include "field/cursor_modes.h"

#include <algorithm>

namespace tessary {

void CursorModes::beginBusy() {
    ++busySpans_;
    changed();
}

void CursorModes::endBusy() {
    busySpans_ = std::max(busySpans_ - 1, 0);
    changed();
}

void CursorModes::showHint(bool isHintFound, std::int64_t now) {
    hasHint_ = true;
    isHintFound_ = isHintFound;
    hintTime_ = now;
    changed();
}

void CursorModes::endHint() {
    if (!hasHint_)
        return;
    hasHint_ = false;
    changed();
}

std::int64_t CursorModes::hintTimeLeft(std::int64_t now) const {
    if (!hasHint_)
        return 0;
    return std::max<std::int64_t>(hintTime_ + kHintCursorMilliseconds + 1 - now, 0);
}

void CursorModes::setCapturing(bool isCapturing) {
    isCapturing_ = isCapturing;
    changed();
}

void CursorModes::setHolding(bool isHolding) {
    isHolding_ = isHolding;
    changed();
}

CursorShape CursorModes::shapeAt(std::int64_t now) const {
    if (isBusy())
        return CursorShape::Busy;
    if (hintTimeLeft(now) > 0)
        return isHintFound_ ? CursorShape::Hint : CursorShape::NoHint;
    if (isCapturing_)
        return CursorShape::Capture;
    if (isHolding_)
        return CursorShape::Hidden;
    return CursorShape::Arrow;
}

void CursorModes::changed() const {
    if (onChange)
        onChange();
}

}  // namespace tessary
