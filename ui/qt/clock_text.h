#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace ui {

// The clock's text: the locale's short date, then its long time. The zone name
// that some locales put into the long time is left out; a clock box has no room
// for it and the user knows where they are.
QString generalDateText(const QDateTime& when, const QLocale& locale);

} // namespace ui
