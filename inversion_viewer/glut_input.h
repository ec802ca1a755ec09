// glut_input.h
// The input events of GLUT's callbacks, for the programs that answer a person.
#pragma once

#include "explorer/input.h"

#include <GL/glut.h>

/// The event of a mouse callback: the wheel (buttons 3 and 4 going down) a notch up or down, the left button a press
/// or a release; false for any other button.
inline bool mouseInput(int button, int state, int x, int y, InputEvent* event) {
    if ((button == 3 || button == 4) && state == GLUT_DOWN) {
        *event = InputEvent{InputEvent::Wheel, x, y, button == 3 ? 1 : -1};
        return true;
    }
    if (button == GLUT_LEFT_BUTTON) {
        *event = InputEvent{state == GLUT_DOWN ? InputEvent::Press : InputEvent::Release, x, y};
        return true;
    }
    return false;
}

/// The event of a key typed.
inline InputEvent keyInput(unsigned char key) {
    InputEvent event;
    event.key = char(key);
    return event;
}

/// The event of an arrow key, with Shift or not; false for any other special key.
inline bool arrowInput(int key, bool shift, InputEvent* event) {
    *event = InputEvent{InputEvent::Arrow};
    event->shift = shift;
    event->dx = key == GLUT_KEY_RIGHT ? 1 : key == GLUT_KEY_LEFT ? -1 : 0;
    event->dy = key == GLUT_KEY_UP ? 1 : key == GLUT_KEY_DOWN ? -1 : 0;
    return event->dx != 0 || event->dy != 0;
}
