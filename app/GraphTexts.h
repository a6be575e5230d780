#pragma once

// Texts of the graph window's legend and readout, the same for every set of windows.

// After the differences a shortened legend line names: " и ещё 11".
inline constexpr const char* kMoreDifferences = " и ещё ";
