#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <functional>

namespace ui {

// The clock's text: the locale's short date on the first line, its long time on
// the second. The zone name that some locales put into the long time is left out,
// with its brackets; a clock box has no room for it and the user knows where they
// are. Where the date and that time would not each show whole on their line at the
// box's type size, the locale's short time with the seconds added takes the time's
// place, or failing that the same on a 24-hour clock; where none of them does, the
// type is set a pixel smaller at a time and the forms tried again. The choice is
// made once, for the widest dates and times, not on every tick.
class ClockFormat {
public:
    // Whether a text shows whole, each of its lines on one line of the clock's
    // box, with the type at a size in pixels.
    using Fits = std::function<bool(const QString& text, int pixels)>;

    explicit ClockFormat(const QLocale& locale, int pixels = 0, const Fits& fits = {});
    QString text(const QDateTime& when) const;
    int typeSize() const { return pixels_; }

private:
    bool alwaysFits(const Fits& fits) const;

    QLocale locale_;
    QString dateFormat_;
    QString timeFormat_;
    int pixels_;
};

} // namespace ui
