#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trelvix {

/// The file formats the program reads and writes.
enum class ExchangeFormat
{
  Tvx,    ///< the program's own document
  Mol,    ///< MDL molfile (V2000, V3000 when over 999 atoms or bonds)
  Sdf,    ///< MDL structure-data file, one record per structure
  Smiles, ///< one SMILES per line, optionally followed by a name
  Xyz,    ///< element symbols and Cartesian coordinates in Ångström
  Pdb,    ///< Protein Data Bank ATOM/HETATM records with CONECT bonds
};

/// The format a name stands for: an extension with or without its dot ("mol", ".sdf") or a
/// format name ("smiles", "tvx"), in any case; nothing for a name the program does not know.
std::optional<ExchangeFormat> formatFromName(std::string_view name);
/// The format of a file by its extension; nothing without a known one.
std::optional<ExchangeFormat> formatFromPath(const std::string& path);

} // namespace trelvix
