#include "DisplayParameters.h"

#include <cmath>

double CLookupTable::Map(double input) const {
    if (values.empty()) {
        return input;
    }
    const double index = std::floor(input) - firstMapped;
    if (index <= 0) {
        return values.front();
    }
    if (index >= static_cast<double>(values.size() - 1)) {
        return values.back();
    }
    return values[static_cast<std::size_t>(index)];
}
