#include "shell/view_render.h"

#include "chart/live_settings.h"
#include "foundation/localized_strings.h"
#include "shell/platform/desktop.h"
#include "shell/platform/message.h"
#include "shell/view_menus.h"
#include "shell/startup.h"

namespace orrery {

RenderedView RenderChartView(const ChartRecord& record, const ViewRenderRequest& request) {
  SetLanguage(request.language);
  rulershipIndex = std::int8_t(request.rulership);
  currentRecord = record;

  platform::Desktop desktop;
  MainWindow& main = StartShell(desktop, StartChart::Current);
  main.SetSaveAtExit(false);
  if (request.houseSystem != 0) main.SelectHouseSystem(request.houseSystem);
  if (request.view >= 0 && request.view < ViewCount) {
    main.Send(platform::Message::Command(ViewCommand(request.view)));
  }
  desktop.ProcessPending();  // renders the view and sets up its scroll bar
  if (platform::ScrollBar* bar = main.ViewScrollBar(); bar && bar->Visible() && request.stop != 0) {
    platform::Message scroll = platform::Message::Of(platform::MsgType::Scroll);
    scroll.code = int(platform::ScrollAction::ThumbPosition);
    scroll.value = request.stop;
    scroll.source = bar;
    main.Send(scroll);
    desktop.ProcessPending();
  }
  RenderedView rendered{desktop.Screen(), 0};
  if (IsTextView(request.view)) rendered.lastStop = viewRecords[request.view].scrollMax;
  main.Destroy();
  desktop.ProcessPending();
  return rendered;
}

}  // namespace orrery
