#pragma once

#include <string>

namespace trelvix {

class ForceField;
class tDrawing;

/// The bond angle of the angle term hit at (x, y), drawn on the document beside its apex with
/// the term's atoms and bonds highlighted (tDrawing::showMeasurement). field holds the
/// document's terms. Returns the value drawn ("109.5°"), empty when no term is hit.
std::string ShowBondAngle(tDrawing& drawing, ForceField& field, double x, double y);
/// The torsion angle (0° eclipsed .. 180° anti) of the torsion term hit at (x, y), drawn beside
/// the middle of its axis bond; as ShowBondAngle.
std::string ShowTorsionAngle(tDrawing& drawing, ForceField& field, double x, double y);

} // namespace trelvix
