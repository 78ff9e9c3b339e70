#include "cli/convert_command.h"

#include "cli/cli_session.h"
#include "cli/standard_output.h"
#include "document/drawing.h"
#include "document/file_format.h"
#include "exchange/molecule_export.h"
#include "exchange/molecule_import.h"
#include "platform/binary_io.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace trelvix {

namespace {

constexpr int userError = 1;
constexpr int usageError = 2;

std::optional<ExchangeFormat> formatOf(const std::string& path,
                                       std::optional<ExchangeFormat> forced,
                                       bool forceKnown)
{
  const std::optional<ExchangeFormat> named = path == "-" ? std::nullopt : formatFromPath(path);
  if (named && !(forceKnown && forced))
    return named;
  return forced;
}

// A document on standard input, read no further than the longest document file.
std::unique_ptr<tDrawing> readStandardInput(CliSession& session)
{
  std::vector<std::uint8_t> bytes;
  char buffer[65536];
  while (bytes.size() <= tvx::maxFileSize && std::cin.read(buffer, sizeof buffer).gcount() > 0)
    bytes.insert(bytes.end(), buffer, buffer + std::cin.gcount());
  if (bytes.size() > tvx::maxFileSize) {
    std::cerr << "Invalid file format: standard input: larger than the " << tvx::maxFileSize
              << " bytes such a file can hold\n";
    return nullptr;
  }
  std::string reason;
  std::unique_ptr<tDrawing> drawing = readDrawing(std::move(bytes), &reason);
  return session.accept(std::move(drawing), "standard input", reason);
}

// Read into a .tvx document, the molecules are placed on its page; converted to another exchange
// format, they keep the coordinates the file gave them.
std::unique_ptr<tDrawing> readInput(CliSession& session,
                                    const std::string& path,
                                    ExchangeFormat format,
                                    bool placeOnPage)
{
  if (format == ExchangeFormat::Tvx)
    return path == "-" ? readStandardInput(session) : session.load(path);
  ImportOptions options;
  options.placeOnPage = placeOnPage;
  ImportResult result = importFile(path, format, options);
  if (!result.drawing) {
    std::cerr << result.message << '\n';
    return nullptr;
  }
  setCurrentDrawing(result.drawing.get());
  return std::move(result.drawing);
}

bool writeBytes(const std::string& path, std::span<const std::uint8_t> bytes)
{
  if (path == "-") {
    std::cout.write(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<std::streamsize>(bytes.size()));
    return writtenToStandardOutput();
  }
  std::string reason;
  if (saveFile(path, bytes, &reason) != IoResult::Ok) {
    std::cerr << path << ": cannot write the file" << (reason.empty() ? "" : ": " + reason) << '\n';
    return false;
  }
  return true;
}

bool writeOutput(CliSession& session,
                 tDrawing& drawing,
                 const std::string& path,
                 ExchangeFormat format)
{
  if (format == ExchangeFormat::Tvx) {
    if (path != "-")
      return session.save(drawing, path);
    const std::vector<std::uint8_t> bytes = writeDrawing(drawing);
    session.flushMessages();
    return !bytes.empty() && writeBytes(path, bytes);
  }
  const std::string text = exportDrawing(drawing, format);
  return writeBytes(path, { reinterpret_cast<const std::uint8_t*>(text.data()), text.size() });
}

// The records of a text in a format of many records, each with the lines before it: SDF records
// up to their "$$$$" lines, SMILES lines (blank lines and comments left out).
std::vector<std::pair<std::string_view, int>> recordsOf(std::string_view text,
                                                        ExchangeFormat format)
{
  std::vector<std::pair<std::string_view, int>> records;
  std::size_t start = 0;
  int startLine = 0;
  int line = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    const std::string_view current = text.substr(at, end - at);
    ++line;
    at = end + 1;
    if (format == ExchangeFormat::Smiles) {
      const std::size_t first = current.find_first_not_of(" \t\r");
      if (first != std::string_view::npos && current[first] != '#')
        records.emplace_back(current, line - 1);
      continue;
    }
    if (current.starts_with("$$$$")) {
      records.emplace_back(text.substr(start, std::min(at, text.size()) - start), startLine);
      start = std::min(at, text.size());
      startLine = line;
    }
  }
  const std::string_view rest = text.substr(std::min(start, text.size()));
  if (format == ExchangeFormat::Sdf && rest.find_first_not_of(" \t\r\n") != std::string_view::npos)
    records.emplace_back(rest, startLine);
  return records;
}

// SDF or SMILES to SDF or SMILES, one record at a time: each is a document of its own while it
// is converted (its name and data items its own), so a library too large for one document
// converts all the same.
int convertRecords(const std::string& input,
                   ExchangeFormat from,
                   const std::string& output,
                   ExchangeFormat to)
{
  std::string text;
  if (const std::string failure = readInputText(input, from, text); !failure.empty()) {
    std::cerr << failure << '\n';
    return userError;
  }
  const std::string name = input == "-" ? "standard input" : input;
  const std::vector<std::pair<std::string_view, int>> records = recordsOf(text, from);
  if (records.empty()) {
    std::cerr << name << ": " << (from == ExchangeFormat::Sdf ? "no molecule" : "no SMILES")
              << " in the input\n";
    return userError;
  }
  std::string converted;
  for (const auto& [record, linesBefore] : records) {
    ImportOptions options;
    options.lineOffset = linesBefore;
    options.placeOnPage = false;
    ImportResult read = readMolecules(record, from, name, options);
    if (!read.drawing) {
      std::cerr << read.message << '\n';
      return userError;
    }
    converted += exportDrawing(*read.drawing, to);
  }
  return writeBytes(output,
                    { reinterpret_cast<const std::uint8_t*>(converted.data()), converted.size() })
           ? 0
           : userError;
}

bool isLibrary(ExchangeFormat format)
{
  return format == ExchangeFormat::Sdf || format == ExchangeFormat::Smiles;
}

} // namespace

int runConvert(CliSession& session,
               const std::string& input,
               const std::string& output,
               const std::string& format)
{
  std::optional<ExchangeFormat> forced;
  if (!format.empty()) {
    forced = formatFromName(format);
    if (!forced) {
      std::cerr << "Unknown format: " << format << '\n';
      return usageError;
    }
  }
  const bool bothNamed =
    input != "-" && output != "-" && formatFromPath(input) && formatFromPath(output);
  const std::optional<ExchangeFormat> from = formatOf(input, forced, false);
  const std::optional<ExchangeFormat> to = formatOf(output, forced, bothNamed);
  if (!from || !to) {
    std::cerr << "Cannot tell the format of " << (from ? output : input)
              << ": give --format (tvx, mol, sdf, smi, xyz, pdb)\n";
    return usageError;
  }
  if (isLibrary(*from) && isLibrary(*to))
    return convertRecords(input, *from, output, *to);
  std::unique_ptr<tDrawing> drawing = readInput(session, input, *from, *to == ExchangeFormat::Tvx);
  if (!drawing)
    return userError;
  return writeOutput(session, *drawing, output, *to) ? 0 : userError;
}

} // namespace trelvix
