#pragma once

#include "ui/box_layout.h"

#include <QTextEdit>

#include <vector>

class QTextLayout;

namespace ui::qt {

// The clock and the phrase: a read-only box that shows its text on the lines the
// window laid out for it, each drawn where the layout put it, exactly as the box
// measured it: its baseline a fixed share of the type size below the line's top.
// Its text can be selected and copied, read by screen readers, and Tab reaches it.
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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct ShownLine {
        QString text;
        QPoint at; // the line's left and top in the box
    };

    QFont fontAt(int pixels) const;
    // A line set at a type size, laid out where its top is y 0.
    void layOut(QTextLayout& layout, int pixels) const;
    // The lines as a document too, for selecting, copying and screen readers; the
    // box draws them itself.
    void setDocumentLines(const BoxLayout& layout);

    QString text_;
    std::vector<ShownLine> shown_;
    int typeSize_ = 0;
};

} // namespace ui::qt
