// entry.cpp
// The entry of every program that shows a task: k and O, the task, then the window.
#include "viewer.h"

int main(int argc, char** argv) {
    buildScene();
    startViewer(argc, argv);
    return 0;
}
