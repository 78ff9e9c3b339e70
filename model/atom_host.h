#pragma once

namespace trelvix {

class tAtoms;
class tbondlist;
class tAtm;
class tbond;

/// What the atoms of a structure need of the document they belong to: its atom and bond lists
/// (neighbour and bond lists are rebuilt from them) and the building steps that attach new
/// hydrogens. The document registers itself as the host while it is the one being edited; the
/// model never reaches upwards for it.
class AtomHost
{
public:
  virtual ~AtomHost();

  virtual tAtoms& hostAtoms() = 0;
  virtual tbondlist& hostBonds() = 0;

  /// Takes ownership of a new atom and its new bond, appending them to the document's lists.
  /// Either may be nullptr.
  virtual void adopt(tAtm* atom, tbond* bond) = 0;

  /// Creates an atom of element z at atom + (dx, dy) (same z), bonded to atom by a single bond,
  /// owned by the document. Returns the new atom.
  virtual tAtm* addAtomAtOffset(tAtm& atom, int z, double dx, double dy) = 0;

  /// Creates a hydrogen bonded to atom by a single bond, one bond length from atom in the
  /// direction of the point (x, y), owned by the document. Returns the new hydrogen.
  virtual tAtm* linkHydrogenTowards(tAtm& atom, double x, double y) = 0;

  /// True while the group editor is open; then 3D protonation and deprotonation touch only the
  /// members of the edited group.
  virtual bool groupEditorShown() const = 0;
  virtual bool isMemberOfEditedGroup(const tAtm* atom) const = 0;
};

/// The host in force, or nullptr when no document is being edited.
AtomHost* atomHost();
/// Registers host (not owned); nullptr when the document goes away.
void setAtomHost(AtomHost* host);

/// Makes host the host in force for a while (a copy being drawn answers for its own atoms), and
/// puts the one before back at the end of the scope.
class AtomHostScope
{
public:
  explicit AtomHostScope(AtomHost* host)
    : m_before(atomHost())
  {
    setAtomHost(host);
  }
  ~AtomHostScope() { setAtomHost(m_before); }
  AtomHostScope(const AtomHostScope&) = delete;
  AtomHostScope& operator=(const AtomHostScope&) = delete;

private:
  AtomHost* m_before;
};

} // namespace trelvix
