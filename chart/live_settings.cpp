#include "chart/live_settings.h"

#include "chart/object_info.h"

namespace orrery {

std::int8_t currentHouseSystem = 0;
std::int8_t currentOrbs[AspectRowCount][BodyCount];
std::int8_t currentPoints[BodyCount];
std::int8_t rulershipIndex = 0;

void ResetOrbsToDefaults() {
  for (int row = 0; row < AspectRowCount; ++row)
    for (int body = 0; body < BodyCount; ++body)
      currentOrbs[row][body] = aspectInfo[row].defaultOrbs[body];
}

void ResetPointsToDefaults() {
  for (int body = 0; body < BodyCount; ++body) currentPoints[body] = objectInfo[body].defaultPoints;
}

}  // namespace orrery
