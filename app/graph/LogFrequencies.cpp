#include "LogFrequencies.h"

#include "numerics/CheckedArithmetic.h"

// log10 for the whole series in one evaluation: reading the flags after each logarithm would
// stall the x87 and cost more than the logarithm itself.
std::vector<double> Log10Series(std::span<const double> frequencies, int32_t count) {
    std::vector<double> logarithms(static_cast<size_t>(count));
    EvaluateWithFloatChecks([&]<class X>(ScalarTag<X>) {
        for (size_t i = 0; i < logarithms.size(); ++i)
            logarithms[i] = Store(Log10(X(frequencies[i])));
        return 0;
    });
    return logarithms;
}
