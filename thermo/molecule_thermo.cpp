// Standard-state thermochemistry from NASA seven-coefficient polynomials.
#include "thermo/molecule_thermo.h"

#include <algorithm>
#include <cmath>

namespace trelvix {

double NasaPolynomial::cpOverR(double T) const
{
  const std::array<double, 7>& a = T < midT ? low : high;
  return a[0] + T * (a[1] + T * (a[2] + T * (a[3] + T * a[4])));
}

double NasaPolynomial::hOverRT(double T) const
{
  const std::array<double, 7>& a = T < midT ? low : high;
  return a[0] + T * (a[1] / 2 + T * (a[2] / 3 + T * (a[3] / 4 + T * a[4] / 5))) + a[5] / T;
}

double NasaPolynomial::sOverR(double T) const
{
  const std::array<double, 7>& a = T < midT ? low : high;
  return a[0] * std::log(T) + T * (a[1] + T * (a[2] / 2 + T * (a[3] / 3 + T * a[4] / 4))) + a[6];
}

NasaThermo::NasaThermo(const NasaPolynomial& polynomial,
                       double formationEnthalpy298,
                       double lowestT)
  : p_(polynomial)
  , dHf298_(formationEnthalpy298)
  , lowestT_(lowestT)
{
}

double NasaThermo::enthalpy(double T) const
{
  return dHf298_ + tableR * (T * p_.hOverRT(T) - referenceT * p_.hOverRT(referenceT));
}

double NasaThermo::entropy(double T) const
{
  return tableR * p_.sOverR(T);
}

double NasaThermo::heatCapacity(double T) const
{
  return tableR * p_.cpOverR(T);
}

bool NasaThermo::covers(double T) const
{
  return T >= std::min(p_.lowT, lowestT_) && T <= p_.highT;
}

} // namespace trelvix
