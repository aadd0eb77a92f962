/*
 * What one chart costs Swiss Ephemeris (Debian libswe) on this machine, for
 * comparison with orrery-bench's BM_ComputeChart: the Sun, the Moon, Mercury
 * to Pluto and the mean and true lunar nodes with speeds (the speeds give the
 * retrograde flags), then the Ascendant, Midheaven and Placidus cusps, for a
 * different instant and place each time, all in one process.
 *
 * Two modes: Swiss Ephemeris' built-in series (SEFLG_MOSEPH) and its compressed
 * JPL-derived files (SEFLG_SWIEPH, from swe-standard-data).
 *
 * Built and run by run.sh; not part of the regular build.
 */
#include <stdio.h>
#include <time.h>

#include <swephexp.h>

#define CHARTS 20000

static const int bodies[] = {SE_SUN,  SE_MOON,   SE_MERCURY, SE_VENUS,   SE_MARS,     SE_JUPITER,
                             SE_SATURN, SE_URANUS, SE_NEPTUNE, SE_PLUTO, SE_MEAN_NODE, SE_TRUE_NODE};

static double Seconds(void) {
  struct timespec now;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec + now.tv_nsec * 1e-9;
}

/* Microseconds per chart; checksum keeps the work from being optimised away. */
static double Measure(int32 flags, double* checksum) {
  char error[AS_MAXCH];
  double start = Seconds();
  for (int i = 0; i < CHARTS; ++i) {
    /* Dates over three centuries (1800-2099), places up to 65 degrees. */
    double jd = 2378496.5 + (i % 300) * 365.2425 + (i % 12) * 30.4 + (i % 24) / 24.0;
    double latitude = (i * 13 % 66) * (i % 2 ? 1 : -1);
    double longitude = (i * 37 % 180) * (i / 2 % 2 ? 1 : -1);
    double xx[6];
    for (size_t b = 0; b < sizeof bodies / sizeof bodies[0]; ++b) {
      swe_calc_ut(jd, bodies[b], flags | SEFLG_SPEED, xx, error);
      *checksum += xx[0] + (xx[3] < 0);
    }
    double cusps[13], ascmc[10];
    swe_houses(jd, latitude, longitude, 'P', cusps, ascmc);
    *checksum += cusps[1];
  }
  return (Seconds() - start) / CHARTS * 1e6;
}

int main(void) {
  double checksum = 0;
  swe_set_ephe_path("/usr/share/libswe/ephe");
  double moshier = Measure(SEFLG_MOSEPH, &checksum);
  double files = Measure(SEFLG_SWIEPH, &checksum);
  printf("Swiss Ephemeris, built-in series:  %.1f us per chart\n", moshier);
  printf("Swiss Ephemeris, JPL-derived files: %.1f us per chart\n", files);
  fprintf(stderr, "(checksum %.3f)\n", checksum);
  swe_close();
  return 0;
}
