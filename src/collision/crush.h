#pragma once
// Crush-energy analysis of a collision between two vehicles: the energy each vehicle
// absorbed in its crush profile, the peak force, the equivalent barrier speed and each
// vehicle's change of speed.
//
// Every function throws ArithmeticFailure instead of giving a figure that is not finite,
// including where an intermediate overflows and a later division would hide it.

#include <array>

#include "fields/working.h"

namespace kelvara::crush {

// The crush page converts degrees with this value of π, in the tangent and the cosine alike.
inline constexpr double kPi = 3.14159;
// N·cm to joules.
inline constexpr double kNewtonCentimetresPerJoule = 100.0;

// Crush depths C1 to C6 at equal spacing across the damage width, cm. Only the first 2, 4
// or 6 take part.
using CrushReadings = std::array<double, 6>;

// G = A² / (2B), N: the energy absorbed without permanent crush, per cm of width.
double crushConstant(double A, double B, Working& working = noWorking());

// Crush energy in joules over `readings` equally spaced depths (2, 4 or 6), by the
// trapezoidal integration of the linear force-crush law across the damage width L:
//   E = f · (L/n) · [ (A/2)·Σwᵢcᵢ + (B/6)·(Σwᵢcᵢ² + Σcᵢcᵢ₊₁) + n·G ] / 100
// with n = readings − 1 intervals, weights w 1 at the ends and 2 inside, and the force
// direction factor f = 1 + tan²θ (θ in degrees, π as kPi).
double crushEnergy(int readings, const CrushReadings& c, double L, double thetaDegrees, double A,
                   double B, double G, Working& working = noWorking());

// Peak impact force in newtons: F = (A + B·c̄) · L / cos θ, with c̄ the mean crush depth
// (ends weighted half).
double impactForce(int readings, const CrushReadings& c, double L, double thetaDegrees, double A,
                   double B, Working& working = noWorking());

// Effective-mass factor γ = k² / (k² + h²) of a vehicle whose force line passes at the
// moment arm h from its centre of gravity (k its radius of gyration, both cm).
double effectiveMassFactor(double k, double h, Working& working = noWorking());

// Equivalent barrier speed in mph: √(2·E·γ / m) ÷ 0.44704.
double barrierSpeedMph(double E, double gamma, double mass, Working& working = noWorking());

// Delta V in mph of a vehicle (γ, m) struck by the other (γ', m') when the two absorbed
// E1 + E2 together: √( 2γ(E1+E2) / ( m·(1 + γm/(γ'm')) ) ) ÷ 0.44704.
double deltaVMph(double totalEnergy, double gamma, double mass, double otherGamma, double otherMass,
                 Working& working = noWorking());

}  // namespace kelvara::crush
