#include "SpreadRequest.h"

#include <algorithm>
#include <thread>

SpreadInput SpreadRequest(const SweepResult& nominal, const SpreadSettings& settings,
                          std::optional<int> threads) {
    SpreadInput input;
    for (size_t i = 0; i < input.Nominal.size(); ++i)
        input.Nominal[i] = nominal.Entered.Parameters[i].value_or(0);
    input.Phase = nominal.Model.Phase;
    input.Frequencies = nominal.Frequencies;
    input.Settings = settings;
    input.Threads =
        threads.value_or(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
    return input;
}
