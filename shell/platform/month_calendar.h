// Month calendar: one month of the (proleptic Gregorian) calendar with
// arrows to the previous and next month, today framed and the selected day
// highlighted. An optional range limits both the months shown and the days
// that can be chosen. Tapping a day in range selects it; Left, Right, Up and
// Down move the selection by a day or a week, turning the month as needed.
// A change by the user sends Notify(kCalendarSelChanged, y * 10000 + m * 100 + d).
#pragma once

#include <optional>

#include "shell/platform/window.h"
#include "shell/platform/control.h"

namespace orrery::platform {

struct Date {
  int year = 0;
  int month = 0;
  int day = 0;
  friend auto operator<=>(const Date&, const Date&) = default;
};

class MonthCalendar : public Window {
 public:
  static constexpr int kHeaderHeight = 18;
  static constexpr int kRowHeight = 15;

  // Starts on today's date (clock.h), selected.
  MonthCalendar(int id, const Rect& frame);

  // Either end may be absent. The selection moves into the range.
  void SetRange(std::optional<Date> min, std::optional<Date> max);
  Date Selection() const { return selected_; }
  void SetSelection(Date d);  // ignored outside the range or for an invalid date
  int ShownYear() const { return year_; }
  int ShownMonth() const { return month_; }
  // Turns the shown month by delta when the range allows.
  bool TurnMonth(int delta);

  // The day's cell in the calendar's coordinates (empty when not shown).
  Rect DayRect(int day) const;
  Rect PreviousArrow() const;
  Rect NextArrow() const;

  int OnMessage(const Message& m) override;

 private:
  bool InRange(Date d) const;
  void UserSelect(Date d);
  int FirstColumn() const;  // weekday (0 = Sunday) of the 1st of the shown month
  void Paint(class DrawContext& dc);

  std::optional<Date> min_, max_;
  Date selected_;
  Date today_;
  int year_ = 2000;
  int month_ = 1;
};

// Days in a month of the Gregorian calendar; 0 for an invalid month.
int DaysInMonth(int year, int month);
// The date n days after d (n may be negative).
Date AddDays(Date d, int n);

}  // namespace orrery::platform
