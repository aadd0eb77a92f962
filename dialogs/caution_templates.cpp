// The templates of the caution notices and the Yes/No question: the icon at
// the top left, the fixed lines beside it, buttons below where a template
// has them.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/caution_notices.h"
#include "shell/platform/dialog_template.h"
#include "shell/platform/theme.h"
#include "shell/text_format.h"
#include "foundation/wide_string.h"
#include "store/chart_store.h"

namespace orrery {

namespace {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::DialogTemplate;
using platform::Rect;

struct NoticeLines {
  int id;
  std::vector<std::u16string> lines;
};

// The store's real size: the notice names the limit the store enforces.
std::u16string ChartLimitLine() { return FormatText("%d charts in this version.", StoreSlotCount); }

std::vector<NoticeLines> Notices() {
  const std::u16string dayLine = u"Please enter a value between";
  return {
      {NoticeNameMissing, {u"Please name the chart."}},
      {NoticeYear, {u"Invalid year !", u"Please enter a value", u"between 1 and 2129."}},
      {NoticeMonth, {u"Invalid month !", u"Please enter a value", u"between 1 and 12."}},
      {117, {u"Invalid day !", dayLine, u"1 and 31 for January."}},
      {118, {u"Invalid day !", dayLine, u"1 and 31 for March."}},
      {119, {u"Invalid day !", dayLine, u"1 and 30 for April."}},
      {120, {u"Invalid day !", dayLine, u"1 and 31 for May."}},
      {121, {u"Invalid day !", dayLine, u"1 and 30 for June."}},
      {122, {u"Invalid day !", dayLine, u"1 and 31 for July."}},
      {123, {u"Invalid day !", dayLine, u"1 and 31 for August."}},
      {124, {u"Invalid day !", dayLine, u"1 and 30 for September."}},
      {125, {u"Invalid day !", dayLine, u"1 and 31 for October."}},
      {126, {u"Invalid day !", dayLine, u"1 and 30 for November."}},
      {127, {u"Invalid day !", dayLine, u"1 and 31 for December."}},
      {NoticeDayFebruary, {u"Invalid day !", dayLine, u"1 and 28 for February."}},
      {NoticeDayLeapFebruary,
       {u"Invalid day !", dayLine, u"1 and 29 for February.", u"The year you\u00b4ve entered is",
        u"a leap year !"}},
      {NoticeHour, {u"Invalid hour !", u"Please enter a value", u"between 0 and 23."}},
      {NoticeMinute, {u"Invalid minute !", u"Please enter a value", u"between 0 and 59."}},
      {NoticeLongitudeDegrees,
       {u"Invalid degree", u"of longitude !", u"Please enter a value", u"between 0\u00b0 and 179\u00b0."}},
      {NoticeLatitudeMinutes,
       {u"Invalid minute", u"of latitude !", u"Please enter a value", u"between 0' and 59'."}},
      {NoticeLongitudeMinutes,
       {u"Invalid minute", u"of longitude !", u"Please enter a value", u"between 0' and 59'."}},
      {NoticeLatitudeDegrees,
       {u"Invalid degree", u"of latitude !", u"Please enter a value", u"between 0\u00b0 and 77\u00b0."}},
      {NoticeDateGap,
       {u"Invalid date !", u"At this specific location this", u"date does not exist due to",
        u"the changeover from the", u"Julian to the Gregorian", u"calendar."}},
      {NoticePosition,
       {u"Invalid position !", u"You\u00b4ve entered a position", u"correction that is higher",
        u"than 77\u00b0 00' for Latitude.", u"Please change the value for",
        u"for the distance or the value", u"the degree of latitude."}},
      {NoticePlaceMissing,
       {u"Position missing !", u"Please select a location from", u"the database or enter the",
        u"coordinates manually on the", u"page \"Place\"."}},
      {QuestionDeleteChart, {u"Delete this chart ?"}},
      {NoticeChartsFull,
       {u"No more charts possible !", u"There is a maximum of", ChartLimitLine(),
        u"Please delete another chart", u"before you create a new one."}},
  };
}

// Layout, in pixels of the dialog.
constexpr int Width = 200;
constexpr int IconSize = 32;
constexpr int TextLeft = 44;
constexpr int TextRight = Width - 6;
constexpr int TextTop = 6;
constexpr int ButtonWidth = 56;
constexpr int ButtonHeight = 20;

struct Button {
  int id;
  std::u16string text;
};

// The buttons below the lines of a template.
std::vector<Button> ButtonsOf(int id) {
  if (id == QuestionDeleteChart) return {{YesButtonId, u"Yes"}, {NoButtonId, u"No"}};
  if (id == NoticeChartsFull || id == NoticeStore) return {{platform::kIdOk, u"OK"}};
  return {};
}

DialogTemplate MakeTemplate(const NoticeLines& notice) {
  DialogTemplate t;
  t.title = u"Caution !";
  // The question hides the navigation bar's OK: only its buttons answer.
  t.style = notice.id == QuestionDeleteChart ? 0u : unsigned(platform::kDialogOkButton);

  // The icon sits 3 dialog units in from the top left corner.
  const Rect corner = platform::DialogUnitsToPixels({3, 3, 3, 3}, platform::theme::ControlFont());
  t.controls.push_back({ControlKind::Icon, -1, u"",
                        Rect::At(corner.left, corner.top, IconSize, IconSize), 0, 0, CautionIconId, 0});

  const int lineHeight = platform::theme::ControlFont().Height();
  int y = TextTop;
  for (const std::u16string& line : notice.lines) {
    t.controls.push_back({ControlKind::Text, -1, line, {TextLeft, y, TextRight, y + lineHeight}});
    y += lineHeight;
  }
  int bottom = std::max(y, corner.top + IconSize) + 6;

  const std::vector<Button> buttons = ButtonsOf(notice.id);
  if (!buttons.empty()) {
    const int gap = 12;
    const int span = int(buttons.size()) * ButtonWidth + (int(buttons.size()) - 1) * gap;
    int x = (Width - span) / 2;
    for (const Button& b : buttons) {
      t.controls.push_back({ControlKind::Button, b.id, b.text, Rect::At(x, bottom, ButtonWidth, ButtonHeight)});
      x += ButtonWidth + gap;
    }
    bottom += ButtonHeight + 8;
  }
  t.frame = {0, 0, Width, bottom};
  return t;
}

// Breaks one paragraph into lines of at most width pixels: at spaces, and
// inside a word (a long path) where one line cannot hold it.
void WrapParagraph(std::u16string_view text, int width, std::vector<std::u16string>& lines) {
  const platform::Font font = platform::theme::ControlFont();
  while (!text.empty()) {
    std::size_t fit = std::size_t(std::max(font.FitCount(text, width), 1));
    if (fit < text.size()) {
      const std::size_t space = text.substr(0, fit + 1).rfind(u' ');
      if (space != std::u16string_view::npos && space > 0) fit = space;
    }
    lines.emplace_back(text.substr(0, fit));
    text.remove_prefix(fit);
    while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
  }
}

}  // namespace

void RegisterStoreNotice(std::string_view text) {
  NoticeLines notice{NoticeStore, {}};
  std::u16string all = FromUtf8(text);
  for (std::size_t from = 0; from <= all.size() && notice.lines.size() < MaxStoreNoticeLines;) {
    std::size_t end = std::min(all.find(u'\n', from), all.size());
    WrapParagraph(std::u16string_view(all).substr(from, end - from), TextRight - TextLeft, notice.lines);
    from = end + 1;
  }
  if (notice.lines.size() > MaxStoreNoticeLines) notice.lines.resize(MaxStoreNoticeLines);
  platform::AddDialog(NoticeStore, MakeTemplate(notice));
}

void RegisterCautionTemplates() {
  static const bool registered = [] {
    for (const NoticeLines& notice : Notices()) platform::AddDialog(notice.id, MakeTemplate(notice));
    return true;
  }();
  (void)registered;
}

}  // namespace orrery
