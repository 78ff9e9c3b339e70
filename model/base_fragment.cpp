#include "model/base_fragment.h"

#include "model/defaults.h"
#include "platform/fixed_text.h"
#include "platform/record_bytes.h"

#include <cstdio>

namespace trelvix {

namespace {

// The file order of the fourteen reals after the amount: p1..p6, p9..p11, p7, p8, p12, p13.
constexpr std::array<int, 13> soluteFileOrder = { 0, 1, 2, 3, 4, 5, 8, 9, 10, 6, 7, 11, 12 };

// The corner words travel as four 4-byte transfers starting at words 0, 2, 1 and 3; each carries
// the word after it, and the last one the low half of the frame's left edge that follows the
// corner words in memory.
constexpr std::array<int, 4> cornerTransferStart = { 0, 2, 1, 3 };

} // namespace

tbasefragment::tbasefragment()
{
  clearVDWparms();
}

void tbasefragment::clearVDWparms()
{
  phase = Gas;
  parameterFlag = 0;
  amount = 1.0;
  for (int i = 0; i < 13; ++i)
    solute[static_cast<std::size_t>(i)] = i < 8 ? 0.0 : 1.0;
}

namespace {

// Offsets in the fragment data record; bytes 7..30 are written as zeros and not read.
constexpr std::size_t offKind = 0;
constexpr std::size_t offSettings = 2;
constexpr std::size_t offFirstColour = 31;
constexpr std::size_t offSecondColour = 35;
constexpr std::size_t offFrame = 39;
constexpr std::size_t offFlags = 47;
constexpr std::size_t offAtomCount = 49;
constexpr std::size_t offBondCount = 51;

} // namespace

void tbasefragment::getdata(FragmentDataRecord& r,
                            std::uint16_t atomCount,
                            std::uint16_t bondCount) const
{
  r.fill(0);
  putField(r, offKind, symbolKind);
  std::copy(settings.begin(), settings.end(), r.begin() + offSettings);
  putField(r, offFirstColour, valueA);
  putField(r, offSecondColour, valueC);
  const std::int32_t edges[4] = {
    frameRect.left, frameRect.top, frameRect.right, frameRect.bottom
  };
  for (std::size_t i = 0; i < 4; ++i)
    putField(r, offFrame + 2 * i, static_cast<std::uint16_t>(edges[i] & 0xFFFF));
  r[offFlags] = flagBytes[0];
  r[offFlags + 1] = flagBytes[1];
  putField(r, offAtomCount, atomCount);
  putField(r, offBondCount, bondCount);
}

void tbasefragment::AssignData(const FragmentDataRecord& r)
{
  symbolKind = getField<std::uint16_t>(r, offKind);
  std::copy_n(r.begin() + offSettings, settings.size(), settings.begin());
  valueA = getField<std::uint32_t>(r, offFirstColour);
  valueC = getField<std::uint32_t>(r, offSecondColour);
  flagBytes[0] = r[offFlags];
  flagBytes[1] = r[offFlags + 1];
}

void tbasefragment::write3dheading(BinaryWriter& out) const
{
  out.u16(symbolKind);
  for (int i = 0; i < 3; ++i)
    out.u8(settings[static_cast<std::size_t>(i)]);
  std::array<std::int16_t, 5> words = { corners[0],
                                        corners[1],
                                        corners[2],
                                        corners[3],
                                        static_cast<std::int16_t>(frameRect.left & 0xFFFF) };
  for (int start : cornerTransferStart) {
    out.i16(words[static_cast<std::size_t>(start)]);
    out.i16(words[static_cast<std::size_t>(start + 1)]);
  }
  out.u8(settings[3]);
  out.u8(settings[4]);
  out.u32(valueA);
  out.u8(flagBytes[1]);
  out.u8(flagBytes[0]);
  out.u32(valueB);
  out.f64(amount);
  for (int index : soluteFileOrder)
    out.f64(solute[static_cast<std::size_t>(index)]);
  out.u8(phase);
  out.u8(parameterFlag);
}

void tbasefragment::Read3dheading(BinaryReader& in)
{
  symbolKind = in.u16();
  for (int i = 0; i < 3; ++i)
    settings[static_cast<std::size_t>(i)] = in.u8();
  // The fifth word is the frame's left edge, recomputed from the atoms by frame(); it is read
  // and not kept.
  std::array<std::int16_t, 5> words = { corners[0], corners[1], corners[2], corners[3], 0 };
  for (int start : cornerTransferStart) {
    words[static_cast<std::size_t>(start)] = in.i16();
    words[static_cast<std::size_t>(start + 1)] = in.i16();
  }
  for (std::size_t i = 0; i < 4; ++i)
    corners[i] = words[i];
  settings[3] = in.u8();
  settings[4] = in.u8();
  valueA = in.u32();
  flagBytes[1] = in.u8();
  flagBytes[0] = in.u8();
  valueB = in.u32();
  amount = in.f64();
  for (int index : soluteFileOrder)
    solute[static_cast<std::size_t>(index)] = in.f64();
  phase = in.u8();
  parameterFlag = in.u8();
}

std::string tbasefragment::molesCaption() const
{
  const bool hasAmount = amount > 0.01;
  const std::string number = fixedText(amount, 5, 1);
  std::string text;
  switch (phase) {
    case Gas:
      text = hasAmount ? number : "(g)";
      break;
    case Solid:
      text = hasAmount ? "(s)" : "solvent";
      break;
    case Liquid:
      text = hasAmount ? number + "(l)" : "solvent";
      break;
    case GasAmount:
      text = hasAmount ? number + "(g)" : "solvent";
      break;
    case Solution:
      text = hasAmount ? number + "(sol)" : "solvent";
      break;
    case Solvent:
      text = "solvent";
      break;
    default:
      // No state is defined beyond 5: nothing is written.
      break;
  }
  return text.substr(0, 16);
}

void tbasefragment::printmoles(Canvas& target)
{
  const std::string text = molesCaption();
  molesText.assign(text);
  if (text.empty())
    return;
  const FontRecord oldFont = target.font();
  const TextAlign oldAlign = target.textAlign();
  target.setFont(messageFont());
  target.setTextAlign(TextAlign{ HAlign::Left, VAlign::Top });
  target.text(Point{ frameRect.left, frameRect.bottom + 5 }, text);
  target.setTextAlign(oldAlign);
  target.setFont(oldFont);
}

} // namespace trelvix
