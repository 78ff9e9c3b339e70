// The measurement tool through the command layer: what it offers for a document, and the bond
// lengths, angles, torsions and distances its presses draw, against hand-worked geometry.
#include "../model/model_fixture.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "document/measurements.h"
#include "model/atom.h"
#include "model/link.h"
#include "platform/recording_canvas.h"

#include <array>
#include <vector>

namespace trelvix {
namespace {

constexpr int ethaneCode = 501;
constexpr int propaneCode = 502;
constexpr int butaneCode = 503;

class MeasurementsTest : public ModelTest
{
protected:
  CommandLayer layer{ std::make_unique<tDrawing>() };
  const tDrawing& doc() const { return layer.drawing(); }

  /// The atoms of the chain an alkane template drew, from one end to the other.
  std::vector<tXY*> chain()
  {
    std::vector<tXY*> atoms;
    const auto bondsOf = [&](const tXY* a) {
      std::vector<tXY*> partners;
      for (tLink* b : doc().Bonds) {
        if (tXY* p = b->partner(a))
          partners.push_back(p);
      }
      return partners;
    };
    for (tXY* a : doc().Atoms) {
      if (bondsOf(a).size() == 1) {
        atoms.push_back(a);
        break;
      }
    }
    while (!atoms.empty()) {
      tXY* next = nullptr;
      for (tXY* p : bondsOf(atoms.back())) {
        if (atoms.size() < 2 || p != atoms[atoms.size() - 2])
          next = p;
      }
      if (!next)
        break;
      atoms.push_back(next);
    }
    return atoms;
  }

  /// Builds the alkane and puts its chain atoms at the given 3D positions (drawing units).
  void placeChain(int code, const std::vector<std::array<double, 3>>& positions)
  {
    layer.BuildAt(200, 200, code);
    const std::vector<tXY*> atoms = chain();
    ASSERT_EQ(atoms.size(), positions.size());
    for (std::size_t i = 0; i < atoms.size(); ++i)
      atoms[i]->setRXYZ(positions[i][0], positions[i][1], positions[i][2]);
  }

