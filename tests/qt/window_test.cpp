// The calculator window on Qt, offscreen: what the Qt layer adds to the shared
// window. It builds the controls the layout table describes, in the faces and
// colours it resolves; its measure of the boxes' lines is the truth of what it draws;
// it draws the lines the rules chose; its clock formats every locale's forms; its
// keys, timer and message boxes reach Form1.

#include "banner/banner_tick.h"
#include "qt/lines_of.h"
#include "ui/app_info.h"
#include "ui/layout.h"
#include "ui/qt/clock_text.h"
#include "ui/qt/control_font.h"
#include "ui/qt/display_box.h"
#include "ui/qt/form1_window.h"
#include "ui/qt/lines_box.h"
#include "ui/qt/message_boxes.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRawFont>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

#include <algorithm>
#include <vector>

namespace {

using testing_support::linesOf;
using ui::Control;

// Answers message boxes instead of a person and remembers what they said.
class ScriptedMessages final : public ui::qt::MessagePresenter {
public:
    struct Shown {
        QString text;
        ui::MessageBoxStyle style;
    };
    std::vector<Shown> shown;
    ui::Answer answer = ui::Answer::Ok;

    ui::Answer present(QWidget*, const QString& text, ui::MessageBoxStyle style) override
    {
        shown.push_back({ text, style });
        return answer;
    }
};

QString qs(std::u16string_view text) { return QString::fromUtf16(text.data(), text.size()); }
QString latin(std::string_view text) { return QString::fromLatin1(text.data(), text.size()); }

// The face fontconfig draws "Times New Roman" in: itself where it is installed,
// else its metric twin.
QString serifFace() { return QFontInfo(QFont(QStringLiteral("Times New Roman"))).family(); }

// A face, told apart from others by its naming table.
QByteArray face(const QRawFont& font) { return font.fontTable("name"); }
QByteArray boldFace(const QString& family)
{
    return face(QRawFont::fromFont(QFont(family, -1, QFont::Bold)));
}

// The faces that draw a text in a font.
QSet<QByteArray> facesDrawing(const QFont& font, const QString& text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QSet<QByteArray> faces;
    for (const QGlyphRun& run : layout.glyphRuns())
        faces << face(run.rawFont());
    return faces;
}

// The smallest rectangle holding every pixel that differs from the top-left one.
QRect inkOf(const QImage& image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// Whether a box's text is drawn whole: no ink on the outermost pixels of the area
// it is drawn in, where a letter cut by its edge would leave some.
bool inkInside(QTextEdit* box)
{
    const QImage drawn = box->grab().toImage();
    // The device pixels wholly inside the border, at any scale.
    const QRectF inside(QRectF(box->viewport()->geometry()).topLeft() * drawn.devicePixelRatio(),
        QSizeF(box->viewport()->size()) * drawn.devicePixelRatio());
    const QRect area(QPoint(qCeil(inside.left()), qCeil(inside.top())),
        QPoint(qFloor(inside.right()) - 1, qFloor(inside.bottom()) - 1));
    const QRgb background = drawn.pixel(area.center().x(), area.top());
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (drawn.pixel(x, y) != background)
                ink |= QRect(x, y, 1, 1);
    return !ink.isEmpty() && area.adjusted(1, 1, -1, -1).contains(ink);
}

QString captionOf(QWidget* w)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* t = qobject_cast<ui::qt::LinesBox*>(w))
        return t->text();
    return {};
}

double contrast(const QColor& a, const QColor& b)
{
    const auto rgb = [](const QColor& c) {
        return ui::Rgb { static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue()) };
    };
    return ui::contrast(rgb(a), rgb(b));
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

    ScriptedMessages messages;
    std::unique_ptr<ui::qt::Form1Window> window;

    QWidget* find(Control id) const { return window->control(id); }
    template <typename T> T* find(Control id) const { return static_cast<T*>(find(id)); }
    QString display() const { return find<QLineEdit>(Control::TEXT1)->text(); }
    void clickKeys(const QStringList& captions)
    {
        for (const QString& caption : captions) {
            QPushButton* key = nullptr;
            for (auto* b : window->findChildren<QPushButton*>())
                if (b->text() == caption)
                    key = b;
            QVERIFY2(key, qPrintable(caption));
            QTest::mouseClick(key, Qt::LeftButton);
        }
    }

