// The caution notices and the Yes/No question: small modal dialogs titled
// "Caution !" with the warning icon and fixed lines, one template per
// message, centred in their owner.
//
// A notice closes with the navigation bar's OK (command 1) or command 2;
// notice 252 also has an "OK" button. The question has no OK in the
// navigation bar: "Yes" (1041) or command 1 answer 1, "No" (1042) or
// command 2 answer 0, and any other command leaves it open.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "shell/platform/window.h"

namespace orrery {

// Templates of the notices (lines in caution_templates.cpp).
enum CautionTemplate : int {
  NoticeNameMissing = 114,      // "Please name the chart."
  NoticeYear = 115,             // "Invalid year !" (1 to 2129)
  NoticeMonth = 116,            // "Invalid month !"
  NoticeDayJanuary = 117,       // "Invalid day !" ... "1 and 31 for January."
  NoticeDayMarch = 118,         // 118 to 127: March to December in order,
  NoticeDayDecember = 127,      //   each with its month's length
  NoticeDayFebruary = 128,      // "1 and 28 for February."
  NoticeDayLeapFebruary = 129,  // "1 and 29 for February." and "a leap year !"
  NoticeHour = 130,             // "Invalid hour !"
  NoticeMinute = 131,           // "Invalid minute !"
  NoticeLongitudeDegrees = 132,
  NoticeLatitudeMinutes = 133,
  NoticeLongitudeMinutes = 134,
  NoticeLatitudeDegrees = 135,
  NoticeDateGap = 136,          // the date falls in the calendar changeover
  NoticePosition = 137,         // the corrected position is beyond 77° 00'
  NoticePlaceMissing = 138,     // no place chosen or typed
  QuestionDeleteChart = 139,    // "Delete this chart ?" with "Yes" and "No"
  NoticeChartsFull = 252,       // "No more charts possible !"
  NoticeStore = 253,            // the chart file: not read, damaged or not saved (its text varies)
};

// The most lines the store notice shows (the rest of a long text is cut).
inline constexpr std::size_t MaxStoreNoticeLines = 17;

inline constexpr int CautionIconId = 233;
inline constexpr int YesButtonId = 1041;
inline constexpr int NoButtonId = 1042;

// Makes the templates of the notices and the question known (idempotent;
// the functions below do it themselves).
void RegisterCautionTemplates();

// Shows the notice until it is closed; an unknown template shows nothing.
void ShowCautionNotice(platform::Window& owner, int templateId);

// Shows the store's notice (store_notice.h) in notice 253, its text broken
// into lines at "\n" and wherever a line would be too wide.
void ShowStoreNotice(platform::Window& owner, const std::string& text);
// Makes notice 253 show that text (the template is made anew each time).
void RegisterStoreNotice(std::string_view text);

// Asks the question of the template (139), with the focus on "Yes" when
// defaultYes, else on "No". 1 for Yes, 0 for No or any other way it closed.
int AskYesNo(platform::Window& owner, int templateId, bool defaultYes);

}  // namespace orrery
