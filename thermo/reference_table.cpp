// The reference thermochemistry table: its reader and the copy built into the program.
#include "thermo/reference_table.h"

#include "thermo/reference_table_text.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <sstream>

namespace trelvix {

namespace {

constexpr double caloriesPerJoule = 1 / 4.184;
// A gas is used down to 200 K below its polynomials; a liquid or solid only within its range,
// save the 1.85 K from 300 K down to the reference temperature.
constexpr double lowestGasT = 200.0;

struct PhaseName
{
  SpeciesPhase phase;
  const char* text;
};

constexpr PhaseName phaseNames[] = {
  { SpeciesPhase::Gas, "gas" },
  { SpeciesPhase::Liquid, "liquid" },
  { SpeciesPhase::Solid, "solid" },
};

// The numbers of a line's value, exactly count of them; false when there are more or fewer or
// one is not a number.
// The numbers of a line's value, at most N of them; nullopt when there are more or one is not a
// number.
template<std::size_t N>
std::optional<std::size_t> readSomeNumbers(const std::string& value, std::array<double, N>& out)
{
  std::istringstream in(value);
  std::string word;
  std::size_t k = 0;
  while (in >> word) {
    if (k == N)
      return std::nullopt;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), out[k]);
    if (ec != std::errc() || end != word.data() + word.size())
      return std::nullopt;
    ++k;
  }
  return k;
}

template<std::size_t N>
bool readNumbers(const std::string& value, std::array<double, N>& out)
{
  return readSomeNumbers(value, out) == N;
}

class TableReader
{
public:
  SpeciesTableResult read(std::string_view text)
  {
    std::size_t start = 0;
    while (start <= text.size() && result_.error.empty()) {
      const std::size_t end = std::min(text.find('\n', start), text.size());
      ++line_;
      readLine(std::string(text.substr(start, end - start)));
      start = end + 1;
    }
    if (result_.error.empty())
      closeBlock();
    if (!result_.error.empty())
      result_.species.clear();
    return std::move(result_);
  }

private:
  SpeciesTableResult result_;
  int line_ = 0;
  bool open_ = false;
  int seen_ = 0; // bit per key of the open block
  ReferenceSpecies current_;

  static constexpr const char* keys[] = { "species", "name",  "formula", "source", "dHf298",
                                          "S298",    "nasa7", "low",     "high",   "phase" };
  static constexpr int keyCount = 10;
  static constexpr int highKey = 1 << 8;
  static constexpr int phaseKey = 1 << 9;
  // Every key but the optional phase; a single range has no high line.
  static constexpr int neededKeys = (1 << 9) - 1;
  bool singleRange_ = false;

  void fail(const std::string& what)
  {
    if (result_.error.empty())
      result_.error = "line " + std::to_string(line_) + ": " + what;
  }

  void closeBlock()
  {
    if (!open_)
      return;
    const int needed = singleRange_ ? neededKeys & ~highKey : neededKeys;
    if ((seen_ & ~phaseKey) != needed)
      fail("species " + current_.smiles +
           (singleRange_ && (seen_ & highKey) ? " has a high range beyond its single range"
                                              : " lacks a field"));
    else
      result_.species.push_back(current_);
    open_ = false;
  }

  void readLine(std::string text)
  {
    if (!text.empty() && text.back() == '\r')
      text.pop_back();
    if (!text.empty() && text[0] == '#')
      return;
    if (text.find_first_not_of(" \t") == std::string::npos) {
      closeBlock();
      return;
    }
    const std::size_t space = text.find(' ');
    const std::string key = text.substr(0, space);
    const std::string value = space == std::string::npos ? "" : text.substr(space + 1);
    int k = 0;
    while (k < keyCount && key != keys[k])
      ++k;
    if (k == keyCount)
      return fail("unknown field " + key);
    if (k == 0) {
      if (open_)
        return fail("species " + value + " begins inside another block");
      open_ = true;
      seen_ = 0;
      singleRange_ = false;
      current_ = ReferenceSpecies{};
    } else if (!open_) {
      return fail(key + " outside a species block");
    }
    if (seen_ & (1 << k))
      return fail("second " + key);
    seen_ |= 1 << k;
    if (!readValue(k, value))
      fail("bad " + key + " value: " + value);
  }

  bool readValue(int k, const std::string& value)
  {
    std::array<double, 1> one{};
    std::array<double, 3> temperatures{};
    switch (k) {
      case 0:
        current_.smiles = value;
        return !value.empty() && value.find(' ') == std::string::npos;
      case 1:
        current_.name = value;
        return !value.empty();
      case 2:
        current_.formula = value;
        return !value.empty();
      case 3:
        current_.source = value;
        return !value.empty();
      case 4:
        if (!readNumbers(value, one))
          return false;
        current_.dHf298 = one[0] * 1000 * caloriesPerJoule;
        return true;
      case 5:
        if (!readNumbers(value, one))
          return false;
        current_.S298 = one[0] * caloriesPerJoule;
        return true;
      case 6: {
        const std::optional<std::size_t> n = readSomeNumbers(value, temperatures);
        if (n == 2u)
          temperatures[2] = temperatures[1];
        else if (n != 3u)
          return false;
        singleRange_ = n == 2u;
        current_.nasa.lowT = temperatures[0];
        current_.nasa.midT = temperatures[1];
        current_.nasa.highT = temperatures[2];
        return temperatures[0] > 0 && temperatures[0] < temperatures[1] &&
               temperatures[1] <= temperatures[2] &&
               (singleRange_ || temperatures[1] < temperatures[2]);
      }
      case 7:
        // One range: its polynomial serves up to the top, where the high one would begin.
        return readNumbers(value, current_.nasa.low) &&
               (current_.nasa.high = current_.nasa.low, true);
      case 8:
        return readNumbers(value, current_.nasa.high);
      default:
        for (const PhaseName& p : phaseNames) {
          if (value == p.text) {
            current_.phase = p.phase;
            return true;
          }
        }
        return false;
    }
  }
};

} // namespace

SpeciesTableResult readSpeciesTable(std::string_view text)
{
  return TableReader().read(text);
}

const char* phaseText(SpeciesPhase phase)
{
  for (const PhaseName& p : phaseNames) {
    if (p.phase == phase)
      return p.text;
  }
  return "gas";
}

NasaThermo ReferenceSpecies::thermo() const
{
  const double lowest = phase == SpeciesPhase::Gas ? lowestGasT : std::min(nasa.lowT, referenceT);
  return NasaThermo(nasa, dHf298, lowest);
}

const std::vector<ReferenceSpecies>& referenceSpecies()
{
  static const std::vector<ReferenceSpecies> table = readSpeciesTable(speciesTableText()).species;
  return table;
}

const std::vector<ReferenceSpecies>& condensedSpecies()
{
  static const std::vector<ReferenceSpecies> table = readSpeciesTable(condensedTableText()).species;
  return table;
}

} // namespace trelvix
