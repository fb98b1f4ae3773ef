#pragma once

#include <QImage>

#include "picture/picture_buffer.h"

namespace tessary {

/// A 24-bit QImage copy of a picture of any depth, rows top-down; null for an empty picture
/// or when memory runs out.
QImage ImageOfPicture(const PictureBuffer& picture);

}  // namespace tessary
