#pragma once

namespace trelvix {

class tbondlist;
class tXY;

/// True when the bond a1-a2 lies in one ring with its neighbours n1 (bonded to a1) and n2
/// (bonded to a2): n1 and n2 are the same atom (a three-membered ring), or a path of bonds of
/// `bonds` leads from n1 to n2 without passing through a1 or a2, which closes a ring
/// n1-a1-a2-n2-...-n1 of four or more members. False when n1 or n2 is a1 or a2 or missing.
bool sharesRingWithBond(const tbondlist& bonds,
                        const tXY* a1,
                        const tXY* a2,
                        const tXY* n1,
                        const tXY* n2);

} // namespace trelvix
