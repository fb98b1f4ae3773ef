#pragma once

#include <string>

namespace tessary::bench {

/// Writes a `width` x `height` JPEG that stands in for a photograph: smooth gradients, soft
/// shapes and fine noise, so that it compresses and decodes like one. The same every time.
/// False when it cannot be written.
bool WriteSamplePhoto(const std::string& path, int width, int height);

}  // namespace tessary::bench
