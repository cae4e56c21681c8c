#include "assets.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initAssetsResource() { Q_INIT_RESOURCE(assets); }

namespace ui {

void registerAssets() { initAssetsResource(); }

} // namespace ui
