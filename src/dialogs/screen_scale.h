#pragma once

namespace tessary {

/// A horizontal length given for 96 pixels per inch, converted to the primary screen's
/// logical resolution: trunc(v x dpi / 96 + 0.5), v itself at 96 dpi.
int ScaleX(int v);

/// The vertical counterpart of ScaleX.
int ScaleY(int v);

}  // namespace tessary
