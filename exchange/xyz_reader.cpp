#include "exchange/xyz_reader.h"

#include "model/element_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>
#include <unordered_map>

namespace trelvix {

namespace {

// 1.2: room for the stretched bonds of real geometries, well short of the distance between
// two hydrogens on one atom.
constexpr double bondTolerance = 1.2;
constexpr double minimumBond = 0.4;

struct Lines
{
  std::string_view text;
  std::size_t position = 0;
  int number = 0;

  bool next(std::string_view& line)
  {
    if (position >= text.size())
      return false;
    const std::size_t end = std::min(text.find('\n', position), text.size());
    line = text.substr(position, end - position);
    if (!line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    position = end + 1;
    ++number;
    return true;
  }
};

std::vector<std::string_view> fields(std::string_view line)
{
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i])))
      ++i;
    const std::size_t start = i;
    while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i])))
      ++i;
    if (i > start)
      out.push_back(line.substr(start, i - start));
  }
  return out;
}

bool isBlank(std::string_view line)
{
  return fields(line).empty();
}

bool parseNumber(std::string_view s, double& value)
{
  // from_chars has no leading '+'.
  if (!s.empty() && s.front() == '+')
    s.remove_prefix(1);
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  return ec == std::errc() && end == s.data() + s.size() && std::isfinite(value);
}

// An element by its symbol in any case ("CL", "cl", "Cl"), or by its number.
int elementOf(std::string_view s)
{
  int number = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), number);
  if (ec == std::errc() && end == s.data() + s.size())
    return number >= 1 && number <= maxElement ? number : 0;
  if (s.empty() || s.size() > 2)
    return 0;
  std::string symbol(1, static_cast<char>(std::toupper(static_cast<unsigned char>(s[0]))));
  if (s.size() == 2)
    symbol += static_cast<char>(std::tolower(static_cast<unsigned char>(s[1])));
  return elementBySymbol(symbol.c_str());
}

std::string lineError(int line, const std::string& what)
{
  return "line " + std::to_string(line) + ": " + what;
}

} // namespace

void perceiveBonds(MoleculeRecord& m)
{
  double largest = 0;
  for (const AtomRecord& a : m.atoms)
    largest = std::max(largest, static_cast<double>(elementData(a.element).covalentRadius));
  const double cell = std::max(2 * largest * bondTolerance, 0.5);
  // Cell numbers clamped to 21 bits each, three of them in one key: coordinates beyond the
  // clamp (1e17 Å) share the outermost cells rather than wrap onto others.
  constexpr std::int64_t cellLimit = (std::int64_t{ 1 } << 20) - 1;
  const auto cellOf = [cell](double v) {
    return static_cast<std::int64_t>(std::clamp(
      std::floor(v / cell), static_cast<double>(-cellLimit), static_cast<double>(cellLimit)));
  };
  const auto key = [](std::int64_t x, std::int64_t y, std::int64_t z) {
    return ((x & 0x1FFFFF) << 42) | ((y & 0x1FFFFF) << 21) | (z & 0x1FFFFF);
  };
  // Each atom's cell once; the atoms sorted by cell (in file order within one), and each
  // occupied cell's run of them.
  struct Cell
  {
    std::int64_t x, y, z;
  };
  std::vector<Cell> cells(m.atoms.size());
  std::vector<int> byCell(m.atoms.size());
  for (std::size_t i = 0; i < m.atoms.size(); ++i) {
    const AtomRecord& a = m.atoms[i];
    cells[i] = Cell{ cellOf(a.x), cellOf(a.y), cellOf(a.z) };
    byCell[i] = static_cast<int>(i);
  }
  const auto keyOf = [&](int i) {
    const Cell& c = cells[static_cast<std::size_t>(i)];
    return key(c.x, c.y, c.z);
  };
  std::stable_sort(byCell.begin(), byCell.end(), [&](int u, int v) { return keyOf(u) < keyOf(v); });
  std::unordered_map<std::int64_t, std::pair<std::size_t, std::size_t>> grid;
  grid.reserve(m.atoms.size());
  for (std::size_t k = 0; k < byCell.size();) {
    const std::int64_t here = keyOf(byCell[k]);
    std::size_t end = k + 1;
    while (end < byCell.size() && keyOf(byCell[end]) == here)
      ++end;
    grid.emplace(here, std::pair{ k, end });
    k = end;
  }
  std::vector<std::int64_t> near;
  for (std::size_t i = 0; i < m.atoms.size(); ++i) {
    const AtomRecord& a = m.atoms[i];
    const Cell& own = cells[i];
    const double ra = elementData(a.element).covalentRadius;
    // The 27 cells around the atom's own, each once however the clamp folds them together.
    near.clear();
    for (int dx = -1; dx <= 1; ++dx) {
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dz = -1; dz <= 1; ++dz) {
          near.push_back(key(std::clamp(own.x + dx, -cellLimit, cellLimit),
                             std::clamp(own.y + dy, -cellLimit, cellLimit),
                             std::clamp(own.z + dz, -cellLimit, cellLimit)));
        }
      }
    }
    std::sort(near.begin(), near.end());
    near.erase(std::unique(near.begin(), near.end()), near.end());
    for (const std::int64_t cellKey : near) {
      const auto found = grid.find(cellKey);
      if (found == grid.end())
        continue;
      for (auto run = found->second.first; run < found->second.second; ++run) {
        const int j = byCell[run];
        if (j <= static_cast<int>(i))
          continue;
        const AtomRecord& b = m.atoms[static_cast<std::size_t>(j)];
        const double limit = (ra + elementData(b.element).covalentRadius) * bondTolerance;
        const double d2 =
          (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z);
        // Atoms closer than any bond (0.4 Å: H2 is 0.74 Å) are not bonded but overlapping.
        if (d2 <= limit * limit && d2 >= minimumBond * minimumBond)
          m.bonds.push_back(BondRecord{ static_cast<int>(i), j, 2, false, Wedge::None });
      }
    }
  }
}

