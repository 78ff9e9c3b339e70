// The parameter tables of the force field: ideal valence angles, contact parameters of the pair
// terms and torsion barriers.
#include "mechanics/force_parameters.h"

#include "model/element_table.h"

#include <algorithm>
#include <iterator>
#include <numbers>

namespace trelvix {

namespace {

constexpr double pi = std::numbers::pi;
constexpr double tetrahedral = 1.9106332356470423; // 109.47 degrees
constexpr double trigonal = 2 * pi / 3;
constexpr double degree = pi / 180;

// A range of keys sharing one value.
template<class Value>
struct KeyRange
{
  int first;
  int last;
  Value value;
};

template<class Value, std::size_t N>
const Value* lookUp(const KeyRange<Value> (&table)[N], int key)
{
  for (const KeyRange<Value>& row : table) {
    if (key >= row.first && key <= row.last)
      return &row.value;
  }
  return nullptr;
}

// Ideal angle by element x 10 + hybridisation code.
constexpr KeyRange<double> idealAngles[] = {
  { 13, 13, pi },
  { 15, 15, pi / 2 },
  { 52, 52, trigonal },
  { 53, 53, tetrahedral },
  { 61, 61, pi },
  { 62, 62, trigonal },
  { 63, 63, tetrahedral },
  { 64, 64, trigonal },
  { 71, 71, pi },
  { 72, 72, trigonal },
  { 73, 73, 1.862266 },
  { 74, 74, trigonal },
  { 81, 81, pi },
  { 82, 82, tetrahedral },
  { 83, 83, 1.824044 },
  { 84, 84, trigonal },
  { 93, 93, pi },
  { 111, 113, pi / 2 },
  { 133, 133, tetrahedral },
  { 143, 143, tetrahedral },
  { 153, 153, 1.628392 },
  { 161, 161, pi },
  { 162, 162, tetrahedral },
  { 163, 163, 1.607448 },
  { 173, 173, pi },
  { 201, 203, pi / 2 },
  { 260, 264, pi / 2 },
  { 301, 304, tetrahedral },
  { 313, 313, tetrahedral },
  { 323, 323, tetrahedral },
  { 333, 333, 1.607448 },
  { 343, 343, 1.581268 },
  { 353, 353, pi },
  { 470, 473, pi },
  { 493, 493, tetrahedral },
  { 503, 503, tetrahedral },
  { 513, 513, 1.598722 },
  { 523, 523, 1.576032 },
  { 533, 533, pi },
};

// Ideal angle by neighbour count 1..9; larger counts keep the last value.
constexpr double anglesByCount[] = { tetrahedral, tetrahedral,  tetrahedral,
                                     tetrahedral, 100 * degree, 90 * degree,
                                     78 * degree, 74 * degree,  70.5 * degree };

// Step 1: carbon by element x 100 + hybridisation x 10 + hydrogen count.
constexpr KeyRange<ContactParameters> carbonContacts[] = {
  { 601, 601, { 146.7, 3.983, 12.0 } },   { 631, 631, { 146.7, 3.983, 12.0 } },
  { 602, 602, { 198.4, 4.0677, 12.0 } },  { 632, 632, { 198.4, 4.0677, 12.0 } },
  { 603, 603, { 250.0, 4.1524, 12.0 } },  { 633, 633, { 250.0, 4.1524, 12.0 } },
  { 604, 604, { 301.6, 4.237, 12.0 } },   { 634, 634, { 301.6, 4.237, 12.0 } },
  { 610, 611, { 95.1, 3.8983, 14.034 } }, { 620, 622, { 95.1, 3.8983, 14.034 } },
  { 630, 630, { 95.1, 3.8983, 14.034 } }, { 640, 640, { 95.1, 3.8983, 14.034 } },
  { 641, 641, { 135.6, 4.23, 14.034 } },
};

// Step 2: by element x 10 + hybridisation code.
constexpr KeyRange<ContactParameters> elementContacts[] = {
  { 13, 13, { 15.2, 3.195, 12.382 } },  { 15, 15, { 15.2, 3.195, 12.382 } },
  { 50, 54, { 95.0, 4.02, 14.23 } },    { 70, 74, { 77.4, 3.6621, 13.843 } },
  { 80, 84, { 95.7, 3.4046, 13.483 } }, { 90, 94, { 72.5, 3.472, 14.444 } },
  { 111, 113, { 500, 3.144, 12.0 } },   { 133, 133, { 310, 4.39, 12.0 } },
  { 140, 144, { 310, 4.27, 12.0 } },    { 150, 154, { 320, 4.15, 12.0 } },
  { 160, 164, { 344, 4.03, 12.0 } },    { 173, 173, { 283.3, 3.9503, 13.861 } },
  { 310, 313, { 400, 4.39, 12.0 } },    { 320, 323, { 400, 4.27, 12.0 } },
  { 330, 333, { 410, 4.15, 12.0 } },    { 340, 344, { 430, 4.03, 12.0 } },
  { 350, 354, { 370, 3.95, 12.0 } },    { 490, 494, { 550, 4.59, 12.0 } },
  { 500, 504, { 550, 4.47, 12.0 } },    { 510, 514, { 550, 4.35, 12.0 } },
  { 520, 524, { 570, 4.23, 12.0 } },    { 530, 534, { 510, 4.15, 12.0 } },
};

// Step 3: the main-group elements whose tabled radius is halved; every other element takes the
// element values.
bool halvesRadius(int element)
{
  return element == 1 || (element >= 5 && element <= 9) || (element >= 13 && element <= 17) ||
         (element >= 31 && element <= 35) || (element >= 49 && element <= 53);
}

constexpr KeyRange<TorsionParameters> torsionTable[] = {
  { 1016, 1016, { 5000, 2, pi } },     { 2016, 2016, { 5000, 2, pi } },
  { 1030, 1030, { 1000, 6, 0 } },      { 2030, 2030, { 1000, 6, 0 } },
  { 1048, 1048, { 5000, 2, pi } },     { 2048, 2048, { 5000, 2, pi } },
  { 1054, 1054, { 2000, 3, pi / 3 } }, { 2054, 2054, { 2000, 3, pi / 3 } },
  { 1084, 1084, { 1000, 6, 0 } },      { 2084, 2084, { 1000, 6, 0 } },
  { 1128, 1128, { 10000, 2, pi } },    { 2128, 2128, { 10000, 2, pi } },
  { 3016, 3016, { 25000, 2, 0 } },     { 3128, 3128, { 25000, 2, 0 } },
  { 4016, 4016, { 45000, 2, 0 } },     { 4128, 4128, { 45000, 2, 0 } },
};

} // namespace

double idealAngle(int element, int hybridisation, int neighbours)
{
  if (neighbours < 4) {
    if (const double* angle = lookUp(idealAngles, element * 10 + hybridisation))
      return *angle;
  }
  const int row = std::clamp(neighbours, 1, static_cast<int>(std::size(anglesByCount)));
  return anglesByCount[row - 1];
}

double elementWellDepth(int element)
{
  // The table gives no depth outside its main groups: these elements take the depth of the
  // heavier main-group atoms around them, which grows gently with the element number.
  return 300.0 + 2.0 * std::clamp(element, 0, maxElement);
}

ContactParameters contactParameters(int element, int hybridisation, int hydrogens)
{
  // Combinations no step covers stay at zero: such a pair adds no attraction.
  ContactParameters p;
  if (element == 6) {
    if (const ContactParameters* c =
          lookUp(carbonContacts, element * 100 + hybridisation * 10 + hydrogens))
      p = *c;
  } else if (const ContactParameters* c = lookUp(elementContacts, element * 10 + hybridisation)) {
    p = *c;
  }
  if (halvesRadius(element)) {
    p.radius *= 0.5;
  } else if (element >= 2 && element <= maxElement) {
    p = { elementWellDepth(element), elementData(element).covalentRadius, 12.0 };
  }
  return p;
}

TorsionParameters torsionParameters(int key)
{
  const TorsionParameters* p = lookUp(torsionTable, key);
  return p ? *p : TorsionParameters{};
}

} // namespace trelvix
