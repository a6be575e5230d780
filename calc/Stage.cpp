#include "Stage.h"

#include "numerics/NumberText.h"

#include <utility>

namespace {

// Any separator reads back what it wrote; the point is the one every system shares.
constexpr char32_t kSeparator = U'.';

} // namespace

const std::optional<double>& FieldValue(const Stage& stage, StageField field) {
    const auto i = static_cast<size_t>(field);
    return i < stage.Parameters.size() ? stage.Parameters[i]
                                       : stage.SweepFields[i - stage.Parameters.size()];
}

std::optional<double>& FieldValue(Stage& stage, StageField field) {
    return const_cast<std::optional<double>&>(FieldValue(std::as_const(stage), field));
}

Stage InNormalForm(const Stage& stage) {
    Stage normal = stage;
    for (size_t i = 0; i < kStageFieldCount; ++i)
        if (std::optional<double>& value = FieldValue(normal, static_cast<StageField>(i)))
            value = TextToNumber(NumberToText(*value, kSeparator), 0, kSeparator);
    return normal;
}