private slots:
    void init()
    {
        messages = {};
        window = std::make_unique<ui::qt::Form1Window>(messages);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void windowFrame()
    {
        const ui::WindowRow& row = ui::windowRow();
        QCOMPARE(window->windowTitle(), qs(row.caption));
        QCOMPARE(window->size(), QSize(row.clientWidth / 15, row.clientHeight / 15));
        QVERIFY(!window->windowIcon().isNull());
        QVERIFY(window->maximumSize().width() > row.clientWidth / 15); // sizable
    }

    // Each row of the table is a widget of its kind, at its place, with its caption,
    // in the serif face bold at its size, stacked in the table's order.
    void controlsAsTheTableDescribesThem()
    {
        QStringList stacking;
        for (QObject* child : window->children())
            if (child->isWidgetType() && child->objectName() != QLatin1String("Announcement"))
                stacking << child->objectName();
        QStringList rows;
        for (const ui::LayoutRow& row : ui::layoutRows()) {
            if (row.kind == ui::ControlKind::Timer)
                continue;
            rows << latin(row.name);
            QWidget* w = find(row.id);
            const QString where = latin(row.name);
            QCOMPARE(w->objectName(), where);
            QCOMPARE(w->geometry().topLeft(), QPoint(row.left / 15, row.top / 15));
            QCOMPARE(w->width(), row.width / 15);
            // A label may reach a few pixels further down, for its descenders: how many
            // depends on the face.
            const int longer = w->height() - row.height / 15;
            QVERIFY2(
                longer == 0 || (row.kind == ui::ControlKind::Label && longer <= row.height / 45),
                qPrintable(where));
            QCOMPARE(captionOf(w), qs(row.caption));
            if (row.fontPoints > 0) {
                const QFontInfo resolved(w->font());
                QCOMPARE(resolved.family(), serifFace());
                QVERIFY2(resolved.bold(), qPrintable(where));
                QCOMPARE(w->font().pointSizeF(), row.fontPoints);
            }
        }
        QCOMPARE(stacking, rows);
        const QString phrase = qs(banner::kPhrase);
        QVERIFY(facesDrawing(find(Control::Text4)->font(), phrase)
            == (QSet<QByteArray> { boldFace(serifFace()), boldFace(QStringLiteral("Amiri")) }));
        QCOMPARE(window->timer().interval(), ui::windowRow().timerIntervalMs);
        QVERIFY(window->timer().isActive());
        QCOMPARE(find<QLabel>(Control::Image1)->pixmap(Qt::ReturnByValue).size(), QSize(54, 72));
    }

    // Every text stands out on what it is drawn on, under the desktop's palette and
    // under a dark one: the fixed colours as designed, the system ones readable.
    void colours_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light palette") << false;
        QTest::newRow("dark palette") << true;
    }
    void colours()
    {
        QFETCH(bool, dark);
        const QPalette desktop = QApplication::palette();
        if (dark) {
            QPalette adwaitaDark(QColor(0x35, 0x35, 0x35), QColor(0x2d, 0x2d, 0x2d));
            for (const auto role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
                adwaitaDark.setColor(role, QColor(0xee, 0xee, 0xec));
            adwaitaDark.setColor(QPalette::Mid, QColor(0x26, 0x26, 0x26));
            QApplication::setPalette(adwaitaDark);
            init();
        }
        QCOMPARE(window->palette().color(QPalette::Window), QColor(128, 128, 255));
        QCOMPARE(find(Control::TEXT1)->palette().color(QPalette::Base), QColor(192, 192, 255));
        QCOMPARE(find(Control::TEXT1)->palette().color(QPalette::Text), QColor(0, 0, 255));
        for (const Control box : { Control::Text2, Control::Text3, Control::Text4 })
            QCOMPARE(find(box)->palette().color(QPalette::Base), QColor(220, 220, 220));
        for (const Control box : { Control::Text3, Control::Text4 })
            QCOMPARE(find(box)->palette().color(QPalette::Text), QColor(192, 0, 0));
        const auto readable = [](QWidget* w, QPalette::ColorRole text, QPalette::ColorRole on) {
            return contrast(w->palette().color(text), w->palette().color(on)) >= 4.5;
        };
        for (const Control box : { Control::TEXT1, Control::Text2, Control::Text3, Control::Text4 })
            QVERIFY(readable(find(box), QPalette::Text, QPalette::Base));
        for (const Control label : { Control::Label1, Control::Label2 })
            QVERIFY(
                contrast(find(label)->palette().color(QPalette::WindowText), QColor(128, 128, 255))
                >= 4.5);
        QApplication::setPalette(desktop);
    }

    // The labels as drawn: as wide as the serif face sets their text, and as tall,
    // descenders and all.
    void labelsDrawTheirWholeTextInTheSerifFace()
    {
        for (const Control id : { Control::Label1, Control::Label2 }) {
            auto* label = find<QLabel>(id);
            QFont serif(serifFace());
            serif.setPixelSize(QFontInfo(label->font()).pixelSize());
            serif.setBold(true);
            QImage expected(label->width() * 2, label->height() * 3, QImage::Format_RGB32);
            expected.fill(Qt::white);
            QPainter painter(&expected);
            painter.setFont(serif);
            painter.drawText(expected.rect(), Qt::AlignCenter, label->text());
            painter.end();
            const QRect drawn = inkOf(label->grab().toImage());
            QVERIFY(qAbs(drawn.width() - inkOf(expected).width()) <= 1);
            QCOMPARE(drawn.height(), inkOf(expected).height());
        }
    }

    void tabOrderFocusAndNames()
    {
        QCOMPARE(QApplication::focusWidget(), find(Control::TEXT1));
        QStringList expected;
        for (const Control id : ui::tabOrder())
            expected << latin(ui::layoutRow(id).name);
        QStringList actual;
        QWidget* w = find(Control::TEXT1);
        do {
            if (w->focusPolicy() & Qt::TabFocus)
                actual << w->objectName();
            w = w->nextInFocusChain();
        } while (w != find(Control::TEXT1) && actual.size() < 50);
        QCOMPARE(actual, expected);
        for (const ui::LayoutRow& row : ui::layoutRows()) {
            if (row.kind == ui::ControlKind::Timer)
                continue;
            if (!row.accessibleName.empty())
                QCOMPARE(find(row.id)->accessibleName(), latin(row.accessibleName));
            QCOMPARE(find(row.id)->accessibleDescription(), latin(row.description));
        }
    }

    void startsEmptyWithTheIndicatorShown()
    {
        for (const Control box : { Control::TEXT1, Control::Text2, Control::Text3, Control::Text4 })
            QVERIFY(captionOf(find(box)).isEmpty());
        QVERIFY(find(Control::Text2)->isVisible());
        QCOMPARE(window->form().bannerStep(), 1);
    }

    // The longest results show whole, in front of the memory indicator: nothing
    // scrolls between the caret at the start and at the end. A longer typed entry
    // goes into the display and keeps its caret in sight.
    void displayTextEndsBeforeTheIndicator()
    {
        auto* box = find<QLineEdit>(Control::TEXT1);
        const int indicator = find(Control::Text2)->x() - box->x();
        const auto caret = [box] {
            box->repaint(); // where the line edit scrolls its text
            return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        };
        for (const char* result : { "-7.90123377769876E+17", "-0.00142857142857143%",
                 "-1.23456789012345E-300%", "-0.000123456789012345%" }) {
            window->setText(Control::TEXT1, QString::fromLatin1(result).toStdU16String());
            box->home(false);
            const int start = caret();
            box->end(false);
            QVERIFY2(caret() < indicator, result);
            const qreal width = QFontMetricsF(box->font()).horizontalAdvance(box->text());
            QVERIFY2(qAbs(caret() - start - width) <= 1, result);
        }
        QTest::keyClicks(box, QString(60, QLatin1Char('7')));
        QVERIFY(display().endsWith(QString(60, QLatin1Char('7'))) && caret() < indicator);
    }

    // The real buttons reach their handlers, and the handlers' boxes the presenter.
    void keysAndBoxesAreWired()
    {
        clickKeys({ "1", "2", "+", "3", "=", "RUN" });
        QCOMPARE(display(), QStringLiteral("15"));
        QCOMPARE(messages.shown.size(), std::size_t { 1 });
        QCOMPARE(messages.shown[0].text, qs(ui::kAboutMessage));
        QVERIFY(messages.shown[0].style == ui::kAboutBox);
        clickKeys({ "5", "M+" });
        QCOMPARE(find<QLineEdit>(Control::Text2)->text(), QStringLiteral("M"));
        QCOMPARE(QApplication::focusWidget(), find(Control::TEXT1));
        messages.answer = ui::Answer::No;
        clickKeys({ "MC" });
        QVERIFY(!find(Control::Text2)->isVisible());
    }

    void messageBoxesHaveTheirIconsAndButtons()
    {
        const auto about
            = ui::qt::makeMessageBox(window.get(), QStringLiteral("about"), ui::kAboutBox);
        QCOMPARE(about->icon(), QMessageBox::Information);
        QCOMPARE(about->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(about->windowTitle(), QStringLiteral("CalculatorOrvi2009"));
        QCOMPARE(about->text(), QStringLiteral("about"));
        QCOMPARE(about->escapeButton(), about->button(QMessageBox::Ok));

        const auto error
            = ui::qt::makeMessageBox(window.get(), QStringLiteral("Overflow"), ui::kErrorBox);
        QCOMPARE(error->icon(), QMessageBox::Critical);
        QCOMPARE(error->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));

        const auto question
            = ui::qt::makeMessageBox(window.get(), QStringLiteral("?"), ui::kQuestionBox);
        QCOMPARE(question->icon(), QMessageBox::NoIcon);
        QCOMPARE(question->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(question->defaultButton(), question->button(QMessageBox::Yes));
        QCOMPARE(question->escapeButton(), question->button(QMessageBox::No));
        QVERIFY(ui::qt::answerOf(QMessageBox::Yes) == ui::Answer::Yes);
        QVERIFY(ui::qt::answerOf(QMessageBox::No) == ui::Answer::No);
    }

    void tickPaintsTheBanner()
    {
        window->form().Timer1_Timer();
        QCOMPARE(find(Control::Label1)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(find(Control::Label2)->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QCOMPARE(find(Control::Image1)->pos(), QPoint(3540 / 15, 840 / 15));
        QCOMPARE(linesOf(find<QTextEdit>(Control::Text3)).size(), 2);
        QCOMPARE(find<ui::qt::LinesBox>(Control::Text4)->text(), qs(banner::kPhrase));
    }

    void theTimerRunsTheTick()
    {
        window->timer().setSingleShot(true); // one tick, without waiting half a second
        window->timer().start(1);
        QTRY_COMPARE(window->form().bannerStep(), 2);
        QCOMPARE(find(Control::Image1)->x(), 3540 / 15);
    }

    void offEndsTheProgram()
    {
        QSignalSpy quit(window.get(), &ui::qt::Form1Window::quitRequested);
        clickKeys({ "1", "2", "+", "OFF" });
        QCOMPARE(quit.count(), 1);
        QVERIFY(!window->isVisible());
        QVERIFY(!window->timer().isActive());
        QVERIFY(messages.shown.empty());
    }

    // The clock's forms in Qt's locales: the short date over the time, without the
    // zone that some long times add.
    void clockForms()
    {
        using enum ui::ClockForm;
        const QDateTime when(QDate(2026, 12, 6), QTime(20, 5, 9));
        const auto text = [&](const char* locale, ui::ClockForm form) {
            return ui::qt::ClockText(QLocale(QString::fromLatin1(locale))).text(form, when);
        };
        const struct {
            const char* locale;
            ui::ClockForm form;
            const char* text;
        } examples[] = {
            { "en_US", LongTime, "12/6/26\n8:05:09 PM" },
            { "de_DE", LongTime, "06.12.26\n20:05:09" },
            { "zh_TW", LongTime, "2026/12/6\n下午8:05:09" }, // its day period "B" read as AM/PM
            { "ko_KR", ShortTimeWithSeconds, "26. 12. 6.\n오후 8:05:09" },
            { "en_US", TwentyFourHours, "12/6/26\n20:05:09" },
            { "el_GR", TwentyFourHours, "6/12/26\n20:05:09" },
        };
        for (const auto& e : examples)
            QCOMPARE(text(e.locale, e.form), QString::fromUtf8(e.text));
    }

    // In every locale the clock shows its date whole on the first line and its time
    // whole on the second, all of its ink inside the box as drawn, with its seconds
    // and the half of the day, and nothing left of the zone it leaves out. Locales
    // whose letters no installed face has show as boxes whatever the form; they are
    // passed over, and counted.
    void clockShowsWholeInEveryLocale()
    {
        auto* box = find<ui::qt::LinesBox>(Control::Text3);
        const QFontMetrics metrics(box->font());
        const QRegularExpression leftover(
            QStringLiteral(u"\\(\\s*\\)|\\[\\s*\\]|（\\s*）|^[\\s,;:]|[\\s,;:]$|\\s\\s"),
            QRegularExpression::UseUnicodePropertiesOption);
        // Looking for faces for scripts none has, Qt warns once for each; the count
        // of locales passed over below says it in one line.
        static QtMessageHandler qtTest = nullptr;
        qtTest = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (!message.contains(QLatin1String("OpenType support missing")))
                    qtTest(type, context, message);
            });
        int shown = 0, passedOver = 0;
        for (const QLocale& locale : QLocale::matchingLocales(
                 QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyCountry)) {
            const ui::qt::ClockText clock(locale);
            const auto letters
                = clock.text(ui::ClockForm::LongTime, QDateTime::currentDateTime()).toUcs4();
            if (!std::all_of(letters.begin(), letters.end(),
                    [&](uint c) { return QChar::isSpace(c) || metrics.inFontUcs4(c); })) {
                ++passedOver;
                continue;
            }
            const ui::ClockChoice choice = ui::chooseClockForm(clock, box->room(), *box);
            for (int month = 1; month <= 12; ++month) {
                const QDateTime evening(
                    QDate(2027, month, 17 + month), QTime(12 + month % 12, 47, 36));
                const QString text = clock.text(choice.form, evening);
                const QString where = locale.name() + QLatin1Char(' ') + text;
                const QDateTime morning = evening.addSecs(-12 * 3600);
                QVERIFY2(text != clock.text(choice.form, evening.addSecs(1))
                        && text != clock.text(choice.form, morning),
                    qPrintable(where));
                QVERIFY2(!text.contains(leftover) && !text.contains(evening.timeZoneAbbreviation()),
                    qPrintable(where));
                for (const QString& shownText : { text, clock.text(choice.form, morning) }) {
                    const std::u16string u16 = shownText.toStdU16String();
                    window->showLines(
                        Control::Text3, u16, ui::fitBox(u16, box->room(), *box, choice.typeSize));
                    QVERIFY2(linesOf(box) == shownText.split(u'\n'), qPrintable(where));
                    QVERIFY2(month > 1 || inkInside(box), qPrintable(where));
                }
            }
            ++shown;
        }
        qInstallMessageHandler(qtTest);
        qInfo("%d locales shown, %d passed over: no installed face has their letters", shown,
            passedOver);
        QVERIFY(shown > 400);
    }

    // The phrase whole on at most two lines, every letter's ink inside the box.
    void phraseShowsWholeInItsBox()
    {
        window->form().Timer1_Timer();
        auto* box = find<QTextEdit>(Control::Text4);
        const QStringList lines = linesOf(box);
        QVERIFY(lines.size() <= 2);
        QCOMPARE(lines.join(u' '), qs(banner::kPhrase).trimmed());
        QVERIFY(inkInside(box));
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
