#include "../platform/sample_font.h"
#include "model/atom.h"
#include "model/structure_atom.h"
#include "model_fixture.h"
#include "platform/checked.h"

#include <bit>
#include <cstring>

namespace trelvix {
namespace {

using AtomRecordTest = ModelTest;

using Bytes = std::vector<std::uint8_t>;

void put(Bytes& r, std::size_t at, std::initializer_list<std::uint8_t> bytes)
{
  std::copy(bytes.begin(), bytes.end(), r.begin() + static_cast<std::ptrdiff_t>(at));
}

void putText(Bytes& r, std::size_t at, const char* text)
{
  std::memcpy(r.data() + at, text, std::strlen(text));
}

constexpr const char* face31 = "Thirty One Characters Face Name";

// An oxygen at (12.4, -7.6, 3.25) with a distinct value in every stored field.
void makeUnusual(tAtm& a)
{
  a.setRXYZ(12.4, -7.6, 3.25);
  a.atomNumber = 258;
  a.hybridisation = 2;
  a.textFlag = 0;
  a.charge = -1;
  a.freeValence = 2;
  a.pairCount = 5;
  a.shiftFlag = 2;
  a.textDirection = -1;
  a.colour = 0x00112233;
  a.savedColour = 0x00445566;
  a.partialCharge = -0.25;
  a.atomicWeight = 16.0f;
  a.font = sampleFont(-17, 6, -900, face31);
  a.SetSymbol("OH");
}

void expectSameStoredAtom(const tXY& a, const tXY& b)
{
  EXPECT_EQ(b.textFlag, a.textFlag);
  EXPECT_EQ(b.pairCount, a.pairCount);
  EXPECT_EQ(b.freeValence, a.freeValence);
  EXPECT_EQ(b.charge, a.charge);
  EXPECT_EQ(b.element, a.element);
  EXPECT_EQ(b.style, a.style);
  EXPECT_EQ(b.shiftFlag, a.shiftFlag);
  EXPECT_EQ(b.textDirection, a.textDirection);
  EXPECT_EQ(b.colour, a.colour);
  EXPECT_EQ(b.atomicWeight, a.atomicWeight);
  EXPECT_EQ(b.symbol, a.symbol);
  EXPECT_EQ(b.font, a.font);
  EXPECT_EQ(b.font.face(), a.font.face());
}

TEST_F(AtomRecordTest, AtomDataRecordLaysOutEveryField)
{
  tXY a(8, 12.4, -7.6, 2);
  a.atomNumber = 258;
  a.depth = -2;
  a.prevDepth = 5;
  a.colour = 0x00112233;
  a.savedColour = 0x00445566;
  a.charge = -1;
  a.shiftFlag = 2;
  a.textDirection = -1;
  a.atomicWeight = 16.0f;

  Bytes expected(346, 0);
  put(expected, 0, { 0x02, 0x01 });                           // atom number 258
  put(expected, 3, { 12, 0x00 });                             // screen x
  put(expected, 5, { 0xF8, 0xFF });                           // screen y -8
  put(expected, 7, { 12, 0x00, 0xF8, 0xFF });                 // copy of the screen position
  put(expected, 11, { 0xFE, 0xFF, 0x05, 0x00 });              // depth -2, previous 5
  put(expected, 15, { 13, 0, 0, 0, 0, 0, 0, 0, 0x90, 0x01 }); // height 13 ... weight 400
  put(expected, 31, { 2, 2 });                                // quality, pitch and family
  putText(expected, 33, "MS Sans Serif");
  put(expected, 67, { 1, 'O' });
  put(expected, 323, { 0xFF, 0x33, 0x22, 0x11, 0x00, 0x66, 0x55, 0x44, 0x00 });
  put(expected, 332, { 2, 4, 0xFF, 8 });       // pairs, free valence, charge, element
  put(expected, 336, { 0x85, 0, 0, 0, 0, 0 }); // 16 = 2^4: exponent 4 + 129
  put(expected, 342, { 2 });                   // style
  put(expected, 344, { 2, 0 });                // shift flag

  AtomDataRecord record;
  a.getdata(record);
  EXPECT_EQ(Bytes(record.begin(), record.end()), expected);

  AtomDataRecord fixture;
  std::copy(expected.begin(), expected.end(), fixture.begin());
  tXY b(6, 0, 0, 0);
  b.AssignData(fixture);
  expectSameStoredAtom(a, b);
  EXPECT_EQ(b.atomNumber, 258);
  EXPECT_EQ(b.screenX, 12);
  EXPECT_EQ(b.prevScreenY, -8);
  EXPECT_EQ(b.depth, -2);
  EXPECT_EQ(b.prevDepth, 5);
  EXPECT_EQ(b.savedColour, 0x00445566u);
}

TEST_F(AtomRecordTest, AtomDataTextKeepsSixtyFourCharactersAndWritesNoStaleTail)
{
  AtomDataRecord record{};
  record[67] = 200; // a long text from another writer
  for (std::size_t i = 0; i < 200; ++i)
    record[68 + i] = static_cast<std::uint8_t>('a' + i % 26);
  tXY a(6, 0, 0, 0);
  a.AssignData(record);
  EXPECT_EQ(a.symbol.size(), 64u);
  EXPECT_EQ(a.symbol.str().substr(0, 3), "abc");

  a.SetSymbol("Cl");
  AtomDataRecord written;
  a.getdata(written);
  EXPECT_EQ(written[67], 2);
  EXPECT_EQ(written[68], 'C');
  EXPECT_EQ(written[69], 'l');
  for (std::size_t i = 70; i < 323; ++i)
    ASSERT_EQ(written[i], 0) << i; // the old text's tail is not written
}

TEST_F(AtomRecordTest, AtomDataRecordBeyondSixteenBitScreenRaisesOverflow)
{
  tXY a(6, 40000, 0, 0);
  AtomDataRecord record;
  EXPECT_THROW(a.getdata(record), OverflowError);
}

TEST_F(AtomRecordTest, AtomDataThroughAFileKeepsAThirtyOneCharacterFace)
{
  tAtm a(8, 12.4, -7.6, 2);
  makeUnusual(a);
  BinaryWriter out;
  a.WriteData(out);
  ASSERT_EQ(out.size(), 346u);
  BinaryReader in(out.data());
  tXY b(6, 0, 0, 0);
  ASSERT_TRUE(b.ReadData(in));
  expectSameStoredAtom(a, b);
  EXPECT_EQ(b.font.face(), face31);

  BinaryReader shortRecord(Bytes(out.data().begin(), out.data().end() - 1));
  tXY c(6, 0, 0, 0);
  EXPECT_FALSE(c.ReadData(shortRecord));
  EXPECT_EQ(c.element, 6); // unchanged
}

TEST_F(AtomRecordTest, CoordinateRecordIsThreeSixByteReals)
{
  tXY a(6, 28, -1.5, 0);
  BinaryWriter out;
  a.WriteXYZ(out);
  const Bytes expected = {
    0x85, 0, 0, 0, 0, 0x60, // 28 = 1.75 x 2^4
    0x81, 0, 0, 0, 0, 0xC0, // -1.5 = -(1.5 x 2^0)
    0,    0, 0, 0, 0, 0,    // 0
  };
  EXPECT_EQ(out.data(), expected);
  BinaryReader in(expected);
  tXY b(6, 0, 0, 0);
  ASSERT_TRUE(b.Readxyz(in));
  EXPECT_EQ(b.x3, 28.0);
  EXPECT_EQ(b.y3, -1.5);
  EXPECT_EQ(b.screenY, -2);
  EXPECT_EQ(b.savedX3, 28.0);

  tXY far(6, 0, 0, 0);
  far.x3 = 1e39; // beyond the 6-byte range
  XyzRecord record;
  EXPECT_FALSE(far.getxyz(record));
}

TEST_F(AtomRecordTest, StructureAtomRecordIsOneHundredSeventyBytes)
{
  tAtm a(6, 0, 0, 0);
  a.font = defaultFontRecord();
  BinaryWriter out;
  a.write3ddata(out);
  ASSERT_EQ(out.size(), 170u);
  const Bytes& r = out.data();
  EXPECT_EQ(r[2], 8);  // free valence
  EXPECT_EQ(r[4], 6);  // element
  EXPECT_EQ(r[44], 1); // symbol length
  EXPECT_EQ(r[45], 'C');
  // Five 4-byte transfers of the font, each starting at one of its 16-bit integers.
  const Bytes transfers = { 13, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 };
  Bytes expectedTransfers = transfers;
  put(expectedTransfers, 14, { 0x90, 0x01, 0x90, 0x01 }); // weight is carried twice
  EXPECT_EQ(Bytes(r.begin() + 109, r.begin() + 129), expectedTransfers);
  EXPECT_EQ(Bytes(r.begin() + 129, r.begin() + 137), (Bytes{ 0, 0, 0, 0, 0, 0, 2, 2 }));
  EXPECT_EQ(r[137], 13); // face name length
  EXPECT_EQ(std::string(r.begin() + 138, r.begin() + 151), "MS Sans Serif");
}

TEST_F(AtomRecordTest, StructureAndBaseAtomRecordsRoundTrip)
{
  for (const char* face : { face31, "Exactly thirty-two characters!!!", "" }) {
    tAtm a(8, 12.4, -7.6, 2);
    makeUnusual(a);
    a.font.setFace(face);

    BinaryWriter out3d;
    a.write3ddata(out3d);
    BinaryReader in3d(out3d.data());
    tAtm b(6, 0, 0, 0);
    b.Read3ddata(in3d);
    ASSERT_TRUE(in3d.ok());
    EXPECT_EQ(in3d.remaining(), 0u);
    expectSameStoredAtom(a, b);
    EXPECT_EQ(b.font.face(), face);
    EXPECT_EQ(b.x3, 12.4);
    EXPECT_EQ(b.y3, -7.6);
    EXPECT_EQ(b.z3, 3.25);

    BinaryWriter outBase;
    a.tbaseatm::write3ddata(outBase);
    ASSERT_EQ(outBase.size(), 164u);
    BinaryReader inBase(outBase.data());
    tAtm c(6, 0, 0, 0);
    c.tbaseatm::Read3ddata(inBase);
    ASSERT_TRUE(inBase.ok());
    expectSameStoredAtom(a, c);
    EXPECT_EQ(c.atomNumber, 258);
    EXPECT_EQ(c.hybridisation, 2);
    EXPECT_EQ(c.z3, 3.25);
  }
}

TEST_F(AtomRecordTest, OnlyTheLowWordOfThePartialChargeTravels)
{
  tAtm a(6, 0, 0, 0);
  a.partialCharge = 0.5; // 0x3FE0000000000000: the low word is 0
  BinaryWriter out;
  a.write3ddata(out);
  EXPECT_EQ(Bytes(out.data().begin() + 31, out.data().begin() + 35), (Bytes{ 0, 0, 0, 0 }));
  tAtm b(6, 0, 0, 0);
  b.partialCharge = std::bit_cast<double>(0x3FB999999999999AULL); // 0.1
  BinaryReader in(out.data());
  b.Read3ddata(in);
  // The high word stays; the low word comes from the file.
  EXPECT_EQ(std::bit_cast<std::uint64_t>(b.partialCharge), 0x3FB9999900000000ULL);
}

TEST_F(AtomRecordTest, SymbolPointsAreNeverElementAtoms)
{
  tSXY p(4, 5);
  EXPECT_EQ(p.textFlag, 255);
  EXPECT_FALSE(p.isatom());
  EXPECT_EQ(p.ChangeStyle(2, false), p.style);
  EXPECT_EQ(p.style, 0);
}

} // namespace
} // namespace trelvix