  /// The texts drawn on the window's canvas since it was last cleared.
  std::vector<CanvasOp> texts()
  {
    std::vector<CanvasOp> found;
    for (const CanvasOp& op : shell.canvas().ops()) {
      if (op.kind == CanvasOp::Kind::Text)
        found.push_back(op);
    }
    return found;
  }
};

TEST_F(MeasurementsTest, EthaneMeasuresOneBondOfOnePointFiveThreeAtEveryScale)
{
  for (const std::uint16_t scale : { 28, 56 }) {
    SCOPED_TRACE(scale);
    layer.NewDocument();
    modelDefaults().BondScalePixels = scale;
    layer.BuildAt(200, 200, ethaneCode);
    layer.openMeasurements();
    EXPECT_EQ(layer.editorMode(), EditorMode::Measurement);
    const MetricKinds kinds = layer.availableMeasurements();
    EXPECT_TRUE(kinds.bondLength);
    EXPECT_FALSE(kinds.bondAngle); // two carbons make no angle
    EXPECT_FALSE(kinds.torsionAngle);
    EXPECT_TRUE(kinds.distance);

    tLink* bond = doc().Bonds.At(0);
    const Point middle = bond->getcenter();
    shell.canvas().clear();
    const CommandResult result = layer.measureAt(MeasureKind::BondLength, middle.x, middle.y + 3);
    EXPECT_EQ(result.measurement, "1.53 Å");
    EXPECT_FALSE(result.changed);
    // Drawn beside the bond's middle in the measurement colour; the bond has its colour back.
    const std::vector<CanvasOp> drawn = texts();
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.back().text, "1.53 Å");
    EXPECT_EQ(drawn.back().textColour, measureColour);
    EXPECT_EQ(drawn.back().points.at(0), (Point{ middle.x + 5, middle.y - 5 }));
    EXPECT_EQ(bond->colour, black);
    layer.closeMeasurements();
    EXPECT_EQ(layer.editorMode(), EditorMode::Drawing);
  }
}

TEST_F(MeasurementsTest, BondAngleOfABentChainInThreeDimensions)
{
  // Apex at (200, 200, 0); the arms (28, 0, 0) and (-7, 0, 24): cos = -7 * 28 / (28 * 25) =
  // -0.28, the angle acos(-0.28) = 106.26°. Flat on the page the arms would look 180° apart.
  placeChain(propaneCode, { { 228, 200, 0 }, { 200, 200, 0 }, { 193, 200, 24 } });
  layer.openMeasurements();
  const MetricKinds kinds = layer.availableMeasurements();
  EXPECT_TRUE(kinds.bondAngle);
  EXPECT_FALSE(kinds.torsionAngle);
  // The atoms' centroid is (207, 200); a press a few pixels off still hits the angle.
  EXPECT_EQ(layer.measureAt(MeasureKind::BondAngle, 209, 203).measurement, "106.3°");
  // Empty paper more than a bond length from the centroid: nothing.
  shell.canvas().clear();
  EXPECT_EQ(layer.measureAt(MeasureKind::BondAngle, 207, 240).measurement, "");
  EXPECT_TRUE(shell.canvas().ops().empty());
}

TEST_F(MeasurementsTest, APressOnAnAtomMeasuresTheAngleAtThatAtom)
{
  // The bent chain above with a fourth carbon on (193, 228, 24): from the third carbon its arms
  // run (7, 0, -24) and (0, 28, 0), at right angles.
  placeChain(butaneCode, { { 228, 200, 0 }, { 200, 200, 0 }, { 193, 200, 24 }, { 193, 228, 24 } });
  layer.openMeasurements();
  struct Press
  {
    double x, y;
    const char* angle;
  };
  for (const Press& press :
       { Press{ 200, 200, "106.3°" }, Press{ 193, 200, "90.0°" }, Press{ 196, 203, "90.0°" } }) {
    SCOPED_TRACE(press.angle);
    EXPECT_EQ(layer.measureAt(MeasureKind::BondAngle, press.x, press.y).measurement, press.angle);
  }
}

TEST_F(MeasurementsTest, TorsionOfAFourAtomChainInThreeDimensions)
{
  // Axis from (200, 200, 0) to (228, 200, 0) along x. Seen along the axis the first arm points
  // along (0, 28, 0) and the last along (0, 14, 24.2487) = 28 (0, cos 60°, sin 60°): 60.0°.
  placeChain(
    butaneCode,
    { { 190, 228, 0 }, { 200, 200, 0 }, { 228, 200, 0 }, { 238, 214, 24.24871130596428 } });
  layer.openMeasurements();
  ASSERT_TRUE(layer.availableMeasurements().torsionAngle);
  // Centroid ((190 + 200 + 228 + 238) / 4, (228 + 200 + 200 + 214) / 4) = (214, 210.5).
  shell.canvas().clear();
  EXPECT_EQ(layer.measureAt(MeasureKind::TorsionAngle, 214, 210).measurement, "60.0°");
  // Drawn beside the middle of the axis bond, (214, 200).
  ASSERT_FALSE(texts().empty());
  EXPECT_EQ(texts().back().points.at(0), (Point{ 214 + 5, 200 - 5 }));
}

TEST_F(MeasurementsTest, DistanceTakesTwoPressesAndTheSameAtomTwiceStartsAgain)
{
  // The chain's ends: (228, 200, 0) and (193, 200, 24), sqrt(35² + 24²) = sqrt(1801) = 42.438
  // drawing units, x 1.53 / 28 = 2.319 Å.
  placeChain(propaneCode, { { 228, 200, 0 }, { 200, 200, 0 }, { 193, 200, 24 } });
  const std::vector<tXY*> atoms = chain();
  layer.openMeasurements();

  EXPECT_EQ(layer.measureAt(MeasureKind::Distance, 228, 201).measurement, "");
  EXPECT_EQ(doc().m1, atoms[0]);
  EXPECT_EQ(layer.measureAt(MeasureKind::Distance, 194, 200).measurement, "2.32 Å");
  EXPECT_EQ(doc().m2, atoms[2]);

  // The next press starts a new pair; pressing its atom again lets it go.
  layer.measureAt(MeasureKind::Distance, 200, 200);
  EXPECT_EQ(doc().m1, atoms[1]);
  EXPECT_EQ(doc().m2, nullptr);
  EXPECT_EQ(layer.measureAt(MeasureKind::Distance, 201, 199).measurement, "");
  EXPECT_EQ(doc().m1, nullptr);
  EXPECT_EQ(doc().m2, nullptr);
  // A press on empty paper holds nothing.
  layer.measureAt(MeasureKind::Distance, 400, 400);
  EXPECT_EQ(doc().m1, nullptr);

  // An atom held when it is deleted is let go with it.
  layer.measureAt(MeasureKind::Distance, 228, 200);
  layer.KeyUp("Delete", 228, 200);
  EXPECT_EQ(doc().m1, nullptr);
}

TEST_F(MeasurementsTest, ASingleAtomOffersNothingAndAPressDrawsNothing)
{
  layer.AddAtom(6, 200, 200);
  layer.openMeasurements();
  const MetricKinds kinds = layer.availableMeasurements();
  EXPECT_FALSE(kinds.bondLength || kinds.bondAngle || kinds.torsionAngle || kinds.distance);
  shell.canvas().clear();
  for (const MeasureKind kind : { MeasureKind::BondLength,
                                  MeasureKind::BondAngle,
                                  MeasureKind::TorsionAngle,
                                  MeasureKind::Distance }) {
    const CommandResult result = layer.measureAt(kind, 200, 200);
    EXPECT_EQ(result.measurement, "");
    EXPECT_FALSE(result.changed);
  }
  EXPECT_TRUE(shell.canvas().ops().empty());
  EXPECT_EQ(doc().m1, nullptr);
}

TEST_F(MeasurementsTest, TermsFollowEditsMadeWhileTheToolIsOpen)
{
  layer.BuildAt(200, 200, ethaneCode);
  layer.openMeasurements();
  EXPECT_FALSE(layer.availableMeasurements().bondAngle);
  // A third carbon on one end makes an angle; Undo takes it away again.
  layer.BranchAtom(6, doc().Atoms.At(1)->x3, doc().Atoms.At(1)->y3);
  ASSERT_EQ(doc().Bonds.Count(), 2);
  EXPECT_TRUE(layer.availableMeasurements().bondAngle);
  layer.Undo();
  EXPECT_FALSE(layer.availableMeasurements().bondAngle);
}

} // namespace
} // namespace trelvix
