#pragma once

#include "ui/box_layout.h"

#include <QTextDocument>
#include <QTextEdit>

namespace ui::qt {

// The clock and the phrase: a read-only box that shows its text on the lines the
// window laid out for it, each where the layout put it. Its text can be selected and
// copied, and Tab reaches it. It also measures a line as it sets one: a block of
// its own, linePitch(pixels) tall, in the box's face at a type size.
class LinesBox final : public QTextEdit, public LineMeasurer {
    Q_OBJECT

public:
    explicit LinesBox(QWidget* parent = nullptr);

    QString text() const { return text_; }
    void showLines(const QString& text, const BoxLayout& layout);
    // Its inside, and the type size of the font the layout table gives it.
    BoxRoom room() const;

    int width(std::u16string_view text, int pixels) const override;
    std::optional<Ink> ink(std::u16string_view text, int pixels) const override;

private:
    QFont fontAt(int pixels) const;
    // One line of a type size, as the box sets it, starting at the block's left.
    void setLine(QTextCursor& cursor, const QString& line, int pixels, int left, bool first) const;

    QString text_;
    mutable QTextDocument probe_; // a line laid out alone, to measure its ink
};

} // namespace ui::qt
