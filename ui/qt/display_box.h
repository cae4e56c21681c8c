#pragma once

#include "ui/display_fit.h"

#include <QFont>
#include <QLineEdit>

namespace ui::qt {

// The display. The memory indicator stands in front of its right end, so its text
// ends where the indicator begins and scrolls before it would pass under the box.
// It tells how its face sets a text, and sets its text at the scale it is given.
class DisplayBox final : public QLineEdit, public DisplayMeasurer {
    Q_OBJECT

public:
    DisplayBox(const QFont& font, QWidget* parent);

    double room() const override;
    double naturalWidth(std::u16string_view text) const override;
    double drawnWidth(std::u16string_view text, DisplayScale scale) const override;
    void setScale(DisplayScale scale);

private:
    QFont scaled(DisplayScale scale) const;

    QFont font_; // as the layout gives it
};

} // namespace ui::qt
