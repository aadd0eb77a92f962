#include "shell/platform/month_calendar.h"

#include <chrono>
#include <string>

#include "foundation/wide_string.h"
#include "shell/platform/clock.h"
#include "shell/platform/control.h"
#include "shell/platform/draw_context.h"
#include "shell/platform/theme.h"

namespace orrery::platform {

namespace {

using namespace std::chrono;

sys_days DaysOf(Date d) { return sys_days{year{d.year} / month{unsigned(d.month)} / day{unsigned(d.day)}}; }

Date DateOf(sys_days s) {
  const year_month_day ymd{s};
  return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day()))};
}

bool Valid(Date d) { return d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= DaysInMonth(d.year, d.month); }

constexpr const char16_t* kMonths[] = {u"January", u"February", u"March",     u"April",   u"May",      u"June",
                                       u"July",    u"August",   u"September", u"October", u"November", u"December"};
constexpr const char16_t* kWeekdays[] = {u"S", u"M", u"T", u"W", u"T", u"F", u"S"};

}  // namespace

int DaysInMonth(int y, int m) {
  if (m < 1 || m > 12) return 0;
  return int(unsigned((year{y} / month{unsigned(m)} / last).day()));
}

Date AddDays(Date d, int n) { return DateOf(DaysOf(d) + days{n}); }

MonthCalendar::MonthCalendar(int id, const Rect& frame) : Window(id, frame) {
  const SystemTime now = CurrentUtc();
  today_ = {now.year, now.month, now.day};
  selected_ = today_;
  year_ = today_.year;
  month_ = today_.month;
  SetStyle(kStyleTabStop);
  SetBackground(theme::kBackground);
}

bool MonthCalendar::InRange(Date d) const { return Valid(d) && (!min_ || d >= *min_) && (!max_ || d <= *max_); }

void MonthCalendar::SetRange(std::optional<Date> min, std::optional<Date> max) {
  min_ = min && Valid(*min) ? min : std::nullopt;
  max_ = max && Valid(*max) ? max : std::nullopt;
  if (min_ && max_ && *max_ < *min_) std::swap(min_, max_);
  Date d = selected_;
  if (min_ && d < *min_) d = *min_;
  if (max_ && d > *max_) d = *max_;
  selected_ = d;
  year_ = d.year;
  month_ = d.month;
  Invalidate();
}

void MonthCalendar::SetSelection(Date d) {
  if (!InRange(d)) return;
  selected_ = d;
  year_ = d.year;
  month_ = d.month;
  Invalidate();
}

bool MonthCalendar::TurnMonth(int delta) {
  int m = month_ - 1 + delta;
  const int y = year_ + (m >= 0 ? m / 12 : -((11 - m) / 12));
  m = ((m % 12) + 12) % 12 + 1;
  if (min_ && Date{y, m, DaysInMonth(y, m)} < *min_) return false;
  if (max_ && Date{y, m, 1} > *max_) return false;
  year_ = y;
  month_ = m;
  Invalidate();
  return true;
}

void MonthCalendar::UserSelect(Date d) {
  if (!InRange(d) || d == selected_) return;
  SetSelection(d);
  NotifyParent(*this, kCalendarSelChanged, d.year * 10000 + d.month * 100 + d.day);
}

int MonthCalendar::FirstColumn() const {
  return int(weekday{DaysOf({year_, month_, 1})}.c_encoding());
}

Rect MonthCalendar::PreviousArrow() const { return {0, 0, 20, kHeaderHeight}; }
Rect MonthCalendar::NextArrow() const { return {Frame().Width() - 20, 0, Frame().Width(), kHeaderHeight}; }

Rect MonthCalendar::DayRect(int d) const {
  if (d < 1 || d > DaysInMonth(year_, month_)) return {};
  const int cell = Frame().Width() / 7;
  const int index = FirstColumn() + d - 1;
  const int left = (Frame().Width() - 7 * cell) / 2;
  return Rect::At(left + (index % 7) * cell, kHeaderHeight + kRowHeight + 2 + (index / 7) * kRowHeight, cell,
                  kRowHeight);
}

