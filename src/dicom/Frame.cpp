#include "Frame.h"

#include <algorithm>

std::size_t CFrame::ByteSize() const {
    return std::visit([](const auto& values) { return values.size() * sizeof(values[0]); }, samples);
}

void CFrame::ComputeRange() {
    std::visit(
        [this](const auto& values) {
            if (values.empty()) {
                minValue = maxValue = 0;
                return;
            }
            // A plain loop, which the compiler turns into vector instructions.
            auto low = values[0];
            auto high = values[0];
            for (const auto value : values) {
                low = std::min(low, value);
                high = std::max(high, value);
            }
            minValue = static_cast<double>(low);
            maxValue = static_cast<double>(high);
        },
        samples);
}
