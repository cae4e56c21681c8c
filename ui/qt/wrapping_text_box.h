#pragma once

#include <QRect>
#include <QTextDocument>
#include <QTextEdit>

namespace ui {

// A read-only box that shows its text whole on centred lines: the clock's date
// and time, the phrase. Lines are set a fixed distance apart that suits the type
// size rather than the face (faces with Arabic letters carry tall line spacing),
// and the lines' ink stands in the middle of the box. A text that would not show
// whole at the box's type size is set smaller, one pixel at a time.
class WrappingTextBox final : public QTextEdit {
    Q_OBJECT

public:
    explicit WrappingTextBox(Qt::Alignment alignment, QWidget* parent = nullptr);

    QString text() const { return toPlainText(); }
    void setText(const QString& text);

    // The type size, in pixels, that text is set at where it shows whole.
    int typeSize() const { return typeSize_; }
    void setTypeSize(int pixels);

    // How a text shows at a type size: on how many lines, and whether whole: every
    // line within the width and all of its ink within the box.
    struct Fit {
        int lines = 0;
        bool whole = false;
        QRect ink; // drawn from the top of the first line, in the box's pixels
    };
    Fit fit(const QString& text, int pixels) const;

private:
    void prepare(QTextDocument& document, const QString& text, int pixels) const;

    int typeSize_ = 0;
    mutable QTextDocument probe_;
    // The last text's fit, kept for the next text of the same shape: the clock's
    // digits change every second, but not its ink's height.
    QString lastShape_;
    int lastPixels_ = 0;
    Fit lastFit_;
};

} // namespace ui
