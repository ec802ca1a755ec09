// invert_point_at_centre.cpp
// P(0,0) is the centre O, which has no image: the program refuses it and opens no window.
#include "point_inversion.h"

int main(int argc, char** argv) {
    const Point p{0.0f, 0.0f};
    const char* const explanation = "Inverzija tacke koja ima iste koordinate kao i centar kruga.";

    return runPointInversion(p, explanation, argc, argv);
}
