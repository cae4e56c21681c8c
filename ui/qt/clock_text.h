#pragma once

#include "ui/clock_form.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <array>

namespace ui::qt {

// The clock's text in a locale: its short date on the first line, the time in a
// form on the second. The zone name that some locales put into the long time is
// left out, with its brackets: a clock box has no room for it and the user knows
// where they are.
class ClockText final : public ClockFormatter {
public:
    explicit ClockText(const QLocale& locale);

    std::u16string clockText(ClockForm form, const LocalTime& when) const override;
    QString text(ClockForm form, const QDateTime& when) const;

private:
    QLocale locale_;
    QString dateFormat_;
    std::array<QString, kClockForms.size()> timeFormats_;
};

} // namespace ui::qt
