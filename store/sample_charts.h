// The five charts built into the program, ids 0 to 4. They are never stored.
//
//   0 "Total Solar Eclipse 1999"  1999-08-11 13:03  Rîmnicu-Vîlcea, Romania
//   1 "Edda Morlan"               1879-03-14 11:30  Ulm, Germany (local mean time)
//   2 "Ines Kavarro"              1929-05-04 03:00  Brussels, Belgium
//   3 "Tomas Relvind"             1869-10-02 07:08  Porbandar, India (local mean time)
//   4 "Nora Pask"                 1919-05-07 04:17  Los Toldos, Argentina
#pragma once

#include <cstdint>

namespace orrery {

inline constexpr int SampleChartCount = 5;

// Zeroes the whole current ChartRecord and fills in a sample: |number| 1..4
// that sample, anything else sample 0. The id is |number| when below 5, else 0.
void LoadSampleChart(std::int32_t number);

}  // namespace orrery
