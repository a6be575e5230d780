#pragma once

// What a screen reader says of the main window beyond the texts it shows (app/Speech.h), the same
// for every set of windows.

// An empty cell: "R1, кОм: пусто".
inline constexpr const char* kEmptyCellSpeech = "пусто";
// Between a cell's label and its text, and between a result row's frequency and a gain.
inline constexpr const char* kSpeechLabelEnd = ": ";
inline constexpr const char* kSpeechPartEnd = "; ";

// The sweep fields EdOt, EdDo and EdDf, which share the one label Label5 above them.
inline constexpr const char* kSweepFromName = "от, Гц";
inline constexpr const char* kSweepToName = "до, Гц";
inline constexpr const char* kSweepStepName = "с шагом, Гц";
inline constexpr const char* kSweepPointsName = "точек на декаду";

// The controls whose own text says too little when read aloud.
inline constexpr const char* kHelpButtonName = "справка";             // Button2, "??"
inline constexpr const char* kLogScaleName = "логарифмическая шкала"; // CheckBox1
