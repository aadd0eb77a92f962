#include "chart/chart_record.h"

namespace orrery {

ChartRecord currentRecord;

}  // namespace orrery
