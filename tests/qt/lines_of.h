#pragma once

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

namespace testing_support {

// The lines a clock or phrase box shows, one a block of its document.
inline QStringList linesOf(const QTextEdit* box)
{
    QStringList lines;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i)
            lines << block.text().mid(
                layout->lineAt(i).textStart(), layout->lineAt(i).textLength());
    }
    return lines;
}

} // namespace testing_support
