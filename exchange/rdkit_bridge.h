#pragma once

// Between the program's molecule records and RDKit's molecules. Only the exchange library's
// own sources include this header: RDKit stays inside it.
#include "exchange/molecule_record.h"

#include <GraphMol/RWMol.h>
#include <memory>
#include <string>

namespace trelvix {

/// Keeps RDKit's own log lines off standard error (the program reports its failures itself)
/// and chooses its stereo perception; called before any use of RDKit.
void silenceRDKit();

/// The record of a sanitised RDKit molecule: each atom with its charge and total hydrogens,
/// bonds in their Kekulé form (aromatic ones marked with keepAromatic), wedges from the molfile's
/// bond stereo, coordinates of its first conformer in Ångström (dimensions 0 without one).
/// Hydrogens the program could not show on an atom (a metal hydride) become hydrogen atoms first.
/// On a fault (an element or charge the program does not hold) error says why and the record is
/// empty.
MoleculeRecord fromRDKit(RDKit::RWMol& mol, bool keepAromatic, std::string& error);

/// An RDKit molecule of the record: atoms with exactly the record's hydrogens, bonds of its
/// types (resonance as aromatic), a conformer with its coordinates, sanitised as far as its
/// chemistry allows, with the stereo its coordinates and wedges show (up to 999 atoms).
std::unique_ptr<RDKit::RWMol> toRDKit(const MoleculeRecord& molecule);

} // namespace trelvix
