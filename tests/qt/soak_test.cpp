// The calculator window on Qt, offscreen, through hundreds of timer ticks and key
// clicks, its message boxes shown and answered for real: nothing piles up. Run
// under LeakSanitizer (the asan preset) or valgrind (scripts/stress-checks.sh),
// it also shows that nothing leaks.

#include "ui/qt/form1_window.h"
#include "ui/qt/message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <memory>
#include <random>

namespace {

constexpr int kTicks = 300;
constexpr int kClicks = 300;

// Answers the real modal boxes from inside their own event loop: OK, and Yes and
// No in turn to the memory question.
class BoxAnswerer : public QObject {
public:
    int answered = 0;

    BoxAnswerer()
    {
        timer_.setInterval(1);
        connect(&timer_, &QTimer::timeout, this, [this] { answer(); });
        timer_.start();
    }

private:
    void answer()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        QAbstractButton* button = box->button(QMessageBox::Ok);
        if (!button)
            button = box->button(answered % 2 == 0 ? QMessageBox::Yes : QMessageBox::No);
        ++answered;
        button->click();
    }

    QTimer timer_;
};

// Qt's offscreen platform cannot pass a window's size hints on, and says so for each
// message box; that notice alone is dropped, everything else reaches Qt Test.
QtMessageHandler qtTestHandler = nullptr;
void dropSizeHintNotice(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtWarningMsg
        || text != QLatin1String("This plugin does not support propagateSizeHints()"))
        qtTestHandler(type, context, text);
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qtTestHandler = qInstallMessageHandler(dropSizeHintNotice); }

    void ticksAndClicksLeaveNothingBehind()
    {
        ui::qt::ModalMessageBoxes messages;
        auto window = std::make_unique<ui::qt::Form1Window>(messages);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        BoxAnswerer answerer;

        QList<QPushButton*> keys;
        for (QPushButton* key : window->findChildren<QPushButton*>()) {
            if (key->text() != QStringLiteral("OFF"))
                keys << key;
        }
        QCOMPARE(keys.size(), 29);

        QSignalSpy ticks(&window->timer(), &QTimer::timeout);
        window->timer().setInterval(1);
        std::mt19937 random(2009);
        const auto soak = [&](int tickCount, int clickCount) {
            const int ticksAtStart = ticks.count();
            for (int i = 0; i < clickCount; ++i) {
                QTest::mouseClick(keys[static_cast<int>(random() % keys.size())], Qt::LeftButton);
                QCoreApplication::processEvents();
            }
            QTRY_VERIFY_WITH_TIMEOUT(ticks.count() - ticksAtStart >= tickCount, 60000);
        };

        // Whatever Qt makes once, on the first paint, tick or box, is made here.
        soak(20, 40);
        QVERIFY(answerer.answered > 0);
        const int objects = static_cast<int>(window->findChildren<QObject*>().size());
        const int widgets = static_cast<int>(QApplication::allWidgets().size());
        const int topLevels = static_cast<int>(QApplication::topLevelWidgets().size());
        const int answeredBefore = answerer.answered;

        soak(kTicks, kClicks);
        QVERIFY2(answerer.answered > answeredBefore, "the soak showed no message box");
        QCOMPARE(static_cast<int>(window->findChildren<QObject*>().size()), objects);
        QCOMPARE(static_cast<int>(QApplication::allWidgets().size()), widgets);
        QCOMPARE(static_cast<int>(QApplication::topLevelWidgets().size()), topLevels);

        qInfo("%lld ticks, %d clicks, %d message boxes answered",
            static_cast<long long>(ticks.count()), kClicks + 40, answerer.answered);

        const calc::CalculatorState& state = window->form().calculatorState();
        QVERIFY(std::isfinite(state.accumulator));
        QVERIFY(std::isfinite(state.memoryValue));
        QVERIFY(window->form().bannerStep() >= 1 && window->form().bannerStep() <= 10);
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
