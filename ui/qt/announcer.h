#pragma once

#include <QWidget>

namespace ui::qt {

// Has screen readers say a text without moving the focus. Qt 6.4 and 5.15 have no
// message that asks a reader to speak; readers do speak a notification as it comes
// on screen. So this is a notification without size or ink, shown for a moment with
// the text as its name, over the accessibility bus as any other.
class Announcer final : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);
    void announce(const QString& text);
};

} // namespace ui::qt
