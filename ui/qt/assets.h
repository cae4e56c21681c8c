#pragma once

#include <QPixmap>
#include <QString>

namespace ui::qt {

// Registers the pictures compiled into the program. They live in a static library,
// whose resource initialiser the linker would otherwise drop.
void registerAssets();

// Reads one of the program's PNG pictures. Naming the format and switching off
// detection keeps Qt from loading every image plugin it has at start-up.
QPixmap loadPicture(const QString& path);

} // namespace ui::qt
