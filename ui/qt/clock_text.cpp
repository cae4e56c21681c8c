#include "clock_text.h"

#include "ui/text_fit.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ui {

namespace {

// A time format in pieces: a field is a run of one unquoted letter ("HH", "t"),
// quoted text is kept as written, and the rest is what stands between them.
struct Piece {
    enum Kind { Field, Quoted, Between } kind;
    QString text;
};

bool isAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

std::vector<Piece> piecesOf(const QString& format)
{
    std::vector<Piece> pieces;
    using Index = decltype(format.size()); // int on Qt 5
    const Index size = format.size();
    for (Index start = 0, end = 0; start < size; start = end) {
        const QChar c = format[start];
        Piece::Kind kind = Piece::Between;
        end = start + 1;
        if (c == u'\'') {
            kind = Piece::Quoted;
            while (end < size && format[end] != u'\'')
                ++end;
            end = qMin(end + 1, size);
        } else if (isAsciiLetter(c)) {
            kind = Piece::Field;
            while (end < size && format[end] == c)
                ++end;
        } else {
            while (end < size && format[end] != u'\'' && !isAsciiLetter(format[end]))
                ++end;
        }
        if (kind == Piece::Between && !pieces.empty() && pieces.back().kind == Piece::Between)
            pieces.back().text += format.mid(start, end - start);
        else
            pieces.push_back({ kind, format.mid(start, end - start) });
    }
    return pieces;
}

bool isField(const Piece& piece, char16_t letter)
{
    return piece.kind == Piece::Field && piece.text[0] == letter;
}

bool isHours(const Piece& piece) { return isField(piece, u'h') || isField(piece, u'H'); }

// Removes the time-zone field with whatever only framed it: "HH:mm:ss (t)",
// "h:mm:ss AP, t" and "t HH:mm:ss" keep their time and nothing more. The flexible
// day period "B", which Qt would print as a letter, becomes Qt's AM/PM field.
QString cleanTimeFormat(const QString& format)
{
    std::vector<Piece> pieces;
    for (Piece& piece : piecesOf(format)) {
        if (isField(piece, u't'))
            continue;
        if (isField(piece, u'B'))
            piece.text = QStringLiteral("AP");
        if (piece.kind == Piece::Between && !pieces.empty() && pieces.back().kind == Piece::Between)
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
        QString text = pieces[i].text;
        if (pieces[i].kind == Piece::Between) {
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

// A time format with the seconds after the minutes, joined to them as the minutes
// are joined to the hours where that is one mark ("h:mm AP" gives "h:mm:ss AP");
// else hours, minutes and seconds are joined by colons ("HH 'h' mm" gives
// "HH:mm:ss").
QString withSeconds(const QString& format)
{
    std::vector<Piece> pieces = piecesOf(format);
    const auto isMinutes = [](const Piece& piece) { return isField(piece, u'm'); };
    const auto isSeconds = [](const Piece& piece) { return isField(piece, u's'); };
    const auto minutes = std::find_if(pieces.begin(), pieces.end(), isMinutes);
    const auto hours = std::find_if(pieces.begin(), minutes, isHours);
    if (hours == minutes || std::any_of(pieces.begin(), pieces.end(), isSeconds))
        return format;
    const bool oneMark = minutes - hours == 2 && hours[1].kind == Piece::Between
        && hours[1].text.size() == 1 && !hours[1].text[0].isSpace();
    const Piece mark { Piece::Between, oneMark ? hours[1].text : QStringLiteral(":") };
    const auto joint = pieces.erase(hours + 1, minutes);
    pieces.insert(pieces.insert(joint, mark) + 2, { mark, { Piece::Field, QStringLiteral("ss") } });
    QString result;
    for (const Piece& piece : pieces)
        result += piece.text;
    return result;
}

// The hours and minutes of a time format and what stands between them, on a
// 24-hour clock, which needs no day-half name to be read right: "AP 'ga' h:mm"
// gives "H:mm".
QString twentyFourHours(const QString& format)
{
    QString result;
    for (const Piece& piece : piecesOf(format)) {
        if (result.isEmpty() && !isHours(piece))
            continue;
        result += isHours(piece) ? QString(piece.text.size(), u'H') : piece.text;
        if (isField(piece, u'm'))
            return result;
    }
    return QStringLiteral("HH:mm");
}

} // namespace

ClockFormat::ClockFormat(const QLocale& locale, int pixels, const Fits& fits)
    : locale_(locale)
    , dateFormat_(locale.dateFormat(QLocale::ShortFormat))
    , pixels_(pixels)
{
    // The long time; else the short time with seconds; else that on a 24-hour clock.
    const QString shortTime = cleanTimeFormat(locale.timeFormat(QLocale::ShortFormat));
    const QString forms[] = { cleanTimeFormat(locale.timeFormat(QLocale::LongFormat)),
        withSeconds(shortTime), withSeconds(twentyFourHours(shortTime)) };
    const int smallest = static_cast<int>(std::ceil(pixels * kSmallestBoxTypeShare));
    for (;; --pixels_) {
        for (const QString& form : forms) {
            timeFormat_ = form;
            if (!fits || alwaysFits(fits) || pixels_ <= smallest)
                return;
        }
    }
}

// Whether the text fits at the widest: two-digit days and hours, morning and
// evening (the day-half names differ), in every month (so do month names).
bool ClockFormat::alwaysFits(const Fits& fits) const
{
    for (int month = 1; month <= 12; ++month) {
        for (const int hour : { 10, 22 }) {
            if (!fits(text(QDateTime(QDate(2026, month, 28), QTime(hour, 58, 58))), pixels_))
                return false;
        }
    }
    return true;
}

QString ClockFormat::text(const QDateTime& when) const
{
    return locale_.toString(when.date(), dateFormat_) + u'\n'
        + locale_.toString(when.time(), timeFormat_);
}

} // namespace ui
