// program_cases.cpp
#include "program_cases.h"

#include <algorithm>
#include <cmath>

namespace {

const char* const lineOffText = "Ukoliko prava ciju inverziju trazimo NE prolazi kroz centar kruga, njena inverzija je "
                                "krug cija kruznica ne sadrzi centar kruga u odnosu na koji invertujemo.";
const char* const circleOffText = "Ukoliko se centar kruga inverzije ne nalazi na kruznici kruga koji invertujemo, "
                                  "onda je slika tog kruga takodje krug.";

const Shape k = circleShape(0.0, 0.0, 5.0, blackPixel);
const Shape o = dotShape(0.0, 0.0, blackPixel);

// The image circle of a line that misses O has the segment from O to the image of the foot of the
// perpendicular as a diameter.
const double offA = 25.0 / 28.0;
const double offBRadius = 25.0 * std::sqrt(5.0) / 4.0;

} // namespace

const std::vector<ProgramCase> windowPrograms = {
    {"invert_point_inside",
     "Inverzija tacke sa koordinatama P(2,2), u odnosu na krug k\nsa centrom u tacki O(0,0) i poluprecnikom r=5",
     {-5, -5, 6.25, 6.25, {k, o, dotShape(2, 2, bluePixel), dotShape(6.25, 6.25, redPixel)}}},
    {"invert_point_outside",
     "Inverzija tacke koja se nalazi izvan kruga sa koordinatama P(5,5), u odnosu na krug k sa centrom u tacki "
     "O(0,0) i poluprecnikom r=5",
     {-5, -5, 5, 5, {k, o, dotShape(5, 5, bluePixel), dotShape(2.5, 2.5, redPixel)}}},
    {"invert_point_on_circle",
     "Inverzija tacke koja se nalazi na kruznici je ista ta tacka.",
     {-5, -5, 5, 5, {k, o, dotShape(3, 4, bluePixel, true), dotShape(3, 4, redPixel)}}},
    {"invert_line_off_centre_a",
     lineOffText,
     {-5,
      -5,
      5,
      5,
      {k, circleShape(offA, offA, offA* std::sqrt(2.0), redPixel), lineShape(7, 7, -1, 1, bluePixel), o}}},
    {"invert_line_off_centre_b",
     lineOffText,
     {-6.25 - offBRadius,
      -5,
      -6.25 + offBRadius,
      12.5 + offBRadius,
      {k, circleShape(-6.25, 12.5, offBRadius, redPixel), lineShape(2, 2, -2, -1, bluePixel), o}}},
    {"invert_line_through_centre",
     "Ukoliko prava ciju inverziju trazimo prolazi kroz centar kruga, njena inverzija je takodje ta ista prava bez "
     "centra kruga u odnosu na koji invertujemo.",
     {-5, -5, 5, 5, {k, lineShape(2, 1, -2, -1, bluePixel, true), lineShape(2, 1, -2, -1, redPixel), o}}},
    {"invert_circle_through_centre",
     "Ako se centar kruga inverzije nalazi na kruznici kruga koji invertujemo, onda je slika tog kruga prava linija "
     "odredjena dvema invertovanim tackama sa kruznice ciju inverziju trazimo.\n",
     {-5,
      -5,
      6,
      5,
      {k, circleShape(3, 0, 3, bluePixel), lineShape(25.0 / 6, 0, 0, -25.0 / 6, redPixel), o,
       dotShape(25.0 / 6, 0, redPixel), dotShape(25.0 / 6, 25.0 / 6, redPixel)}}},
    {"invert_circle_off_centre_a",
     circleOffText,
     {-5, -5, 25, 25, {k, circleShape(2, 2, 2, bluePixel), circleShape(12.5, 12.5, 12.5, redPixel), o}}},
    {"invert_circle_off_centre_b",
     circleOffText,
     {-5, -5, 10.9375, 9.375, {k, circleShape(4, 3, 3, bluePixel), circleShape(6.25, 4.6875, 4.6875, redPixel), o}}},
};

const ProgramCase explorerStart{"inversion_explorer",
                                "Tacka P je unutar kruga k, pa je njena slika P' van kruga k, na polupravoj OP.\n",
                                {-8, -8, 8, 8, {k, o, dotShape(2, 2, bluePixel), dotShape(6.25, 6.25, redPixel)}},
                                explorerTitle};

const char* const atCentreText = "Inverzija tacke koja ima iste koordinate kao i centar kruga.\nNepravilan unos, slika "
                                 "centra kruga nije definisana\nniti je centar kruga slika neke tacke ravni!";

const ProgramCase& programCase(const std::string& name) {
    return *std::find_if(windowPrograms.begin(), windowPrograms.end(),
                         [&](const ProgramCase& c) { return c.name == name; });
}

std::string programPath(const char* name) {
    return std::string(PROGRAM_DIR) + "/" + name;
}

void PrintTo(const ProgramCase& c, std::ostream* out) {
    *out << c.name;
}
