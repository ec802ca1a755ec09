// empty_task.cpp
// A task that adds nothing of its own: the window shows only k and O.
#include "viewer.h"

static bool buildTask() {
    registerCircleOfInversion();
    return true;
}

int main(int argc, char** argv) {
    return runProgram(argc, argv, PROGRAM_TITLE, buildTask);
}
