/*
 * House reference from Swiss Ephemeris (Debian libswe): reads house frames,
 * one a line, and writes each frame followed by the Ascendant, Midheaven and
 * twelve cusps of the seven house systems, from swe_houses_armc.
 *
 * Input line:  lst obliquity latDegrees latMinutes north
 *   lst in seconds of sidereal time, obliquity in radians, the latitude as a
 *   chart stores it (magnitudes, north = 1). Lines starting with '#' are
 *   copied through unchanged.
 * Output line: the five inputs, then for Placidus, Koch, Equal, Vehlow,
 *   Campanus, Regiomontanus and Porphyry (the program's house system order):
 *   asc mc cusp1 .. cusp12, in degrees.
 *
 * Built and run by generate.sh; not part of the regular build.
 */
#include <math.h>
#include <stdio.h>
#include <string.h>

#include <swephexp.h>

static const char systems[] = {'P', 'K', 'E', 'V', 'C', 'R', 'O'};

int main(void) {
  char line[512];
  while (fgets(line, sizeof line, stdin)) {
    if (line[0] == '#' || line[0] == '\n') {
      fputs(line, stdout);
      continue;
    }
    double lst, obliquity;
    int latDegrees, latMinutes, north;
    if (sscanf(line, "%lf %lf %d %d %d", &lst, &obliquity, &latDegrees, &latMinutes, &north) != 5) {
      fprintf(stderr, "swe_houses_reference: bad line: %s", line);
      return 1;
    }
    double armc = lst / 240.0;
    double latitude = (latDegrees + latMinutes / 60.0) * (north ? 1.0 : -1.0);
    double eps = obliquity * 180.0 / M_PI;
    printf("%.17g %.17g %d %d %d", lst, obliquity, latDegrees, latMinutes, north);
    for (size_t s = 0; s < sizeof systems; ++s) {
      double cusps[13], ascmc[10];
      /* Placidus and Koch inside the polar circles report an error and give
         Porphyry cusps, as the program does. */
      swe_houses_armc(armc, latitude, eps, systems[s], cusps, ascmc);
      printf(" %.11f %.11f", ascmc[0], ascmc[1]);
      for (int k = 1; k <= 12; ++k) printf(" %.11f", cusps[k]);
    }
    putchar('\n');
  }
  return 0;
}
