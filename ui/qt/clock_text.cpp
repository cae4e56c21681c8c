#include "clock_text.h"

#include "qt_text.h"
#include "ui/time_picture.h"

#include <QRegularExpression>

namespace ui::qt {

namespace {

// Removes the time-zone field with whatever only framed it: "HH:mm:ss (t)",
// "h:mm:ss AP, t" and "t HH:mm:ss" keep their time and nothing more. The flexible
// day period "B", which Qt would print as a letter, becomes Qt's AM/PM field.
QString cleanTimeFormat(const QString& format)
{
    std::vector<PicturePiece> pieces;
    for (PicturePiece& piece : picturePieces(toU16View(format))) {
        if (piece.isField(u't'))
            continue;
        if (piece.isField(u'B'))
            piece.text = u"AP";
        if (piece.kind == PicturePiece::Between && !pieces.empty()
            && pieces.back().kind == PicturePiece::Between)
            pieces.back().text += piece.text;
        else
            pieces.push_back(piece);
    }
    const auto pattern = [](const char16_t* text) {
        return QRegularExpression(
            QString::fromUtf16(text), QRegularExpression::UseUnicodePropertiesOption);
    };
    static const QRegularExpression emptyBrackets = pattern(u"\\s*[(\\[（]\\s*[)\\]）]");
    static const QRegularExpression blanks = pattern(u"\\s+");
    static const QRegularExpression leadingJoints = pattern(u"^[\\s,;:]+");
    static const QRegularExpression trailingJoints = pattern(u"[\\s,;:]+$");
    QString result;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        QString text = toQString(pieces[i].text);
        if (pieces[i].kind == PicturePiece::Between) {
            text.remove(emptyBrackets).replace(blanks, QStringLiteral(" "));
            if (i == 0)
                text.remove(leadingJoints);
            if (i + 1 == pieces.size())
                text.remove(trailingJoints);
        }
        result += text;
    }
    return result;
}

} // namespace

ClockText::ClockText(const QLocale& locale)
    : locale_(locale)
    , dateFormat_(locale.dateFormat(QLocale::ShortFormat))
{
    const QString shortTime = cleanTimeFormat(locale.timeFormat(QLocale::ShortFormat));
    timeFormats_ = { cleanTimeFormat(locale.timeFormat(QLocale::LongFormat)),
        toQString(withSeconds(toU16View(shortTime))),
        toQString(withSeconds(twentyFourHours(toU16View(shortTime)))) };
}

QString ClockText::text(ClockForm form, const QDateTime& when) const
{
    return locale_.toString(when.date(), dateFormat_) + u'\n'
        + locale_.toString(when.time(), timeFormats_[static_cast<std::size_t>(form)]);
}

std::u16string ClockText::clockText(ClockForm form, const LocalTime& when) const
{
    return toU16(text(form,
        QDateTime(
            QDate(when.year, when.month, when.day), QTime(when.hour, when.minute, when.second))));
}

} // namespace ui::qt
