// Fuzzes the calculator window's handlers, over a window without a toolkit, with
// arbitrary key sequences and arbitrary hand-typed display texts.
//
// The input is a script, one byte a step (see the seeds in corpus/engine/):
//   0-9 .                      the digit and point keys
//   + - * / =                  the operators and equals
//   C A O                      "C", "AC", "ON"
//   S n L %                    "Sqr", "nI", "Log", "%"
//   P M s R                    "M+", "M-", "MS", "MR"
//   Y N                        "MC", answering its question Yes or No
//   Q U                        "OFF", "RUN"
//   T                          a tick of the timer
//   "text"                     the user replaces the display with the text
//   'text'                     the user types the text at the end of the display
// Texts are read as fuzz_text.h describes (escapes for any UTF-16 unit and for
// huge repeats); all other bytes are ignored.
//
// After every step: nothing crashed; the accumulator and the memory register hold
// finite numbers; the other variables hold values they can have; every message box
// is the about message, the memory question or one of the four errors; the keys
// that cannot fail raised nothing; "C" removed exactly the last character; and a
// key that writes a number wrote it in the form NumberToText gives, as a finite
// number ParseStrict reads (or as the one text the largest doubles round to, which
// ParseStrict reads as an overflow).

#include "fuzz_text.h"

#include "calc/conversions.h"
#include "calc/memory_keys.h"
#include "calc/runtime_error.h"
#include "tests/ui/fake_platform.h"
#include "ui/app_info.h"
#include "ui/form1.h"
#include "ui/layout.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace {

using testing_support::FakePlatform;
using ui::Control;

constexpr double kLargest = std::numeric_limits<double>::max();

[[noreturn]] void fail(const char* what, char step, const FakePlatform& platform)
{
    const std::u16string& display = platform.texts[FakePlatform::index(Control::TEXT1)];
    std::fprintf(stderr, "engine_fuzz: after step '%c': %s\n  display (%zu units):", step, what,
        display.size());
    for (std::size_t i = 0; i < display.size() && i < 64; ++i)
        std::fprintf(stderr, " %04X", static_cast<unsigned>(display[i]));
    std::fprintf(stderr, "%s\n", display.size() > 64 ? " ..." : "");
    std::abort();
}

// The key each script byte presses, found by caption as a user finds it.
struct KeyStep {
    char step;
    std::u16string_view caption;
    ui::Answer answer; // for "MC"
    bool canFail;
    bool writesNumber;
};

constexpr std::array kKeySteps = std::to_array<KeyStep>({
    { '0', u"0", ui::Answer::Ok, false, false },
    { '1', u"1", ui::Answer::Ok, false, false },
    { '2', u"2", ui::Answer::Ok, false, false },
    { '3', u"3", ui::Answer::Ok, false, false },
    { '4', u"4", ui::Answer::Ok, false, false },
    { '5', u"5", ui::Answer::Ok, false, false },
    { '6', u"6", ui::Answer::Ok, false, false },
    { '7', u"7", ui::Answer::Ok, false, false },
    { '8', u"8", ui::Answer::Ok, false, false },
    { '9', u"9", ui::Answer::Ok, false, false },
    { '.', u".", ui::Answer::Ok, false, false },
    { '+', u"+", ui::Answer::Ok, true, false },
    { '-', u"-", ui::Answer::Ok, true, false },
    { '*', u"*", ui::Answer::Ok, true, false },
    { '/', u"/", ui::Answer::Ok, true, false },
    { '=', u"=", ui::Answer::Ok, true, true },
    { 'C', u"C", ui::Answer::Ok, true, false },
    { 'A', u"AC", ui::Answer::Ok, false, false },
    { 'O', u"ON", ui::Answer::Ok, false, false },
    { 'S', u"Sqr", ui::Answer::Ok, true, true },
    { 'n', u"nI", ui::Answer::Ok, true, true },
    { 'L', u"Log", ui::Answer::Ok, true, true },
    { '%', u"%", ui::Answer::Ok, true, true },
    { 'P', u"M+", ui::Answer::Ok, true, false },
    { 'M', u"M-", ui::Answer::Ok, true, false },
    { 's', u"MS", ui::Answer::Ok, true, false },
    { 'R', u"MR", ui::Answer::Ok, false, true },
    { 'Y', u"MC", ui::Answer::Yes, false, false },
    { 'N', u"MC", ui::Answer::No, false, false },
    { 'Q', u"OFF", ui::Answer::Ok, false, false },
    { 'U', u"RUN", ui::Answer::Ok, false, false },
});

std::array<ui::Control, 256> gKeys {};
std::array<const KeyStep*, 256> gSteps {};

bool isErrorMessage(std::u16string_view text)
{
    for (const auto kind : { calc::ErrorKind::InvalidArgument, calc::ErrorKind::Overflow,
             calc::ErrorKind::DivisionByZero, calc::ErrorKind::TypeMismatch }) {
        if (text == calc::errorMessage(kind))
            return true;
    }
    return false;
}

class Session {
public:
    Session() { form_.Form_Load(); }

