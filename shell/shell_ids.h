// Numeric ids of the handheld program's commands and windows. Menu items,
// tool-bar buttons and accelerators send these as Command ids to the main
// window. The ids of the artwork are in glyphs/glyph_ids.h.
#pragma once

namespace orrery {

// "Chart" menu.
inline constexpr int CmdNew = 40017;
inline constexpr int CmdEdit = 40018;
inline constexpr int CmdSelect = 40019;
inline constexpr int CmdExit = 40004;
// "View" menu; the "House Systems" sub-menu uses houseSystemInfo[].menuCommand.
inline constexpr int CmdInfo = 40023;
inline constexpr int CmdNatalChart = 40041;
inline constexpr int CmdPlanets = 40025;
inline constexpr int CmdAspects = 40040;
inline constexpr int CmdHouseCusps = 40027;
// "Misc" menus.
inline constexpr int CmdTerminal = 40059;
inline constexpr int CmdZodiacAngles = 40038;
inline constexpr int CmdModulusAngles = 40039;
inline constexpr int CmdViewPlanets = 40052;
inline constexpr int CmdOptions = 40034;
// "Help" menu.
inline constexpr int CmdAbout = 40003;
// The aspect tool bar's buttons are 101 + AspectId (102 .. 113).
inline constexpr int CmdFirstAspectButton = 102;
inline constexpr int CmdLastAspectButton = 113;
// The present-moment button on the Natal Chart view's menu bar.
inline constexpr int CmdPresentMoment = 120;
// Not in any menu: the store posted a notice (store/store_notice.h) to show.
inline constexpr int CmdStoreNotice = 40100;

// Child windows of the main window.
inline constexpr int AspectToolBarId = 115;
inline constexpr int ViewScrollBarId = 116;

}  // namespace orrery
