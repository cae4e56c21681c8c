#include "announcer.h"

#include <QAccessibleWidget>

namespace ui::qt {

namespace {

QAccessibleInterface* notificationFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("ui::qt::Announcer") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* window)
    : QWidget(window)
{
    static const bool installed = [] {
        QAccessible::installFactory(notificationFor);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("Announcement"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString& text)
{
    hide();
    setAccessibleName(text);
    show();
}

} // namespace ui::qt
