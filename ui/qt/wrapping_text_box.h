#pragma once

#include <QTextEdit>

namespace ui {

// A read-only box that wraps its text onto centred lines. The box is two lines
// high, and faces with Arabic letters carry tall line spacing, so lines are set
// a fixed distance apart that suits the font size rather than the face.
class WrappingTextBox final : public QTextEdit {
    Q_OBJECT

public:
    explicit WrappingTextBox(Qt::Alignment alignment, QWidget* parent = nullptr);

    QString text() const { return toPlainText(); }
    void setText(const QString& text);

    // Whether a text would show whole in the box: in the lines it has room for,
    // each broken where a line may break, not inside a word or a number.
    bool showsWhole(const QString& text) const;

private:
    int lineHeight() const;
};

} // namespace ui
