#pragma once

#include "exchange/exchange_format.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace trelvix {

class tDrawing;

/// How molecules from other programs become structures.
struct ImportOptions
{
  /// Aromatic rings keep the aromatic mark on their alternating bonds, as the Benzene menu's
  /// ring has it (so the force field, the properties and the depiction treat them as aromatic);
  /// without it they are plain alternating single and double bonds.
  bool aromaticBonds = true;
  /// SMILES get a 3D embedding instead of a flat depiction (the 3D draw mode asks for it).
  bool embed3D = false;
  /// Seed of the 3D embedding, so the same SMILES gives the same model.
  std::uint32_t seed = 20240517;
  /// Lines of the file before the text read (a record read on its own), for the line numbers
  /// of messages.
  int lineOffset = 0;
  /// The molecules are moved onto the page side by side, their depths centred on 0, as a
  /// document shows them; without it every coordinate stays where the file put it, so that a
  /// conversion between exchange formats keeps the coordinates themselves, not only the lengths.
  bool placeOnPage = true;
};

/// A document read from another program's file, or why it could not be.
struct ImportResult
{
  /// nullptr when the input was refused; then message says why in one line.
  std::unique_ptr<tDrawing> drawing;
  std::string message;
};

/// Reads text in format (not Tvx) into a new document: each molecule becomes a structure, laid
/// out side by side (see placeOnPage), with element atoms, charges, hydrogens and bond types as if
/// drawn: 3D coordinates exactly (Å x BondScalePixels / 1.53), 2D ones scaled so that the mean bond
/// is BondScalePixels long; SDF data items stay with their structures. sourceName names the input
/// in messages ("NAME: line N: what"). Nothing is kept from an input with any error.
ImportResult readMolecules(std::string_view text,
                           ExchangeFormat format,
                           const std::string& sourceName,
                           const ImportOptions& options = {});

/// The contents of a file ("-" for standard input) as importFile reads them into text: an empty
/// string, else the one-line message why not ("NAME: why").
std::string readInputText(const std::string& path, ExchangeFormat format, std::string& text);

/// readMolecules on the contents of a file ("-" for standard input); the document takes the
/// file's bare name with the extension .tvx. Only a regular file is read, opened without
/// waiting (a folder, a pipe or a device is refused at once), and of any input at most a bound
/// per format (64 MiB for SMILES and MOL, 256 MiB for XYZ and PDB, 512 MiB for SDF), which the
/// message of a longer one states.
ImportResult importFile(const std::string& path,
                        ExchangeFormat format,
                        const ImportOptions& options = {});

/// Whether smiles reads as one molecule placeSmiles can place with options: an empty string,
/// else the one-line reason (the parser's error).
std::string checkSmiles(std::string_view smiles, const ImportOptions& options);

/// Places the molecule of a SMILES as a new piece of the current document, centred on (x, y)
/// in drawing units: flat from a 2D depiction, or a 3D embedding with options.embed3D. Returns
/// an empty string when placed, else the one-line reason (the document is then unchanged).
std::string placeSmiles(std::string_view smiles, double x, double y, const ImportOptions& options);

} // namespace trelvix
