// What the Qt window shows in the one state every home is compared in, written as
// JSON to the file named on the command line (scripts/compare-homes.py reads it):
// each control's place, the clock's form, type size and lines, the phrase's, and the
// display's scale, after the display is typed "-790123377769876000" and "+" and "="
// are clicked, one tick after start. Run with the clock stopped at the fixed time.

#include "qt/lines_of.h"
#include "ui/layout.h"
#include "ui/qt/control_font.h"
#include "ui/qt/display_box.h"
#include "ui/qt/form1_window.h"
#include "ui/qt/lines_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cstdio>

namespace {

using ui::Control;

class NoMessages final : public ui::qt::MessagePresenter {
public:
    ui::Answer present(QWidget*, const QString& text, ui::MessageBoxStyle) override
    {
        std::fprintf(stderr, "home_report: a message box came up: %s\n", qPrintable(text));
        std::exit(1);
    }
};

QJsonObject boxReport(const ui::qt::Form1Window& window, Control id)
{
    const auto* box = static_cast<const ui::qt::LinesBox*>(window.control(id));
    const QTextFragment first = box->document()->begin().begin().fragment();
    return { { "typeSize", first.charFormat().font().pixelSize() },
        { "lines", QJsonArray::fromStringList(testing_support::linesOf(box)) } };
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: home_report REPORT.json\n");
        return 2;
    }
    NoMessages messages;
    ui::qt::Form1Window window(messages);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.timer().stop();
    auto* display = static_cast<ui::qt::DisplayBox*>(window.control(Control::TEXT1));
    QTest::keyClicks(display, QStringLiteral("-790123377769876000"));
    for (const Control key : { Control::Command13, Control::Command12 })
        static_cast<QAbstractButton*>(window.control(key))->click();
    window.form().Timer1_Timer();

    QJsonObject controls;
    for (const ui::LayoutRow& row : ui::layoutRows()) {
        if (const QWidget* w
            = row.kind == ui::ControlKind::Timer ? nullptr : window.control(row.id))
            controls[QString::fromLatin1(row.name.data(), static_cast<int>(row.name.size()))]
                = QJsonArray { w->x(), w->y(), w->width(), w->height() };
    }
    QJsonObject clock = boxReport(window, Control::Text3);
    const char* forms[] = { "LongTime", "ShortTimeWithSeconds", "TwentyFourHours" };
    clock["form"] = forms[static_cast<int>(window.form().clockChoice()->form)];
    const QFont base = ui::qt::controlFont(ui::layoutRow(Control::TEXT1));
    const QFont shown = display->font();
    const QJsonObject report { { "home", "qt" }, { "controls", controls }, { "clock", clock },
        { "phrase", boxReport(window, Control::Text4) },
        { "display",
            QJsonObject { { "text", display->text() },
                { "stretch", shown.stretch() > 0 ? shown.stretch() / 100.0 : 1.0 },
                { "size", shown.pointSizeF() / base.pointSizeF() } } } };
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(report).toJson()) < 0)
        return 1;
    return 0;
}
