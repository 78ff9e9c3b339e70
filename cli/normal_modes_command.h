#pragma once

#include <string>

namespace trelvix {

class tDrawing;

/// `frequencies FILE --method normal-modes [--ff mmff94|uff|auto|classic] [--spectrum OUT]`: the
/// normal modes of each group as JSON (wavenumber in cm⁻¹, negative and flagged "not a minimum"
/// when imaginary; reduced mass; IR intensity in km/mol; displacements), and with --spectrum the
/// broadened IR spectrum of every group together as OUT.svg, OUT.png or OUT.csv. Returns the
/// exit status.
int runNormalModes(tDrawing& drawing, const std::string& forceField, const std::string& spectrum);

} // namespace trelvix
