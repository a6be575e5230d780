#include "app/texts/Fill.h"

#include <gtest/gtest.h>

namespace {

struct FillCase {
    const char* name;
    const char* pattern;
    std::string filled;
};

class FilledText : public testing::TestWithParam<FillCase> {};

TEST_P(FilledText, PutsEachValueInItsPlace) {
    EXPECT_EQ(Fill(GetParam().pattern, {{"file", "к.ou"}, {"line", "7"}}), GetParam().filled);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FilledText,
    testing::Values(FillCase{"TwoPlaces", "Файл «{file}», строка {line}", "Файл «к.ou», строка 7"},
                    FillCase{"APlaceTwice", "{line}/{line}", "7/7"},
                    FillCase{"NoValueKeepsThePlace", "{file}: {reason}", "к.ou: {reason}"},
                    FillCase{"AnUnclosedBrace", "{file} {line", "к.ou {line"},
                    FillCase{"NoPlaces", "σ = 3", "σ = 3"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
