// task.h
// A program's task: the radius of k, then k and O and the figure that the program shows.
#pragma once

/// Radius of the circle of inversion k.
constexpr float circleOfInversionRadius = 5.0f;

/// A program's task: prints its explanation and adds its figure to the store, k and O first. It returns false when
/// it refuses its input; it has then printed why and added nothing.
using Task = bool (*)();

/// Registers k (centre inversionCentre, radius inversionRadius) and O, both in Black. It does not set the
/// radius: the caller sets inversionRadius first, or k is registered with radius 0.
void registerCircleOfInversion();

/// The steps of every program before its window: sets inversionRadius to circleOfInversionRadius and runs the
/// task. Returns what the task returns.
bool buildProgramScene(Task task);
