#include "model/base_list.h"

#include <gtest/gtest.h>

namespace trelvix {
namespace {

TEST(BaseList, AtIsCheckedAndNeverThrows)
{
  tBaseList<int> list;
  EXPECT_EQ(list.At(0), nullptr);
  int x = 1, y = 2;
  list.Add(&x);
  list.Add(&y);
  EXPECT_EQ(list.At(-1), nullptr);
  EXPECT_EQ(list.At(2), nullptr);
  EXPECT_EQ(list.At(1), &y);
  EXPECT_EQ(list.At(-32768), nullptr);
  EXPECT_FALSE(list.AtPut(2, &x));
  EXPECT_FALSE(list.AtInsert(3, &x));
  EXPECT_TRUE(list.AtInsert(0, &y));
  EXPECT_EQ(list.At(0), &y);
  EXPECT_EQ(list.Count(), 3);
}

TEST(BaseList, StoreAndAddItemsSkipWhatIsHeld)
{
  int x = 1, y = 2, z = 3;
  tBaseList<int> list;
  list.Store(&x);
  list.Store(&x);
  EXPECT_EQ(list.Count(), 1);
  tBaseList<int> other;
  other.Add(&y);
  other.Add(&x);
  other.Add(&z);
  list.AddItems(other);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.At(1), &y);
  EXPECT_EQ(list.At(2), &z);
  list.AddItems(list);
  EXPECT_EQ(list.Count(), 3);
  list.deleteall();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(x, 1); // nothing freed
}

} // namespace
} // namespace trelvix
