#pragma once

namespace tessary {

/// Draws elements into the field picture; the field engine implements it. The assembly rules
/// call it for elements whose shape on the field changed while they lie still.
class ElementPainter {
public:
    virtual ~ElementPainter() = default;

    /// Draws element `index` again at its place through its field region.
    virtual void redrawElement(int index) = 0;
};

}  // namespace tessary