    void run(fuzzing::ByteReader& in)
    {
        while (!in.atEnd()) {
            const std::uint8_t b = in.next();
            if (b == '"') {
                display() = in.readText('"');
                checkState('"');
            } else if (b == '\'') {
                display() += in.readText('\'');
                if (display().size() > fuzzing::kMaxTextUnits)
                    display().resize(fuzzing::kMaxTextUnits);
                checkState('\'');
            } else if (b == 'T') {
                const std::size_t boxes = platform_.boxes.size();
                form_.Timer1_Timer();
                if (platform_.boxes.size() != boxes)
                    fail("the tick showed a message box", 'T', platform_);
                checkState('T');
            } else if (gSteps[b]) {
                press(*gSteps[b]);
            }
        }
    }

private:
    std::u16string& display() { return platform_.textOf(Control::TEXT1); }

    void press(const KeyStep& key)
    {
        const char step = key.step;
        const std::u16string before = display();
        const std::int16_t pendingBefore = form_.calculatorState().pendingOperation;
        const std::size_t boxesBefore = platform_.boxes.size();
        platform_.nextAnswer = key.answer;

        form_.click(gKeys[static_cast<std::uint8_t>(step)]);

        bool failed = false;
        for (std::size_t i = boxesBefore; i < platform_.boxes.size(); ++i) {
            const FakePlatform::Box& box = platform_.boxes[i];
            if (box.style == ui::kErrorBox && isErrorMessage(box.text)) {
                failed = true;
            } else if (box.text == ui::kAboutMessage) {
                if (step != 'U' || box.style != ui::kAboutBox)
                    fail("the about message came from another key or in another style", step,
                        platform_);
            } else if (box.text == calc::kMemoryClearQuestion) {
                if ((step != 'Y' && step != 'N') || box.style != ui::kQuestionBox)
                    fail("the memory question came from another key or in another style", step,
                        platform_);
            } else {
                fail("a message box that is neither an error, the question nor the about message",
                    step, platform_);
            }
        }
        if (failed && !key.canFail)
            fail("a key that cannot fail raised an error", step, platform_);
        if (failed && step == 'C' && !before.empty())
            fail("\"C\" failed on a display that had a character to remove", step, platform_);
        if (step == 'C' && !failed) {
            // The last character: two units when they are a surrogate pair.
            const std::size_t n = before.size();
            const bool pair = n >= 2 && before[n - 1] >= 0xDC00 && before[n - 1] <= 0xDFFF
                && before[n - 2] >= 0xD800 && before[n - 2] <= 0xDBFF;
            if (display() != before.substr(0, n - (pair ? 2 : 1)))
                fail("\"C\" did other than remove the last character", step, platform_);
        }

        const bool leftAlone = (step == '=' && pendingBefore == 0)
            || ((step == 'n' || step == 'L' || step == '%') && before.empty());
        if (key.writesNumber && !failed && !leftAlone)
            checkNumberWritten(step);
        checkState(step);
    }

    // The display holds a number as NumberToText writes it ("%" keeps its sign).
    void checkNumberWritten(char step)
    {
        std::u16string_view text = display();
        if (step == '%') {
            if (text.empty() || text.back() != u'%')
                fail("\"%\" wrote no percent sign", step, platform_);
            text.remove_suffix(1);
        }
        double value = 0;
        try {
            value = calc::ParseStrict(text);
        } catch (const calc::RuntimeError& error) {
            // The one text of a finite number that reads back as an overflow: the
            // largest doubles rounded to 15 digits.
            const bool largest = error.kind() == calc::ErrorKind::Overflow
                && text == calc::NumberToText(std::copysign(kLargest, calc::ParseLenient(text)));
            if (!largest)
                fail("a key wrote a number ParseStrict cannot read", step, platform_);
            return;
        }
        if (!std::isfinite(value) || calc::NumberToText(value) != text)
            fail("a key wrote a number other than as NumberToText writes it", step, platform_);
    }

    void checkState(char step)
    {
        const calc::CalculatorState& state = form_.calculatorState();
        if (!std::isfinite(state.accumulator))
            fail("the accumulator holds a non-finite number", step, platform_);
        if (!std::isfinite(state.memoryValue))
            fail("the memory register holds a non-finite number", step, platform_);
        if (state.pendingOperation < 0 || state.pendingOperation > 4)
            fail("the pending operation is not 0 to 4", step, platform_);
        if (state.newEntry != 0 && state.newEntry != 1)
            fail("the entry flag is not 0 or 1", step, platform_);
        if (!(state.memoryAnswer.empty() || state.memoryAnswer == u"6"
                || state.memoryAnswer == u"7"))
            fail("the memory answer is not a Yes or No code", step, platform_);
        if (form_.bannerStep() < 1 || form_.bannerStep() > 10)
            fail("the banner step left 1 to 10", step, platform_);
        if (!std::isfinite(platform_.lefts[FakePlatform::index(Control::Image1)]))
            fail("the picture's position is not finite", step, platform_);
    }

    FakePlatform platform_;
    ui::Form1 form_ { platform_ };
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    for (const KeyStep& key : kKeySteps) {
        for (const ui::LayoutRow& row : ui::layoutRows()) {
            if (row.kind == ui::ControlKind::Key && row.caption == key.caption) {
                gKeys[static_cast<std::uint8_t>(key.step)] = row.id;
                gSteps[static_cast<std::uint8_t>(key.step)] = &key;
            }
        }
        if (!gSteps[static_cast<std::uint8_t>(key.step)]) {
            std::fprintf(stderr, "engine_fuzz: no key has the caption of step '%c'\n", key.step);
            std::abort();
        }
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::ByteReader in(data, size);
    Session session;
    session.run(in);
    return 0;
}
