#pragma once
// Equivalent barrier speeds from crush: a motorcycle shortened in a frontal impact, and a car
// struck by a pole or other narrow object.
//
// Crush depths in metres (the formulas work in inches, d / 0.0254), masses in kg, speeds in
// m/s. Every function throws ArithmeticFailure where its formula has no real, finite value.

#include "fields/working.h"

namespace kelvara::cycle {

inline constexpr double kMetresPerInch = 0.0254;

// The motorcycle's crush beyond the first 9 inches, in inches: d / 0.0254 − 9. Negative for
// crush below 0.2286 m, for which the formula is not valid; 0.2286 m gives exactly 0.
double motorcycleCrushBeyondThreshold(double crush, Working& working = noWorking());

// Equivalent barrier speed of a motorcycle of mass M whose length was reduced by d:
//   V = √( 2660 · (d / 0.0254 − 9) / M ).
double motorcycleBarrierSpeed(double mass, double crush, Working& working = noWorking());

// The crush part of the narrow-object speed in mph, (0.964 + 0.0000159214·M) · d / 0.0254.
// Negative only for a negative crush or a very large negative mass, where no speed exists.
double narrowObjectCrushTerm(double mass, double crush, Working& working = noWorking());

// Equivalent barrier speed of a car of mass M with crush d from a pole or narrow object:
//   V = (5 + (0.964 + 0.0000159214·M) · d / 0.0254) × 0.44704,
// 5 mph being the speed below which no crush is assumed.
double narrowObjectBarrierSpeed(double mass, double crush, Working& working = noWorking());

}  // namespace kelvara::cycle
