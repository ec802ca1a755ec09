// empty_task.cpp
// A task that adds nothing: the window shows only k and O.
#include "viewer.h"

void buildTask() {}
