// One view of one chart as the program shows it, rendered headless: the
// 240 x 320 screen with the navigation bar, the view at a scroll stop and
// its menu bar. Used by `orrery-cli render` and the screenshot tests; reads
// and writes no files.
#pragma once

#include "chart/chart_record.h"
#include "shell/platform/surface.h"

namespace orrery {

struct ViewRenderRequest {
  int view = 0;         // ViewId
  int stop = 0;         // scroll stop, kept within the view's stops
  int houseSystem = 0;  // HouseSystemId
  int language = 0;     // 0 English, 1 German
  int rulership = 0;    // rulership system
};

struct RenderedView {
  platform::Surface screen;
  int lastStop;  // the view's last scroll stop (0 for a view without stops)
};

RenderedView RenderChartView(const ChartRecord& record, const ViewRenderRequest& request);

}  // namespace orrery
