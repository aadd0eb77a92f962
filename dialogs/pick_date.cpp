#include "dialogs/pick_date.h"

#include <optional>

#include "dialogs/dialog_run.h"
#include "shell/platform/dialog.h"

namespace orrery {

namespace {

void RegisterPickDateTemplate() {
  static const bool registered = [] {
    platform::DialogTemplate t;
    t.title = u"Pick a date";
    t.style = platform::kDialogFullScreen | platform::kDialogOkButton;
    t.controls.push_back({platform::ControlKind::MonthCalendar, PickDateCalendarId, u"",
                          {8, 8, 232, 150}});
    platform::AddDialog(PickDateTemplate, std::move(t));
    return true;
  }();
  (void)registered;
}

std::optional<platform::Date> Limit(const platform::Date& d) {
  if (d.year == 0) return std::nullopt;
  return d;
}

class PickDateDialog : public platform::Dialog {
 public:
  explicit PickDateDialog(DatePick& pick) : Dialog(PickDateTemplate), pick_(pick) {}

  int OnMessage(const platform::Message& m) override {
    switch (m.type) {
      case platform::MsgType::InitDialog:
        AddEmptyMenuBar(*this);
        pick_.result = {};
        Calendar().SetRange(Limit(pick_.earliest), Limit(pick_.latest));
        return 0;
      case platform::MsgType::Command:
        if (m.id == platform::kIdOk) {
          pick_.result = Calendar().Selection();
          End(1);
          return 1;
        }
        if (m.id == platform::kIdCancel) {
          End(2);
          return 1;
        }
        return 0;
      default:
        return Dialog::OnMessage(m);
    }
  }

 private:
  platform::MonthCalendar& Calendar() {
    return static_cast<platform::MonthCalendar&>(*Child(PickDateCalendarId));
  }
  DatePick& pick_;
};

}  // namespace

int PickDate(platform::Window& owner, DatePick& pick) {
  RegisterPickDateTemplate();
  const int code = RunLoggedDialog<PickDateDialog>(PickDateTemplate, owner, pick);
  return code == 1 ? 1 : 2;
}

}  // namespace orrery
