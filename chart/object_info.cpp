#include "chart/object_info.h"

namespace orrery {

const ObjectInfo objectInfo[BodyCount] = {
    {Sun, "SO", 4, 3},
    {Moon, "MO", 5, 3},
    {Mercury, "ME", 6, 2},
    {Venus, "VE", 7, 2},
    {Earth, "ER", 8, 0},
    {Mars, "MA", 9, 2},
    {Jupiter, "JU", 10, 1},
    {Saturn, "SA", 11, 1},
    {Uranus, "UR", 12, 1},
    {Neptune, "NE", 13, 1},
    {Pluto, "PL", 14, 1},
    {NorthNode, "NN", 15, 2},
    {SouthNode, "SN", 61, 0},
    {Ascendant, "AC", 16, 3},
    {Midheaven, "MC", 17, 3},
    {MeanNorthNode, "TN", 15, 2},
    {MeanSouthNode, "TS", 61, 0},
};

}  // namespace orrery
