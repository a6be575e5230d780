#pragma once

#include "calc/SweepResult.h"

#include <optional>
#include <string>

// The stage's characteristic points over the last sweep, computed from the model (StageGain on
// the converted parameters), not read off the samples: the maximum of |k| and the frequencies
// where |k| has fallen to the maximum divided by √2 (−3 dB) on either side of it.
struct CharacteristicPoints {
    double PeakFrequency; // Hz; an end of the range when |k| is largest there
    double PeakRatio;
    double PeakDecibels;
    std::optional<double> LowerEdge; // Hz, the −3 dB crossing nearest below the peak; none when
    std::optional<double> UpperEdge; // |k| stays above the level up to that end of the range
};

// Over the frequencies of the rows the last calculation computed (its first to its last):
// the maximum starts at the largest sample and is refined between that sample's neighbours by
// golden-section search; each −3 dB crossing is found by bisection between the first sample
// under the level outward from that peak and the point before it (the peak itself or a
// sample). Both to at least 9 significant digits of the frequency, as far as the model's
// rounding lets a flat top be told apart. Nothing when no row has been computed.
// A floating-point error in the model raises FloatingPointError.
std::optional<CharacteristicPoints> FindCharacteristicPoints(const SweepResult& result);

// The lines of the message box, the numbers as the result table writes gains:
//   Максимум: |k| = 21.0892 (26.4812 дБ) при f = 1234.57 Гц
//   Нижняя граница −3 дБ: 15.9155 Гц        (a missing side reads "нет в диапазоне")
//   Верхняя граница −3 дБ: 98765 Гц
//   Полоса: 98749 Гц                        (only when both sides exist)
std::string CharacteristicPointsText(const CharacteristicPoints& points);
