#include "entry_value.h"

#include "conversions.h"
#include "runtime_error.h"

#include <cmath>

namespace calc {

double readEntry(const CalculatorPanel& panel)
{
    const double entry = ParseLenient(panel.displayText());
    if (std::isinf(entry))
        throw RuntimeError(ErrorKind::Overflow);
    return entry;
}

double requireFinite(double result)
{
    if (!std::isfinite(result))
        throw RuntimeError(ErrorKind::Overflow);
    return result;
}

} // namespace calc
