#pragma once

#include <vector>

#include "dialogs/message_box.h"

namespace tessary {

/// Answers every message box with `answer` and keeps the requests, for as long as it lives.
class MessageRecorder {
public:
    explicit MessageRecorder(MessageAnswer answer)
        : scope_([this, answer](const MessageRequest& request) {
              requests.push_back(request);
              return answer;
          }) {}

    std::vector<MessageRequest> requests;

private:
    ScopedMessageAnswerer scope_;
};

}  // namespace tessary
