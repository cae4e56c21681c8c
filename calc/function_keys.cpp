#include "function_keys.h"

#include "conversions.h"
#include "runtime_error.h"

#include <cmath>

namespace calc {

void squareRootKey(CalculatorPanel& panel)
{
    const double x = ParseStrict(panel.displayText());
    if (x < 0)
        throw RuntimeError(ErrorKind::InvalidArgument);
    panel.setDisplayText(NumberToText(std::sqrt(x)));
}

void logarithmKey(CalculatorPanel& panel, double base)
{
    const std::u16string text = panel.displayText();
    if (text.empty())
        return;
    const double x = ParseStrict(text);
    if (x <= 0)
        throw RuntimeError(ErrorKind::InvalidArgument);
    // Formed as a quotient of natural logarithms on purpose: results such as
    // log2(8) = 3.0000000000000004 are rounded to 15 digits on display anyway.
    panel.setDisplayText(NumberToText(std::log(x) / std::log(base)));
}

void percentKey(CalculatorPanel& panel)
{
    const std::u16string text = panel.displayText();
    if (text.empty())
        return;
    const double x = ParseStrict(text);
    panel.setDisplayText(NumberToText(x / 100) + u"%");
}

} // namespace calc