std::vector<MoleculeRecord> readXyz(std::string_view text, std::string& error)
{
  std::vector<MoleculeRecord> molecules;
  Lines lines{ text };
  std::string_view line;
  while (lines.next(line)) {
    if (isBlank(line))
      continue;
    const std::vector<std::string_view> head = fields(line);
    long long count = 0;
    const auto [end, ec] = std::from_chars(head[0].data(), head[0].data() + head[0].size(), count);
    if (head.size() != 1 || ec != std::errc() || end != head[0].data() + head[0].size() ||
        count < 1) {
      error = lineError(lines.number,
                        head.size() >= 4 && !molecules.empty()
                          ? "more atoms than the count " +
                              std::to_string(molecules.back().atoms.size()) + " says"
                          : "expected the number of atoms");
      return {};
    }
    MoleculeRecord m;
    m.dimensions = 3;
    if (!lines.next(line)) {
      error = lineError(lines.number + 1, "the comment line is missing");
      return {};
    }
    const std::vector<std::string_view> comment = fields(line);
    for (std::size_t i = 0; i < comment.size(); ++i)
      m.name += (i ? " " : "") + std::string(comment[i]);
    for (long long i = 0; i < count; ++i) {
      const bool read = lines.next(line);
      if (!read || isBlank(line)) {
        error =
          lineError(read ? lines.number : lines.number + 1,
                    "expected " + std::to_string(count) + " atoms, found " + std::to_string(i));
        return {};
      }
      const std::vector<std::string_view> f = fields(line);
      AtomRecord a;
      a.element = elementOf(f[0]);
      if (a.element == 0) {
        error = lineError(lines.number, "unknown element \"" + std::string(f[0]) + "\"");
        return {};
      }
      if (f.size() < 4 || !parseNumber(f[1], a.x) || !parseNumber(f[2], a.y) ||
          !parseNumber(f[3], a.z)) {
        error = lineError(lines.number, "expected an element and three coordinates");
        return {};
      }
      m.atoms.push_back(a);
    }
    perceiveBonds(m);
    molecules.push_back(std::move(m));
  }
  if (molecules.empty())
    error = lineError(std::max(lines.number, 1), "no atoms");
  return molecules;
}

} // namespace trelvix
