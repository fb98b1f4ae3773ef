#include "field/window/dropped_picture.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "picture/picture_type.h"

namespace tessary {

QString DroppedPicturePath(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.constFirst().isLocalFile())
        return {};
    const QFileInfo file(urls.constFirst().toLocalFile());
    if (!file.isFile() ||
        PictureTypeFromExtension(file.suffix().toStdString()) == kPictureTypeUnknown)
        return {};
    return file.absoluteFilePath();
}

}  // namespace tessary
