/*
 * Reference positions from the Swiss Ephemeris (Debian libswe-dev with the
 * JPL-derived files of swe-standard-data) for the astronomical engine's
 * accuracy test. Writes CSV to standard output:
 *
 *   kind,jd,body,a,b,c
 *
 *   geo    jd = TT  apparent geocentric ecliptic of date: longitude, latitude
 *                   (degrees), distance (AU); light deflection off
 *   helio  jd = TT  geometric heliocentric ecliptic, mean equinox of date
 *   moon   jd = TT  geometric geocentric Moon of date (its distance without the
 *                   Earth's motion during the light time, which the apparent
 *                   distance includes)
 *   node   jd = TT  mean lunar node with nutation (longitude in a)
 *   mnode  jd = TT  mean lunar node without nutation
 *   ecl    jd = TT  true obliquity, mean obliquity, nutation in longitude (degrees)
 *   gast   jd = UT  Greenwich apparent sidereal time (hours) in a
 *
 * Instants: 400 strata of equal length over 1700-01-01 .. 2100-01-01 TT, one
 * instant drawn in each with a fixed-seed generator, so the file is the same
 * on every run. Build and run with tools/swe_reference/generate.sh.
 */
#include <stdio.h>
#include <stdlib.h>
#include <swephexp.h>

static const char *ephePath = "/usr/share/libswe/ephe";

static const struct {
  int id;
  const char *name;
} bodies[] = {
    {SE_SUN, "Sun"},         {SE_MOON, "Moon"},       {SE_MERCURY, "Mercury"},
    {SE_VENUS, "Venus"},     {SE_MARS, "Mars"},       {SE_JUPITER, "Jupiter"},
    {SE_SATURN, "Saturn"},   {SE_URANUS, "Uranus"},   {SE_NEPTUNE, "Neptune"},
    {SE_PLUTO, "Pluto"},
};
static const struct {
  int id;
  const char *name;
} helioBodies[] = {
    {SE_MERCURY, "Mercury"}, {SE_VENUS, "Venus"},     {SE_EARTH, "Earth"},
    {SE_MARS, "Mars"},       {SE_JUPITER, "Jupiter"}, {SE_SATURN, "Saturn"},
    {SE_URANUS, "Uranus"},   {SE_NEPTUNE, "Neptune"}, {SE_PLUTO, "Pluto"},
};

/* A 64-bit linear congruential generator (Knuth's MMIX constants). */
static unsigned long long state = 20240601ULL;
static double NextUniform(void) {
  state = state * 6364136223846793005ULL + 1442695040888963407ULL;
  return (double)(state >> 11) / 9007199254740992.0;
}

static void Calc(const char *kind, double jd, int id, const char *name, int flags) {
  double x[6];
  char error[AS_MAXCH];
  int got = swe_calc(jd, id, flags, x, error);
  if (got < 0 || (id >= 0 && !(got & SEFLG_SWIEPH))) {
    fprintf(stderr, "swe_reference: %s %s at %.6f: %s\n", kind, name, jd,
            got < 0 ? error : "Swiss Ephemeris files not used");
    exit(1);
  }
  printf("%s,%.9f,%s,%.12f,%.12f,%.12f\n", kind, jd, name, x[0], x[1], x[2]);
}

int main(void) {
  const double first = 2341972.5; /* 1700-01-01 0h */
  const double last = 2488069.5;  /* 2100-01-01 0h */
  const int count = 400;
  const int apparent = SEFLG_SWIEPH | SEFLG_NOGDEFL;
  const int helio = SEFLG_SWIEPH | SEFLG_HELCTR | SEFLG_TRUEPOS | SEFLG_NONUT;
  swe_set_ephe_path((char *)ephePath);
  printf("kind,jd,body,a,b,c\n");
  for (int i = 0; i < count; ++i) {
    double jd = first + (i + NextUniform()) * (last - first) / count;
    for (size_t b = 0; b < sizeof bodies / sizeof bodies[0]; ++b)
      Calc("geo", jd, bodies[b].id, bodies[b].name, apparent);
    for (size_t b = 0; b < sizeof helioBodies / sizeof helioBodies[0]; ++b)
      Calc("helio", jd, helioBodies[b].id, helioBodies[b].name, helio);
    Calc("moon", jd, SE_MOON, "Moon", apparent | SEFLG_TRUEPOS);
    Calc("node", jd, SE_MEAN_NODE, "MeanNode", apparent);
    Calc("mnode", jd, SE_MEAN_NODE, "MeanNode", apparent | SEFLG_NONUT);
    Calc("ecl", jd, SE_ECL_NUT, "EclNut", SEFLG_SWIEPH);
    printf("gast,%.9f,Earth,%.12f,0,0\n", jd, swe_sidtime(jd));
  }
  swe_close();
  return 0;
}
