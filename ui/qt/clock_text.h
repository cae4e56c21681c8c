#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <functional>

namespace ui {

// The clock's text: the locale's short date, then its long time. The zone name
// that some locales put into the long time is left out, with its brackets; a clock
// box has no room for it and the user knows where they are. Where the long time
// would not show whole in the box, the locale's short time with the seconds added
// takes its place, or failing that the same on a 24-hour clock. The formats are
// worked out once, not on every tick.
class ClockFormat {
public:
    // Whether a text shows whole in the clock's box.
    using Fits = std::function<bool(const QString&)>;

    explicit ClockFormat(const QLocale& locale, const Fits& fits = {});
    QString text(const QDateTime& when) const;

private:
    bool alwaysFits(const Fits& fits) const;

    QLocale locale_;
    QString dateFormat_;
    QString timeFormat_;
};

} // namespace ui
