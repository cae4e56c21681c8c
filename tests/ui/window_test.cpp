// The calculator window on Qt, offscreen: its controls against the layout it must
// have, and the keys clicked for real.

#include "banner/banner_tick.h"
#include "ui/qt/form1_window.h"
#include "ui/qt/message_boxes.h"
#include "ui/qt/system_colors.h"
#include "ui/qt/wrapping_text_box.h"

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
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QtTest>

#include <algorithm>
#include <vector>

namespace {

// Answers message boxes instead of a person and remembers what they said.
class ScriptedMessages final : public ui::MessagePresenter {
public:
    struct Shown {
        QString text;
        int style;
    };
    std::vector<Shown> shown;
    int answer = ui::box::kOk;

    int present(QWidget*, const QString& text, int style) override
    {
        shown.push_back({ text, style });
        return answer;
    }
};

struct Expected {
    const char* name;
    const char* kind; // Qt class the control must be
    const char* caption;
    int left, top, width, height; // twips
    double points;
};

// The window as a user must see it, written out from the design, not from the
// program's own table.
const std::vector<Expected> kLayout = {
    { "Label1", "QLabel", "ENG KELVO ORVI STALBREN", 120, 120, 5535, 495, 15.75 },
    { "Label2", "QLabel", "kelvo.orvi@example.com", 600, 480, 4575, 255, 12 },
    { "Image1", "QLabel", "", 3840, 840, 810, 1080, 0 },
    { "Text3", "QTextEdit", "", 360, 1080, 1215, 615, 9.75 },
    { "TEXT1", "QLineEdit", "", 360, 2040, 5655, 735, 24 },
    { "Command1", "QPushButton", "1", 360, 6360, 855, 735, 15.75 },
    { "Command2", "QPushButton", "4", 360, 5520, 855, 735, 15.75 },
    { "Command3", "QPushButton", "7", 360, 4680, 855, 735, 15.75 },
    { "Command4", "QPushButton", "0", 360, 3840, 855, 735, 15.75 },
    { "Command5", "QPushButton", "2", 1560, 6360, 855, 735, 15.75 },
    { "Command6", "QPushButton", "5", 1560, 5520, 855, 735, 15.75 },
    { "Command7", "QPushButton", "8", 1560, 4680, 855, 735, 15.75 },
    { "Command8", "QPushButton", "C", 1560, 7200, 855, 735, 15.75 },
    { "Command9", "QPushButton", "3", 2760, 6360, 855, 735, 15.75 },
    { "Command10", "QPushButton", "6", 2760, 5520, 855, 735, 15.75 },
    { "Command11", "QPushButton", "9", 2760, 4680, 855, 735, 15.75 },
    { "Command12", "QPushButton", "=", 3960, 6360, 855, 735, 15.75 },
    { "Command13", "QPushButton", "+", 3960, 3000, 855, 735, 15.75 },
    { "Command14", "QPushButton", "-", 3960, 3840, 855, 735, 15.75 },
    { "Command15", "QPushButton", "*", 3960, 4680, 855, 735, 15.75 },
    { "Command16", "QPushButton", "/", 3960, 5520, 855, 735, 15.75 },
    { "Command17", "QPushButton", ".", 2760, 3840, 855, 735, 15.75 },
    { "Command18", "QPushButton", "Sqr", 2760, 7200, 855, 735, 15.75 },
    { "Command19", "QPushButton", "nI", 3960, 7200, 855, 735, 15.75 },
    { "Command20", "QPushButton", "AC", 360, 7200, 855, 735, 15.75 },
    { "Command21", "QPushButton", "OFF", 1560, 3000, 855, 735, 15.75 },
    { "Text2", "QLineEdit", "", 5280, 2040, 735, 720, 18 },
    { "Command22", "QPushButton", "M+", 5160, 3000, 855, 735, 14.25 },
    { "Command23", "QPushButton", "M-", 5160, 3840, 855, 735, 14.25 },
    { "Command24", "QPushButton", "MS", 5160, 4680, 855, 735, 15.75 },
    { "Command25", "QPushButton", "MR", 5160, 5520, 855, 735, 15.75 },
    { "Command26", "QPushButton", "MC", 5160, 6360, 855, 735, 15.75 },
    { "Command27", "QPushButton", "%", 1560, 3840, 855, 735, 15.75 },
    { "Command28", "QPushButton", "Log", 5160, 7200, 855, 735, 15.75 },
    { "Command29", "QPushButton", "ON", 360, 3000, 855, 735, 15.75 },
    { "Command30", "QPushButton", "RUN", 2760, 3000, 855, 735, 9.75 },
    { "Text4", "QTextEdit", "", 4680, 1080, 1335, 615, 11.25 },
}; // back to front

QColor bgr(unsigned value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

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

// The lines a text box shows, as laid out.
QStringList linesOf(QTextEdit* box)
{
    QStringList lines;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i)
            lines << block.text()
                         .mid(layout->lineAt(i).textStart(), layout->lineAt(i).textLength())
                         .trimmed();
    }
    return lines;
}

