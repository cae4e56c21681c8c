#pragma once

#include "qt_text.h"
#include "ui/layout.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace ui::qt {

inline bool isFontInstalled(const QString& family)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QFontDatabase::hasFamily(family);
#else
    return QFontDatabase().hasFamily(family);
#endif
}

// The face that draws the text of every control: the window's face where it is
// installed, else its metric twin, else whatever the font configuration puts in
// the face's place. It must be a face that is there: in a list of families Qt
// takes the next installed family before the configuration's substitute for a
// missing one, so a list that begins with a missing face would draw the Latin
// letters in the Arabic face. Worked out once; no font is loaded for it where
// the face or its twin is installed.
inline QString controlFamily()
{
    static const QString family = [] {
        const WindowRow& form = windowRow();
        for (const std::string_view name : { form.fontFamily, form.metricTwinFamily }) {
            if (isFontInstalled(fromAscii(name)))
                return fromAscii(name);
        }
        return QFontInfo(QFont(fromAscii(form.fontFamily))).family();
    }();
    return family;
}

// A control's font: bold, at its size in points. Controls with the Arabic
// character set name the Arabic face after the text face, so the letters the text
// face lacks, and only those, are drawn in the Arabic face.
inline QFont controlFont(const LayoutRow& row)
{
    QFont font;
    if (row.westernCharset)
        font.setFamily(controlFamily());
    else
        font.setFamilies({ controlFamily(), fromAscii(windowRow().arabicFamily) });
    font.setPointSizeF(row.fontPoints);
    font.setBold(true);
    return font;
}

} // namespace ui::qt
