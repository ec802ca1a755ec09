// task.cpp
// The steps every program takes before its window opens.
#include "task.h"

#include "scene.h"

void registerCircleOfInversion() {
    addCircle(Circle{inversionCentre, inversionRadius}, Black);
    addPoint(inversionCentre, Black);
}

bool buildProgramScene(Task task) {
    inversionRadius = circleOfInversionRadius;
    return task();
}
