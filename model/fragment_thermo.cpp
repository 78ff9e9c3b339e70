// Thermodynamic functions of TFragment's substance: ideal gas or van der Waals fluid.
#include "model/fragment.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace trelvix {

namespace {

constexpr double R = 1.98717;             // gas constant, cal / (mol K)
constexpr double threeHalvesR = 2.980755; // 1.5 R
constexpr double halfR = 0.993585;        // 0.5 R
constexpr double threeR = 5.96151;        // 3 R
// The gas constant in L atm / (mol K): the cubic and the ideal volume use 0.082056, the van der
// Waals pressure 0.08205.
constexpr double volumeGasConstant = 0.082056;
constexpr double pressureGasConstant = 0.08205;
constexpr double avogadro = 6.02252e+23;
constexpr double molarVolume = 22.413; // L / mol of an ideal gas at 273.15 K and 1 atm
constexpr double twoPi = 6.283185307179586;
constexpr double hydrogenMass = 1.673668165e-24;         // g: one atomic mass unit
constexpr double boltzmann = 1.38054e-16;                // erg / K
constexpr double inversePlanck = 1.5092972711905338e+26; // 1 / h, 1 / (erg s)

// A zero (or negative) temperature or pressure typed by a user must not poison the reaction sums
// with inf or NaN through T / P, ln T or the cubic; such values are read as this small positive
// one. NaN is caught too.
constexpr double minimumState = 1e-6;
// The free volume V - b (litres) below which the entropy's ln(1000 (V - b)) and the pressure's
// T / (V - b) read this volume instead: rounding can leave V a hair under b when T is tiny.
constexpr double minimumFreeVolume = 1e-12;

double positiveState(double v)
{
  return v > minimumState ? v : minimumState;
}

double freeVolume(const VdwParms& p)
{
  const double v = p.V - p.b;
  return v > minimumFreeVolume ? v : minimumFreeVolume;
}

bool isGasPhase(std::uint8_t phase)
{
  return phase == tbasefragment::Gas || phase == tbasefragment::GasAmount;
}

bool isCondensedPhase(std::uint8_t phase)
{
  return phase == tbasefragment::Solid || phase == tbasefragment::Liquid ||
         phase == tbasefragment::Solution || phase == tbasefragment::Solvent;
}

// The position in p1..p13 (0-based) of each real of the file order p1..p6, p9, p10, p11, p7, p8,
// p12, p13.
constexpr std::array<std::size_t, 13> soluteFileOrder = {
  0, 1, 2, 3, 4, 5, 8, 9, 10, 6, 7, 11, 12
};

// The van der Waals cubic f(V) = P V^3 - (P b + RT) V^2 + a V - a b, written as
// (V - b)(P V^2 + a) - RT V^2. For a, b, P, RT > 0 that form shows where the roots lie:
// f < 0 for every V <= b (f(b) = -RT b^2), and f > 0 from b + RT / P on (there f = RT a / P at
// the bound and grows). So every real root lies in (b, b + RT / P).
struct VdwCubic
{
  double a;
  double b;
  double rt;
  double p;

  double operator()(double v) const { return (v - b) * (p * v * v + a) - rt * v * v; }
};

// The root of f in [lo, hi], over which f is monotonic and changes sign, by bisection to the
// last bit (f's sign is all it needs, so it cannot diverge the way Newton steps can near the
// cubic's turning points).
double bisectRoot(const VdwCubic& f, double lo, double hi, bool rising)
{
  for (int i = 0; i < 400; ++i) {
    const double mid = lo + (hi - lo) / 2;
    if (!(mid > lo && mid < hi))
      break;
    if ((f(mid) < 0) == rising)
      lo = mid;
    else
      hi = mid;
  }
  return lo + (hi - lo) / 2;
}

// Every real root of the cubic, ascending (one to three of them). The turning points of f,
// where 3 P V^2 - 2 (P b + RT) V + a = 0, cut (b, b + RT / P) into pieces on which f is
// monotonic; each piece whose ends differ in sign holds exactly one root.
std::vector<double> vdwRoots(const VdwCubic& f)
{
  const double lo = f.b;
  double hi = f.b + f.rt / f.p;
  // f(hi) = RT a / P > 0 in exact arithmetic; should rounding say otherwise, widen the bracket.
  for (int i = 0; i < 64 && !(f(hi) > 0); ++i)
    hi = 2 * hi;
  std::vector<double> cuts = { lo };
  const double s = f.p * f.b + f.rt;
  const double disc = s * s - 3 * f.p * f.a;
  if (disc > 0) {
    const double upper = (s + std::sqrt(disc)) / (3 * f.p);
    // The product of the turning points is a / (3 P): the lower one without cancellation.
    const double lower = f.a / (3 * f.p * upper);
    for (double c : { lower, upper })
      if (c > cuts.back() && c < hi)
        cuts.push_back(c);
  }
  cuts.push_back(hi);

  std::vector<double> roots;
  for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
    const double f0 = f(cuts[i]);
    const double f1 = f(cuts[i + 1]);
    if (f0 == 0)
      roots.push_back(cuts[i]);
    else if ((f0 < 0 && f1 > 0) || (f0 > 0 && f1 < 0))
      roots.push_back(bisectRoot(f, cuts[i], cuts[i + 1], f0 < 0));
  }
  return roots;
}

} // namespace