// Whether a box's text is drawn whole: no ink on the outermost pixels of the area
// it is drawn in, where a letter cut by its edge would leave some.
bool inkInside(QTextEdit* box)
{
    const QImage drawn = box->grab().toImage();
    const qreal scale = drawn.devicePixelRatio();
    const QRect area(
        box->viewport()->geometry().topLeft() * scale, box->viewport()->size() * scale);
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
    if (auto* t = qobject_cast<QTextEdit*>(w))
        return t->toPlainText();
    return {};
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

    ScriptedMessages messages;
    std::unique_ptr<ui::Form1Window> window;

    template <typename T = QWidget> T* find(const char* name) const
    {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QString display() const { return find<QLineEdit>("TEXT1")->text(); }
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
        window = std::make_unique<ui::Form1Window>(messages);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void windowFrame()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("CalculatorOrvi2009"));
        QCOMPARE(window->size(), QSize(6345 / 15, 8430 / 15));
        QCOMPARE(window->palette().color(QPalette::Window), QColor(128, 128, 255));
        QVERIFY(!window->windowIcon().isNull());
        QVERIFY(window->maximumSize().width() > 6345 / 15); // sizable
    }

    void controlsMatchTheLayout()
    {
        for (const Expected& e : kLayout) {
            QWidget* w = find(e.name);
            const QString where = QString::fromLatin1(e.name);
            QVERIFY2(w->inherits(e.kind), qPrintable(where));
            const QRect box(e.left / 15, e.top / 15, e.width / 15, e.height / 15);
            QCOMPARE(w->geometry().topLeft(), box.topLeft());
            QCOMPARE(w->width(), box.width());
            // A label may reach a few pixels further down, for its descenders: how many
            // depends on the face.
            const int longer = w->height() - box.height();
            QVERIFY2(longer == 0
                    || (e.points > 0 && w->inherits("QLabel") && longer <= box.height() / 3),
                qPrintable(where));
            QCOMPARE(captionOf(w), QString::fromUtf8(e.caption));
            if (e.points > 0) {
                const QFontInfo resolved(w->font());
                QCOMPARE(resolved.family(), serifFace());
                QVERIFY2(resolved.bold(), qPrintable(where));
                QCOMPARE(w->font().pointSizeF(), e.points);
            }
        }
        const QString phrase = QString::fromStdU16String(std::u16string(banner::kPhrase));
        QVERIFY(facesDrawing(find("Text4")->font(), phrase)
            == (QSet<QByteArray> { boldFace(serifFace()), boldFace(QStringLiteral("Amiri")) }));
        QCOMPARE(find<QTimer>("Timer1")->interval(), 500);
        QVERIFY(find<QTimer>("Timer1")->isActive());
        QCOMPARE(find<QLabel>("Image1")->pixmap(Qt::ReturnByValue).size(), QSize(54, 72));
    }

    void stackingFromBackToFront()
    {
        QStringList expected;
        for (const Expected& e : kLayout)
            expected << QString::fromLatin1(e.name);
        QStringList actual;
        for (QObject* child : window->children())
            if (child->isWidgetType())
                actual << child->objectName();
        QCOMPARE(actual, expected);
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
        const QPalette system = QApplication::palette();
        QCOMPARE(find("TEXT1")->palette().color(QPalette::Base), bgr(0x00FFC0C0));
        QCOMPARE(find("TEXT1")->palette().color(QPalette::Text), bgr(0x00FF0000));
        for (const char* box : { "Text3", "Text4" })
            QCOMPARE(find(box)->palette().color(QPalette::Text), bgr(0x000000C0));
        QCOMPARE(find("Text2")->palette().color(QPalette::Base),
            find("Text3")->palette().color(QPalette::Base));
        if (!dark)
            QCOMPARE(find("Text2")->palette().color(QPalette::Text), system.color(QPalette::Text));
        const auto readable = [](QWidget* w, QPalette::ColorRole text, QPalette::ColorRole on) {
            return ui::contrast(w->palette().color(text), w->palette().color(on)) >= 4.5;
        };
        for (const char* box : { "TEXT1", "Text2", "Text3", "Text4" })
            QVERIFY2(readable(find(box), QPalette::Text, QPalette::Base), box);
        for (const char* label : { "Label1", "Label2" })
            QVERIFY2(readable(find(label), QPalette::WindowText, QPalette::Window), label);
        QApplication::setPalette(desktop);
        QCOMPARE(find<QLineEdit>("TEXT1")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QCOMPARE(
            find<QLineEdit>("Text2")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    }

    // The labels as drawn: as wide as the serif face sets their text, and as tall,
    // descenders and all.
    void labelsDrawTheirWholeTextInTheSerifFace()
    {
        for (const char* name : { "Label1", "Label2" }) {
            auto* label = find<QLabel>(name);
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
            QVERIFY2(qAbs(drawn.width() - inkOf(expected).width()) <= 1, name);
            QCOMPARE(drawn.height(), inkOf(expected).height());
        }
    }

    void tabOrderAndFocus()
    {
        QCOMPARE(QApplication::focusWidget(), find("TEXT1"));
        QStringList expected { "TEXT1" };
        for (int i = 1; i <= 21; ++i)
            expected << QStringLiteral("Command%1").arg(i);
        expected << "Text2";
        for (int i = 22; i <= 30; ++i)
            expected << QStringLiteral("Command%1").arg(i);
        expected << "Text3"
                 << "Text4";
        QStringList actual;
        QWidget* w = find("TEXT1");
        do {
            if (w->focusPolicy() & Qt::TabFocus)
                actual << w->objectName();
            w = w->nextInFocusChain();
        } while (w != find("TEXT1") && actual.size() < 50);
        QCOMPARE(actual, expected);
    }

    void startsEmptyWithTheIndicatorShown()
    {
        for (const char* box : { "TEXT1", "Text2", "Text3", "Text4" })
            QVERIFY2(captionOf(find(box)).isEmpty(), box);
        QVERIFY(find("Text2")->isVisible());
        QCOMPARE(window->form().bannerStep(), 1);
    }

    void accessibleNames()
    {
        const std::pair<const char*, const char*> names[] = { { "TEXT1", "Display" },
            { "Text2", "Memory indicator" }, { "Text3", "Clock" }, { "Text4", "Phrase" },
            { "Label1", "Credits" }, { "Label2", "Contact" }, { "Image1", "Portrait" } };
        for (const auto& [control, name] : names)
            QCOMPARE(find(control)->accessibleName(), QString::fromLatin1(name));
    }

    // The longest results show whole, in front of the memory indicator: nothing
    // scrolls between the caret at the start and at the end. A longer typed entry
    // goes into the display and keeps its caret in sight.
    void displayTextEndsBeforeTheIndicator()
    {
        auto* box = find<QLineEdit>("TEXT1");
        const int indicator = find("Text2")->x() - box->x();
        const auto caret = [box] {
            box->repaint(); // where the line edit scrolls its text
            return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        };
        for (const char* result : { "-7.90123377769876E+17", "-0.00142857142857143%",
                 "-1.23456789012345E-300%", "-0.000123456789012345%" }) {
            window->setText(ui::Control::TEXT1, QString::fromLatin1(result).toStdU16String());
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
        QCOMPARE(messages.shown[0].text,
            QStringLiteral("This calculator was designed and programmed by Eng Kelvo Orvi "));
        QCOMPARE(messages.shown[0].style, ui::box::kInformation);
    }

    void messageBoxesHaveTheirIconsAndButtons()
    {
        const auto about
            = ui::makeMessageBox(window.get(), QStringLiteral("about"), ui::box::kInformation);
        QCOMPARE(about->icon(), QMessageBox::Information);
        QCOMPARE(about->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(about->windowTitle(), QStringLiteral("CalculatorOrvi2009"));
        QCOMPARE(about->text(), QStringLiteral("about"));

        const auto error
            = ui::makeMessageBox(window.get(), QStringLiteral("Overflow"), ui::box::kCritical);
        QCOMPARE(error->icon(), QMessageBox::Critical);
        QCOMPARE(error->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));

        const auto question
            = ui::makeMessageBox(window.get(), QStringLiteral("?"), ui::box::kYesNo);
        QCOMPARE(question->icon(), QMessageBox::NoIcon);
        QCOMPARE(question->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(question->defaultButton(), question->button(QMessageBox::Yes));
        QCOMPARE(ui::buttonCode(QMessageBox::Yes), 6);
        QCOMPARE(ui::buttonCode(QMessageBox::No), 7);
        QCOMPARE(ui::buttonCode(QMessageBox::Ok), 1);
    }

    void memoryIndicatorAndFocus()
    {
        clickKeys({ "5", "M+" });
        QCOMPARE(find<QLineEdit>("Text2")->text(), QStringLiteral("M"));
        QVERIFY(find("Text2")->isVisible());
        QCOMPARE(QApplication::focusWidget(), find("TEXT1"));
        messages.answer = ui::box::kNo;
        clickKeys({ "MC" });
        QVERIFY(!find("Text2")->isVisible());
    }

    void tickPaintsTheBanner()
    {
        window->form().Timer1_Timer();
        QCOMPARE(find("Label1")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(find("Label2")->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QCOMPARE(find("Image1")->pos(), QPoint(3540 / 15, 840 / 15));
        QVERIFY(!find<QTextEdit>("Text3")->toPlainText().isEmpty());
        QCOMPARE(find<QTextEdit>("Text4")->toPlainText().toStdU16String(),
            std::u16string(banner::kPhrase));
    }

    void theTimerRunsTheTick()
    {
        window->timer().setSingleShot(true); // one tick, without waiting half a second
        window->timer().start(1);
        QTRY_COMPARE(window->form().bannerStep(), 2);
        QCOMPARE(find("Image1")->x(), 3540 / 15);
    }

    void offEndsTheProgram()
    {
        QSignalSpy quit(window.get(), &ui::Form1Window::quitRequested);
        clickKeys({ "1", "2", "+", "OFF" });
        QCOMPARE(quit.count(), 1);
        QVERIFY(!window->isVisible());
        QVERIFY(!find<QTimer>("Timer1")->isActive());
        QVERIFY(messages.shown.empty());
    }

    // The clock's forms, whatever the faces: the short date over the long time
    // without its zone; where the box has no room, shorter forms, then smaller type.
    void clockForms()
    {
        const QDateTime when(QDate(2026, 12, 6), QTime(20, 5, 9));
        const auto clock = [](const char* locale, const ui::ClockFormat::Fits& fits = {}) {
            return ui::ClockFormat(QLocale(QString::fromLatin1(locale)), 13, fits);
        };
        const auto without = [](const char* letters) {
            return [letters](const QString& text, int) {
                return !text.contains(QString::fromUtf8(letters));
            };
        };
        const std::pair<ui::ClockFormat, const char*> examples[] = {
            { clock("en_US"), "12/6/26\n8:05:09 PM" },
            { clock("de_DE"), "06.12.26\n20:05:09" },
            { clock("zh_TW"), "2026/12/6\n下午8:05:09" }, // its day period "B" read as AM/PM
            { clock("ko_KR", without("초")), "26. 12. 6.\n오후 8:05:09" },
            { clock("en_US", without("PM")), "12/6/26\n20:05:09" },
        };
        for (const auto& [format, text] : examples)
            QCOMPARE(format.text(when), QString::fromUtf8(text));
        QCOMPARE(
            clock("en_US", [](const QString&, int pixels) { return pixels <= 10; }).typeSize(), 10);
        QCOMPARE(clock("en_US", [](const QString&, int) { return false; }).typeSize(), 8);
    }

    // In every locale the clock shows its date whole on the first line and its time
    // whole on the second, all of its ink inside the box, with its seconds and the
    // half of the day, and nothing left of the zone it leaves out. Locales whose
    // letters no installed face has show as boxes whatever the form; they are
    // passed over, and counted.
    void clockShowsWholeInEveryLocale()
    {
        auto* box = find<ui::WrappingTextBox>("Text3");
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
            const auto letters
                = ui::ClockFormat(locale).text(QDateTime::currentDateTime()).toUcs4();
            if (!std::all_of(letters.begin(), letters.end(),
                    [&](uint c) { return QChar::isSpace(c) || metrics.inFontUcs4(c); })) {
                ++passedOver;
                continue;
            }
            const ui::ClockFormat clock = window->clockFormat(locale);
            box->setTypeSize(clock.typeSize());
            for (int month = 1; month <= 12; ++month) {
                const QDateTime evening(
                    QDate(2027, month, 17 + month), QTime(12 + month % 12, 47, 36));
                const QString text = clock.text(evening);
                const QString where = locale.name() + QLatin1Char(' ') + text;
                const QDateTime morning = evening.addSecs(-12 * 3600);
                QVERIFY2(text != clock.text(evening.addSecs(1)) && text != clock.text(morning),
                    qPrintable(where));
                QVERIFY2(!text.contains(leftover) && !text.contains(evening.timeZoneAbbreviation()),
                    qPrintable(where));
                for (const QString& shownText : { text, clock.text(morning) }) {
                    window->setText(ui::Control::Text3, shownText.toStdU16String());
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
        auto* box = find<QTextEdit>("Text4");
        const QStringList lines = linesOf(box);
        QVERIFY(lines.size() <= 2);
        QCOMPARE(
            lines.join(u' '), QString::fromStdU16String(std::u16string(banner::kPhrase)).trimmed());
        QVERIFY(inkInside(box));
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
