#pragma once

#include <cstdint>
#include <functional>

namespace tessary {

/// The cursors the window shows for the field.
enum class CursorShape { Arrow, Busy, Hidden, Capture, Hint, NoHint };

/// How long the hint cursor stays up, in milliseconds: it is due while no more than this much
/// time has passed since it went up.
inline constexpr std::int64_t kHintCursorMilliseconds = 1000;

/// The modes in which the field wants a cursor of its own. The engine says when a mode begins
/// and ends and never sets a cursor; the window shows the cursor of the most important active
/// mode: busy, then the hint, then the capture rectangle, then the pointer hidden while a piece
/// is held, else the arrow. Main thread only.
class CursorModes {
public:
    /// Called after every change of a mode: the window shows shapeAt(now) again.
    std::function<void()> onChange;

    /// Busy spans nest: the busy cursor shows until every span begun has ended.
    void beginBusy();
    void endBusy();
    bool isBusy() const { return busySpans_ > 0; }

    /// The hint cursor (`isHintFound`) or the no-hint cursor, up from `now` for
    /// kHintCursorMilliseconds.
    void showHint(bool isHintFound, std::int64_t now);
    /// Takes the hint cursor down at once.
    void endHint();
    /// Milliseconds from `now` until the hint cursor is no longer due; 0 when it is not up.
    std::int64_t hintTimeLeft(std::int64_t now) const;

    /// A capture rectangle is being chosen (armed or dragged).
    void setCapturing(bool isCapturing);
    bool isCapturing() const { return isCapturing_; }

    /// A piece is held: the pointer is hidden, the piece shows where it is.
    void setHolding(bool isHolding);
    bool isHolding() const { return isHolding_; }

    /// The cursor of the most important mode active at `now`.
    CursorShape shapeAt(std::int64_t now) const;

private:
    void changed() const;

    int busySpans_ = 0;
    bool hasHint_ = false;
    bool isHintFound_ = false;
    std::int64_t hintTime_ = 0;
    bool isCapturing_ = false;
    bool isHolding_ = false;
};

/// The busy mode for the lifetime of the scope.
class BusyScope {
public:
    explicit BusyScope(CursorModes& modes) : modes_(modes) { modes_.beginBusy(); }
    ~BusyScope() { modes_.endBusy(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    CursorModes& modes_;
};

}  // namespace tessary
