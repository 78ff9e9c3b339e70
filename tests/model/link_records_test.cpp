#include "model/atom.h"
#include "model/atom_list.h"
#include "model/bond.h"
#include "model_fixture.h"

namespace trelvix {
namespace {

using BondRecordTest = ModelTest;
using Bytes = std::vector<std::uint8_t>;

class BondRecords : public BondRecordTest
{
protected:
  BondRecords()
  {
    for (tXY* atom : { &a, &b, &c })
      list.Add(atom);
    bond.ssingle();
    bond.colour = 0x0000FF;
    bond.cisTrans = -1;
    bond.offsetX = -3;
    bond.offsetY = 4;
    bond.flipSide = 2;
    bond.penWidth = 3;
  }

  tXY a{ 6, 0, 0, 0 };
  tXY b{ 6, 28, 0, 0 };
  tXY c{ 8, 0, 28, 0 };
  tAtoms list;
  tbond bond{ &c, &a };
};

TEST_F(BondRecords, BondDataRecordLayout)
{
  const Bytes expected = {
    3,    2,                // share, type
    0xFF, 0x00, 0x00, 0x00, // colour
    0,    0,    0,    0,    // not read
    1,                      // line style
    0xFF,                   // cis/trans -1
    0xFD, 0xFF, 0x04, 0x00, // offsets -3, 4
    2,    3,                // flip side, width
    2,    0,    0,    0,    // atom positions 2 and 0
    1,                      // visible
  };
  BinaryWriter out;
  bond.WriteData(out, list);
  EXPECT_EQ(out.data(), expected);

  BinaryReader in(expected);
  tbond read(nullptr, nullptr);
  ASSERT_TRUE(read.ReadData(in, list));
  EXPECT_EQ(read.Atm1, &c);
  EXPECT_EQ(read.Atm2, &a);
  EXPECT_EQ(read.hybShare, 3);
  EXPECT_EQ(read.typeCode, 2);
  EXPECT_EQ(read.colour, 0x0000FFu);
  EXPECT_EQ(read.lineStyle, 1);
  EXPECT_EQ(read.cisTrans, -1);
  EXPECT_EQ(read.offsetX, -3);
  EXPECT_EQ(read.offsetY, 4);
  EXPECT_EQ(read.flipSide, 2);
  EXPECT_EQ(read.penWidth, 3);
  EXPECT_EQ(read.visible, 1);
}

TEST_F(BondRecords, ThreeDimensionalBondRecordLayout)
{
  const Bytes expected = {
    1,    2,    3,    3,    1, 0xFF, // visible, type, share, width, line style, cis/trans
    0xFF, 0,    0,    0,             // colour
    2,                               // flip side
    0xFD, 0xFF, 0x04, 0x00,          // offsets
    2,    0,    0,    0,             // atom positions
  };
  BinaryWriter out;
  bond.Write3ddata(out, list);
  EXPECT_EQ(out.data(), expected);

  BinaryReader in(expected);
  tbond read(nullptr, nullptr);
  ASSERT_TRUE(read.Read3ddata(in, list));
  EXPECT_EQ(read.Atm1, &c);
  EXPECT_EQ(read.Atm2, &a);
  EXPECT_EQ(read.penWidth, 3);
  EXPECT_EQ(read.flipSide, 2);
}

TEST_F(BondRecords, PositionsOutsideTheListResolveToNothing)
{
  Bytes record(19, 0);
  record[15] = 3;    // atom 1 at position 3 of a 3-atom list
  record[17] = 0xFF; // atom 2 at position -1
  record[18] = 0xFF;
  BinaryReader in(record);
  tbond read(&a, &b);
  ASSERT_TRUE(read.Read3ddata(in, list));
  EXPECT_EQ(read.Atm1, nullptr);
  EXPECT_EQ(read.Atm2, nullptr);

  tXY stranger(6, 0, 0, 0);
  tbond loose(&stranger, &b);
  BinaryWriter out;
  loose.Write3ddata(out, list);
  EXPECT_EQ(out.data()[15], 0xFF); // an atom not in the list is written as -1
  EXPECT_EQ(out.data()[16], 0xFF);

  BinaryReader cut(Bytes(18, 0));
  EXPECT_FALSE(read.Read3ddata(cut, list));
}

TEST_F(BondRecords, CloneCopiesTheDrawingAttributes)
{
  tbond copy(nullptr, nullptr);
  copy.clonelink(bond);
  EXPECT_EQ(copy.Atm1, &c);
  EXPECT_EQ(copy.typeCode, 2);
  EXPECT_EQ(copy.offsetX, -3);
  EXPECT_EQ(copy.penWidth, 3);
  EXPECT_EQ(copy.cisTrans, -1);
}

TEST_F(BondRecords, NormalizeMovesTheTerminalAtom)
{
  a.neighbourCount = 2;
  c.neighbourCount = 1;
  c.setRXYZ(0, 100, 0);
  bond.normalize(0); // c is terminal and a is not: c moves
  EXPECT_NEAR(bond.RLength(), bond.RAB(), 1e-9);
  EXPECT_EQ(a.y3, 0.0);
  EXPECT_EQ(bond.BondIndex(), 1 * 2 * (1 + 2));
  c.neighbourCount = 2;
  c.setRXYZ(0, 100, 0);
  bond.normalize(0); // neither is terminal
  EXPECT_EQ(c.y3, 100.0);
}

} // namespace
} // namespace trelvix
