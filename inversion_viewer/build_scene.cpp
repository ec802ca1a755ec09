// build_scene.cpp
// The entry's scene-building steps. Kept apart from the viewer so that programs without a task need
// no buildTask.
#include "viewer.h"

void buildScene() {
    inversionRadius = circleOfInversionRadius;
    registerCircleOfInversion();
    buildTask();
}
