#pragma once

// Second derivatives by central finite differences, of an analytic gradient or of an energy
// alone. Both are plain functions of the coordinates, so a hand-made energy tests them.
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace trelvix {

/// The gradient (kcal mol⁻¹ Å⁻¹, 3N values) of the energy at the coordinates (Å, 3N values).
using GradientFunction = std::function<void(std::span<const double> x, std::span<double> gradient)>;
/// The energy (kcal/mol) at the coordinates (Å, 3N values).
using EnergyFunction = std::function<double(std::span<const double> x)>;
/// Told after each coordinate with how many of the 3N are done; returning false stops.
using HessianProgress = std::function<bool(int done, int total)>;

/// Hᵢⱼ = (gⱼ(x + h eᵢ) − gⱼ(x − h eᵢ)) / 2h, symmetrised; 3N × 3N row-major, kcal mol⁻¹ Å⁻².
/// nullopt when progress stopped it.
std::optional<std::vector<double>> hessianFromGradients(const GradientFunction& gradient,
                                                        std::span<const double> x,
                                                        double step = 1e-3,
                                                        const HessianProgress& progress = {});

/// The Hessian from energies alone: (E(+h,+h) − E(+h,−h) − E(−h,+h) + E(−h,−h)) / 4h² off the
/// diagonal, (E(+2h) − 2E + E(−2h)) / 4h² on it; nullopt when progress stopped it.
std::optional<std::vector<double>> hessianFromEnergies(const EnergyFunction& energy,
                                                       std::span<const double> x,
                                                       double step = 5e-3,
                                                       const HessianProgress& progress = {});

} // namespace trelvix
