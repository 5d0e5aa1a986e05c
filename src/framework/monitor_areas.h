// The work areas of the monitors in use, for placing windows where a user can reach them.
#pragma once

#include "model/window_placement.h"

#include <vector>

std::vector<PlacementRect> MonitorWorkAreas();
