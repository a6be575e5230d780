#include "DesignRequest.h"

#include "analysis/StandardSeries.h"

DesignRequestMaking MakeDesignRequest(const SpreadInput& spread) {
    DesignRequestMaking making;
    DesignRequest& request = making.Request;
    const SpreadSettings& settings = spread.Settings;
    request.Start = spread.Nominal;
    request.Phase = spread.Phase;
    request.Frequencies = spread.Frequencies;
    request.Requirements = settings.Limits;
    request.Seed = settings.Seed;
    request.Threads = spread.Threads;
    const DesignSettings& design = settings.Design;
    for (size_t part = 0; part < kDesignParts; ++part) {
        if (!design.Chosen[part])
            continue;
        const StandardSeries series = part < 5 ? design.ResistorSeries : design.CapacitorSeries;
        const auto& [low, high] = design.Ranges[part];
        request.Choices[part] = SeriesValues(series, low, high);
        if (request.Choices[part].empty() && making.EmptyPart < 0)
            making.EmptyPart = static_cast<int>(part);
    }
    return making;
}
