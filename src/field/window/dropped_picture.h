#pragma once

#include <QString>

class QMimeData;

namespace tessary {

/// The picture file a drag carries: one local file whose extension names a picture type the
/// game reads (bmp, dib, rle, jpg, jpeg, jfif, jfi, png). Empty for anything else: several files,
/// a folder, a web address, text.
QString DroppedPicturePath(const QMimeData& data);

}  // namespace tessary
