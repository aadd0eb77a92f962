#include "chart/chart_slot.h"

namespace orrery {

ChartSlot chartSlots[ChartSlotCount];
std::int8_t currentSlotIndex = 0;

ChartSlot& CurrentSlot() {
  int index = currentSlotIndex >= 0 && currentSlotIndex < ChartSlotCount ? currentSlotIndex : 0;
  return chartSlots[index];
}

}  // namespace orrery
