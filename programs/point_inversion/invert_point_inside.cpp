// invert_point_inside.cpp
// P(2,2) lies inside k, so its image lies outside k.
#include "point_inversion.h"

int main(int argc, char** argv) {
    const Point p{2.0f, 2.0f};
    const char* const explanation =
        "Inverzija tacke sa koordinatama P(2,2), u odnosu na krug k\nsa centrom u tacki O(0,0) i poluprecnikom r=5";

    return runPointInversion(p, explanation, argc, argv);
}
