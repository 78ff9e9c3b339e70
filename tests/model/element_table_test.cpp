#include "model/element_table.h"

#include <climits>
#include <cstring>
#include <gtest/gtest.h>

namespace trelvix {

namespace {

struct RowCase
{
  int z;
  const char* symbol;
  float covalentRadius;
  float pauling;
  float allredRochow;
  float weight;
  int valence;
};

// Rows read from the printed table by hand; the odd valences of At, Rn and Fr are as tabled.
constexpr RowCase rowCases[] = {
  { 0, "", 0.0f, 1.22f, 1.8f, 0.0f, 8 },         { 1, "H", 0.29f, 2.1f, 2.2f, 1.00794f, 2 },
  { 2, "He", 0.93f, 0.0f, 0.0f, 4.0026f, 0 },    { 6, "C", 0.77f, 2.5f, 2.5f, 12.01115f, 8 },
  { 8, "O", 0.66f, 3.5f, 3.5f, 15.9994f, 4 },    { 13, "Al", 1.43f, 1.5f, 1.47f, 26.9815f, 10 },
  { 26, "Fe", 1.26f, 1.8f, 1.64f, 55.847f, 20 }, { 53, "I", 1.33f, 2.5f, 2.21f, 126.9044f, 2 },
  { 57, "La", 1.88f, 1.1f, 1.08f, 138.91f, 28 }, { 85, "At", 1.4f, 2.2f, 1.96f, 210.0f, 0 },
  { 86, "Rn", 2.2f, 0.0f, 0.0f, 222.0f, 2 },     { 87, "Fr", 2.8f, 0.7f, 0.86f, 223.0f, 4 },
  { 103, "Lw", 1.8f, 1.1f, 1.22f, 257.0f, 28 },
};

TEST(ElementTable, SpotRowsHoldTheTabledValues)
{
  for (const RowCase& c : rowCases) {
    SCOPED_TRACE(c.z);
    const ElementData& row = elementData(c.z);
    EXPECT_STREQ(row.symbol, c.symbol);
    EXPECT_FLOAT_EQ(row.covalentRadius, c.covalentRadius);
    EXPECT_FLOAT_EQ(row.pauling, c.pauling);
    EXPECT_FLOAT_EQ(row.allredRochow, c.allredRochow);
    EXPECT_FLOAT_EQ(row.weight, c.weight);
    EXPECT_EQ(row.valence, c.valence);
  }
}

TEST(ElementTable, NumbersOutsideTheTableReadRowZero)
{
  const ElementData& none = elementData(0);
  for (int z : { -1, maxElement + 1, 255, 1000, INT_MIN, INT_MAX }) {
    SCOPED_TRACE(z);
    EXPECT_EQ(&elementData(z), &none);
  }
}

TEST(ElementTable, EveryElementHasAShortSymbolThatLeadsBackToIt)
{
  for (int z = 1; z <= maxElement; ++z) {
    SCOPED_TRACE(z);
    const char* symbol = elementData(z).symbol;
    ASSERT_NE(symbol, nullptr);
    const std::size_t length = std::strlen(symbol);
    EXPECT_GE(length, 1u);
    EXPECT_LE(length, 2u);
    EXPECT_EQ(elementBySymbol(symbol), z);
    EXPECT_GT(elementData(z).weight, 0.0f);
  }
}

struct SymbolCase
{
  const char* symbol;
  int z;
};

constexpr SymbolCase symbolCases[] = {
  { "H", 1 },  { "He", 2 },   { "C", 6 },  { "Cl", 17 }, { "Fe", 26 },
  { "I", 53 }, { "Lw", 103 }, { "cl", 0 }, { "CL", 0 },  { "h", 0 },
  { "Lr", 0 }, { "Xx", 0 },   { "", 0 },   { "Cl ", 0 }, { "Cla", 0 },
};

TEST(ElementTable, SymbolLookupIsExactCase)
{
  for (const SymbolCase& c : symbolCases) {
    SCOPED_TRACE(c.symbol);
    EXPECT_EQ(elementBySymbol(c.symbol), c.z);
  }
}

TEST(ElementTable, NullSymbolIsNoElement)
{
  EXPECT_EQ(elementBySymbol(nullptr), 0);
}

} // namespace

} // namespace trelvix
