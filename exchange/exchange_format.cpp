#include "exchange/exchange_format.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <utility>

namespace trelvix {

namespace {

constexpr std::array<std::pair<std::string_view, ExchangeFormat>, 10> formatNames{ {
  { "tvx", ExchangeFormat::Tvx },
  { "mol", ExchangeFormat::Mol },
  { "mdl", ExchangeFormat::Mol },
  { "sdf", ExchangeFormat::Sdf },
  { "sd", ExchangeFormat::Sdf },
  { "smi", ExchangeFormat::Smiles },
  { "smiles", ExchangeFormat::Smiles },
  { "xyz", ExchangeFormat::Xyz },
  { "pdb", ExchangeFormat::Pdb },
  { "ent", ExchangeFormat::Pdb },
} };

} // namespace

std::optional<ExchangeFormat> formatFromName(std::string_view name)
{
  if (!name.empty() && name.front() == '.')
    name.remove_prefix(1);
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
    return static_cast<char>(std::tolower(c));
  });
  for (const auto& [text, format] : formatNames) {
    if (text == lower)
      return format;
  }
  return std::nullopt;
}

std::optional<ExchangeFormat> formatFromPath(const std::string& path)
{
  const std::string extension = std::filesystem::path(path).extension().string();
  if (extension.empty())
    return std::nullopt;
  return formatFromName(extension);
}

} // namespace trelvix
