#pragma once

namespace tessary {

/// Where a long task reports how far it has come. The window implements it with its
/// progress window, which it shows only once the task has run for 200 ms.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;

    /// A task of `range` steps starts.
    virtual void begin(int range) = 0;
    /// One more step is done.
    virtual void step() = 0;
    /// The task has ended, finished or not.
    virtual void end() = 0;
};

/// Reports one task to an optional sink: begins on construction, ends on destruction.
class ProgressScope {
public:
    ProgressScope(ProgressSink* sink, int range) : sink_(sink) {
        if (sink_) {
            sink_->begin(range);
        }
    }
    ~ProgressScope() {
        if (sink_) {
            sink_->end();
        }
    }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    void step() {
        if (sink_) {
            sink_->step();
        }
    }

private:
    ProgressSink* sink_;
};

}  // namespace tessary
