#include "clock_text.h"

namespace ui {

namespace {

// Removes the time-zone fields ('t' runs outside quotes) from a time format.
QString withoutTimeZone(const QString& format)
{
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('t'))
            continue;
        result.append(c);
    }
    return result.simplified();
}

} // namespace

ClockFormat::ClockFormat(const QLocale& locale)
    : locale_(locale)
    , dateFormat_(locale.dateFormat(QLocale::ShortFormat))
    , timeFormat_(withoutTimeZone(locale.timeFormat(QLocale::LongFormat)))
{
}

QString ClockFormat::text(const QDateTime& when) const
{
    return locale_.toString(when.date(), dateFormat_) + QLatin1Char(' ')
        + locale_.toString(when.time(), timeFormat_);
}

} // namespace ui
