// How long one key takes on a long display, in the real Qt window, offscreen: the
// key's handler, the display's fit, and the repaint it causes. Prints the median of
// a few presses of "7" and of "C" for displays of 50,000, 100,000 and 1,000,000
// characters.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench/long_display_bench

#include "ui/qt/form1_window.h"
#include "ui/qt/message_boxes.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

template <typename Key> double medianMilliseconds(ui::Form1Window& window, Key key)
{
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        key();
        window.repaint();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ui::ModalMessageBoxes messages;
    ui::Form1Window window(messages);
    window.show();
    window.timer().stop(); // only the keys are measured
    QApplication::processEvents();

    std::printf("%12s %12s %12s\n", "characters", "\"7\" (ms)", "\"C\" (ms)");
    for (const int length : { 50'000, 100'000, 1'000'000 }) {
        window.setText(ui::Control::TEXT1, std::u16string(static_cast<std::size_t>(length), u'1'));
        QApplication::processEvents();
        ui::Form1& form = window.form();
        const double digit = medianMilliseconds(window, [&] { form.Command3_Click(); });
        const double backspace = medianMilliseconds(window, [&] { form.Command8_Click(); });
        std::printf("%12d %12.1f %12.1f\n", length, digit, backspace);
    }
    return 0;
}