void MonthCalendar::Paint(DrawContext& dc) {
  const int w = Frame().Width();
  dc.FillRect({0, 0, w, kHeaderHeight}, theme::kHighlight);
  dc.SetBackMode(BackMode::Transparent);
  dc.SelectFont(Font::FromPoints(Typeface::TahomaBold, 8));
  dc.SetTextColour(theme::kHighlightText);
  const std::u16string title = std::u16string(kMonths[month_ - 1]) + u" " + FromUtf8(std::to_string(year_));
  dc.DrawText(title, {0, 0, w, kHeaderHeight}, kAlignCentre | kAlignMiddle);
  // Arrows: small triangles, drawn only where the range allows turning.
  const bool canBack = !min_ || Date{year_, month_, 1} > *min_;
  const bool canForward = !max_ || Date{year_, month_, DaysInMonth(year_, month_)} < *max_;
  const int cy = kHeaderHeight / 2;
  for (int k = 0; k < 4; ++k) {
    if (canBack) dc.FillRect({8 + k, cy - k, 9 + k, cy + k + 1}, theme::kHighlightText);
    if (canForward) dc.FillRect({w - 9 - k, cy - k, w - 8 - k, cy + k + 1}, theme::kHighlightText);
  }
  dc.SelectFont(theme::ControlFont());
  dc.SetTextColour(theme::kText);
  const int cell = w / 7, left = (w - 7 * cell) / 2;
  for (int c = 0; c < 7; ++c) {
    dc.DrawText(kWeekdays[c], Rect::At(left + c * cell, kHeaderHeight, cell, kRowHeight), kAlignCentre | kAlignMiddle);
  }
  dc.FillRect({left, kHeaderHeight + kRowHeight, left + 7 * cell, kHeaderHeight + kRowHeight + 1}, theme::kShadow);
  for (int d = 1; d <= DaysInMonth(year_, month_); ++d) {
    const Date date{year_, month_, d};
    const Rect r = DayRect(d);
    const bool lit = date == selected_;
    if (lit) dc.FillRect(r.Inset(1), HasFocus() ? theme::kHighlight : theme::kShadow);
    if (date == today_) {
      dc.SelectPen({Rgb(200, 0, 0)});
      dc.SelectBrush(Brush::Null());
      dc.Rectangle(r);
    }
    dc.SetTextColour(!InRange(date) ? theme::kGreyText : lit ? theme::kHighlightText : theme::kText);
    dc.DrawText(FromUtf8(std::to_string(d)), r, kAlignCentre | kAlignMiddle);
  }
}

int MonthCalendar::OnMessage(const Message& m) {
  switch (m.type) {
    case MsgType::Paint:
      Paint(*m.dc);
      return 0;
    case MsgType::TapDown:
      Focus();
      if (PreviousArrow().Contains(m.pos)) {
        TurnMonth(-1);
      } else if (NextArrow().Contains(m.pos)) {
        TurnMonth(1);
      } else {
        for (int d = 1; d <= DaysInMonth(year_, month_); ++d) {
          if (DayRect(d).Contains(m.pos)) UserSelect({year_, month_, d});
        }
      }
      return 0;
    case MsgType::SetFocus:
    case MsgType::KillFocus:
      Invalidate();
      return 0;
    case MsgType::Key: {
      static constexpr struct {
        int key, days;
      } kSteps[] = {{kKeyLeft, -1}, {kKeyRight, 1}, {kKeyUp, -7}, {kKeyDown, 7}};
      for (const auto& s : kSteps) {
        if (s.key == m.code && m.value == 0) {
          UserSelect(AddDays(selected_, s.days));
          return 1;
        }
      }
      return Window::OnMessage(m);
    }
    default:
      return Window::OnMessage(m);
  }
}

}  // namespace orrery::platform
