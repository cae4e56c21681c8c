#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace ui {

// The clock's text: the locale's short date, then its long time. The zone name
// that some locales put into the long time is left out; a clock box has no room
// for it and the user knows where they are. The formats are worked out once, not
// on every tick.
class ClockFormat {
public:
    explicit ClockFormat(const QLocale& locale);
    QString text(const QDateTime& when) const;

private:
    QLocale locale_;
    QString dateFormat_;
    QString timeFormat_;
};

inline QString generalDateText(const QDateTime& when, const QLocale& locale)
{
    return ClockFormat(locale).text(when);
}

} // namespace ui