double TFragment::lambda() const
{
  return getmw() * twoPi * hydrogenMass * boltzmann * inversePlanck * inversePlanck;
}

double TFragment::pf0(double T) const
{
  const double root = std::sqrt(getmw() * twoPi * hydrogenMass * boltzmann * positiveState(T));
  return root * root * root;
}

VdwParms TFragment::GetVdwParms(double T, double P) const
{
  const double t = positiveState(T);
  const double p = positiveState(P);
  VdwParms r;
  const double idealVolume = volumeGasConstant * t / p;
  if (phase == Gas) {
    r.V = idealVolume;
    return r;
  }

  const double p1 = solute[0], p2 = solute[1], p3 = solute[2];
  const double p4 = solute[3], p5 = solute[4], p6 = solute[5];
  double ratio = std::pow(solute[10] / solute[9], 4); // (p11 / p10)^4
  if (std::isnan(ratio))
    ratio = 1; // p10 = p11 = 0: two equal sizes, as the default 1.0 and 1.0
  if (std::isinf(ratio)) {
    // p10 = 0 (or a vast p11 / p10): the weights of the first two parameters vanish; take the
    // limit rather than inf / inf.
    r.a = p3;
    r.b = p6;
  } else {
    const double d = 288 * (1 + ratio);
    r.a = (144 * p1 + 144 * p2 + 288 * ratio * p3) / d;
    r.b = (144 * p4 + 144 * p5 + 288 * ratio * p6) / d;
  }

  r.V = idealVolume;
  if (r.a > 0.001 && r.b > 0.001) {
    // The cubic has one or three real roots, all above b. The gas phase takes the largest (the
    // vapour branch), the condensed phases 1, 2, 4 and 5 the smallest (the liquid branch); so
    // does an undefined phase above 5, whose functions give 0 anyway.
    const std::vector<double> roots = vdwRoots(VdwCubic{ r.a, r.b, volumeGasConstant * t, p });
    if (!roots.empty())
      r.V = isGasPhase(phase) ? roots.back() : roots.front();
  }

  if (phase >= Solid && phase <= GasAmount)
    r.c = solute[6]; // p7
  else if (phase == Solution)
    r.c = solute[7]; // p8
  return r;
}

double TFragment::Pvdw(double T, double P) const
{
  if (phase > GasAmount)
    return 0;
  const double t = positiveState(T);
  const VdwParms v = GetVdwParms(t, P);
  return pressureGasConstant * t / freeVolume(v) - v.a / (v.V * v.V);
}

double TFragment::SVDW(double T, double P) const
{
  if (phase > Solvent)
    return 0;
  const double t = positiveState(T);
  const double n = amount;
  const double translational =
    threeHalvesR * std::log(lambda()) + threeHalvesR * std::log(t) - R * std::log(avogadro);
  double s = 0;
  if (phase == Gas) {
    s = translational + R * std::log(1000 * molarVolume) + threeHalvesR;
  } else {
    const VdwParms v = GetVdwParms(t, P);
    s = translational + R * std::log(1000 * freeVolume(v)) +
        (phase == GasAmount ? threeHalvesR : halfR);
  }
  // A solute's dilution term, ln(0.08) for each mole, is taken from the total so that the
  // entropy stays proportional to the amount.
  return n * s - (phase == Solution ? std::log(0.08) * n : 0.0);
}

double TFragment::Evdw(double T, double P) const
{
  const double t = positiveState(T);
  const double n = amount;
  if (phase == Gas)
    return threeR * t * n;
  if (phase > Solvent)
    return 0;
  const VdwParms v = GetVdwParms(t, P);
  if (phase == GasAmount)
    return (threeR * t - v.a / v.V) * n;
  return (threeR * t + v.c - v.a / v.V) * n;
}

double TFragment::HVDW(double T, double P) const
{
  if (isGasPhase(phase))
    return Evdw(T, P) + R * amount * positiveState(T);
  if (isCondensedPhase(phase))
    return Evdw(T, P);
  return 0;
}

double TFragment::HelmholtzVDW(double T, double P) const
{
  const double t = positiveState(T);
  if (isGasPhase(phase))
    return -t * SVDW(T, P);
  if (isCondensedPhase(phase))
    return Evdw(T, P) - t * SVDW(T, P);
  return 0;
}

void TFragment::SetVDWparms(std::uint8_t newPhase,
                            std::uint8_t flag,
                            const std::array<double, 13>& fileOrder)
{
  phase = newPhase;
  parameterFlag = flag;
  for (std::size_t i = 0; i < fileOrder.size(); ++i)
    solute[soluteFileOrder[i]] = fileOrder[i];
}

void TFragment::SetSoluteData(const SoluteData& data)
{
  phase = data.phase;
  parameterFlag = data.parameterFlag;
  amount = data.amount;
  solute = data.p;
  valueB = 0;
}

SoluteData TFragment::GetSoluteData() const
{
  SoluteData data;
  data.phase = phase;
  data.parameterFlag = parameterFlag;
  data.amount = amount;
  data.p = solute;
  return data;
}

} // namespace trelvix
