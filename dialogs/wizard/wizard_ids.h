// Ids of the New Chart wizard: its page templates and their controls (the
// caution notices its checks choose: dialogs/caution_notices.h).
#pragma once

namespace orrery::wizard {

// Page templates, in the order of the sheet's tabs.
inline constexpr int NamePageTemplate = 110;
inline constexpr int RegionPageTemplate = 111;
inline constexpr int CityPageTemplate = 251;
inline constexpr int PlacePageTemplate = 112;
inline constexpr int CorrectionsPageTemplate = 113;

enum PageIndex : int { NameTab = 0, RegionTab, CityTab, PlaceTab, CorrectionsTab, TabCount };

// "Name" page.
inline constexpr int IdName = 1018;
inline constexpr int IdYear = 1019;
inline constexpr int IdMonth = 1020;
inline constexpr int IdDay = 1021;
inline constexpr int IdHour = 1022;
inline constexpr int IdMinute = 1023;
inline constexpr int IdSex = 1024;
inline constexpr int IdSexIcon = 1025;
inline constexpr int IdCalendar = 1026;
inline constexpr int IdPickDate = 1050;
inline constexpr int IdCancelSheet = 1045;

// "Region" page.
inline constexpr int IdRegionTree = 1026;

// "City" page.
inline constexpr int IdSearch = 1054;
inline constexpr int IdCityList = 1055;
inline constexpr int IdCityScroll = 1067;
inline constexpr int IdCityCountry = 1061;
inline constexpr int IdCityProvince = 1062;
inline constexpr int IdCityLatitude = 1058;
inline constexpr int IdCityLongitude = 1059;

// "Place" page.
inline constexpr int IdCountry = 1030;
inline constexpr int IdState = 1028;
inline constexpr int IdCity = 1029;
inline constexpr int IdLatDegrees = 1027;
inline constexpr int IdLatMinutes = 1031;
inline constexpr int IdNorth = 1032;
inline constexpr int IdSouth = 1033;
inline constexpr int IdLonDegrees = 1034;
inline constexpr int IdLonMinutes = 1035;
inline constexpr int IdEast = 1036;
inline constexpr int IdWest = 1037;

// "Corrections" page.
inline constexpr int IdZoneHours = 1036;
inline constexpr int IdZoneMinutes = 1037;
inline constexpr int IdDstHours = 1038;
inline constexpr int IdDstMinutes = 1039;
inline constexpr int IdZonePlus = 1040;
inline constexpr int IdZoneMinus = 1041;
inline constexpr int IdDstPlus = 1042;
inline constexpr int IdDstMinus = 1043;
inline constexpr int IdLocalTime = 1051;
inline constexpr int IdDistance = 1033;
inline constexpr int IdUnit = 1034;
inline constexpr int IdDirection = 1035;

}  // namespace orrery::wizard
