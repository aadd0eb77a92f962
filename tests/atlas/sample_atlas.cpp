#include "sample_atlas.h"

#include "atlas/atlas_open.h"

namespace orrery::testing {

namespace {

AtlasPlan MakePlan() {
  AtlasPlan plan;
  CountryPlan germany{1, 6, u"Germany", {}, {}};
  germany.rules.DateRule(5, 1893, 4, 1);
  germany.rules.PeriodRule(3, 1893, 4, 1, 0, 0, 2047, 12, 31, 23, 59, PackCorrection(1, 0, true));
  germany.rules.PeriodRule(4, 1945, 5, 24, 2, 0, 1945, 9, 24, 3, 0, PackCorrection(2, 0, false));
  germany.rules.PeriodRule(6, 1980, 4, 6, 0, 0, 2047, 12, 31, 23, 59, 1);
  germany.provinces.push_back({u"Bayern", {}});
  ProvincePlan saarland{u"Saarland", {}};
  saarland.rules.PeriodRule(3, 1940, 1, 1, 0, 0, 1944, 12, 31, 23, 59, PackCorrection(2, 0, true));
  germany.provinces.push_back(std::move(saarland));
  plan.countries.push_back(std::move(germany));

  CountryPlan russia{2, 9, u"Russia", {}, {}};
  russia.rules.DateRule(1, 1918, 2, 1);
  russia.rules.DateRule(2, 1918, 2, 14);
  russia.rules.PeriodRule(3, 1900, 1, 1, 0, 0, 2047, 12, 31, 23, 59, PackCorrection(3, 0, true));
  plan.countries.push_back(std::move(russia));

  CountryPlan australia{3, 5, u"Australia", {}, {}};
  australia.rules.PeriodRule(3, 1895, 2, 1, 0, 0, 2047, 12, 31, 23, 59,
                             PackCorrection(10, 0, true));
  australia.rules.PeriodRule(6, 1971, 1, 1, 0, 0, 2047, 12, 31, 23, 59, 2);
  plan.countries.push_back(std::move(australia));

  CountryPlan uk{4, 6, u"United Kingdom", {}, {}};
  uk.rules.DateRule(2, 1752, 9, 14);
  plan.countries.push_back(std::move(uk));

  CountryPlan italy{5, 6, u"Italy", {}, {}};
  italy.rules.DateRule(1, 1582, 10, 5);
  italy.rules.DateRule(2, 1582, 10, 15);
  italy.rules.PeriodRule(3, 1893, 11, 1, 0, 0, 2047, 12, 31, 23, 59, PackCorrection(1, 0, true));
  plan.countries.push_back(std::move(italy));

  CountryPlan usa{6, 2, u"USA", {}, {}};
  usa.rules.PeriodRule(3, 1883, 11, 18, 12, 0, 2047, 12, 31, 23, 59, PackCorrection(5, 0, false));
  usa.rules.PeriodRule(6, 1967, 1, 1, 0, 0, 2047, 12, 31, 23, 59, 77);
  plan.countries.push_back(std::move(usa));

  plan.countries.push_back({7, 3, u"Japan", {}, {}});

  plan.cities = {
      {1, 0, 50, 46, true, 6, 5, true, u"Aachen"},
      {1, 1, 48, 22, true, 10, 53, true, u"Augsburg"},
      {1, 0, 52, 31, true, 13, 24, true, u"Berlin"},
      {1, 0, 51, 27, true, 6, 51, true, u"Berg"},
      {4, 0, 51, 23, true, 0, 32, false, u"Bergen"},
      {1, 0, 54, 19, true, 13, 5, true, u"Bergen auf Rügen"},
      {1, 1, 48, 8, true, 11, 34, true, u"München"},
      {1, 1, 48, 8, true, 11, 34, true, u"Munich"},
      {1, 2, 49, 14, true, 7, 0, true, u"Saarbrücken"},
      {2, 0, 55, 45, true, 37, 37, true, u"Moskva"},
      {3, 0, 33, 52, false, 151, 12, true, u"Sydney"},
      {4, 0, 51, 30, true, 0, 7, false, u"London"},
      {5, 0, 41, 53, true, 12, 29, true, u"Roma"},
      {6, 0, 40, 42, true, 74, 0, false, u"New York"},
      {7, 0, 35, 41, true, 139, 41, true, u"Tokyo"},
      {1, 0, 49, 1, true, 12, 6, true, u"Sankt Englmar"},
      {1, 0, 48, 24, true, 10, 0, true, u"Ulm"},
      {1, 1, 47, 16, true, 11, 22, true, u"Hötting"},
      {1, 1, 47, 17, true, 11, 23, true, u"Hoetting"},
      {6, 0, 0, 0, true, 0, 0, true, u"Zzyzx"},
  };
  for (int i = 0; i < 12; ++i) {
    plan.cities.push_back({6, 0, 39, 40 + i, true, 89, 39, false, u"Springfield"});
  }
  return plan;
}

}  // namespace

const BuiltAtlas& SampleAtlas() {
  static const BuiltAtlas built = BuildAtlas(MakePlan());
  return built;
}

int OpenSampleAtlas() {
  UseAtlasData(SampleAtlas().blob, TestCharTable());
  return OpenAtlas();
}

}  // namespace orrery::testing
