#include "astro/body_table.h"

namespace orrery {

BodyPosition BodyTable[BodyCount];

}  // namespace orrery
