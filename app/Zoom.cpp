#include "app/Zoom.h"

#include <algorithm>
#include <cstdlib>

namespace Zoom {

int32_t FromStored(const QString& value) {
    const bool digits = !value.isEmpty() && std::all_of(value.cbegin(), value.cend(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    bool ok = false;
    const qlonglong percent = digits ? value.toLongLong(&ok) : 0;
    if (!ok || percent <= 0) {
        return NONE;
    }
    int32_t nearest = NONE;
    for (const int32_t step : STEPS) {
        if (std::llabs(percent - step) < std::llabs(percent - nearest)) {
            nearest = step;
        }
    }
    return nearest;
}

int32_t Larger(int32_t step) {
    const auto next = std::upper_bound(STEPS.cbegin(), STEPS.cend(), step);
    return next != STEPS.cend() ? *next : STEPS.back();
}

int32_t Smaller(int32_t step) {
    const auto next = std::lower_bound(STEPS.cbegin(), STEPS.cend(), step);
    return next != STEPS.cbegin() ? *(next - 1) : STEPS.front();
}

} // namespace Zoom
