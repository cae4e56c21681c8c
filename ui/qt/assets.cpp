#include "assets.h"

#include <QImageReader>
#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initAssetsResource() { Q_INIT_RESOURCE(assets); }

namespace ui::qt {

void registerAssets() { initAssetsResource(); }

QPixmap loadPicture(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace ui::qt
