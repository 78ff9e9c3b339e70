// Molecules through the clipboard as text: Copy as SMILES and Copy as MOL put the drawing's
// molecules there for other programs and notebooks, Paste places SMILES or MOL text from there at
// the pointer as one edit.
#include "app/drawing_surface.h"
#include "app/main_window.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "document/molecular_data.h"
#include "exchange/molecule_export.h"
#include "exchange/molecule_import.h"
#include "model/defaults.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QRegularExpression>
#include <vector>

namespace trelvix {

namespace {

/// The MIME type other chemistry programs read a molfile from.
const QString molfileMime = QStringLiteral("chemical/x-mdl-molfile");

bool looksLikeMolfile(const QString& text)
{
  return text.contains(QStringLiteral("M  END")) || text.contains(QStringLiteral("V2000")) ||
         text.contains(QStringLiteral("V3000"));
}

ImportOptions pasteOptions()
{
  ImportOptions options;
  options.embed3D = modelDefaults().DrawMode3D;
  return options;
}

/// Reads a molfile and puts its molecule into the document with its centre at (x, y).
std::string placeMolfile(const std::string& text, double x, double y)
{
  ImportResult read = readMolecules(text, ExchangeFormat::Mol, "clipboard", pasteOptions());
  if (!read.drawing)
    return read.message;
  tDrawing& into = *CurrentDrawing;
  const std::vector<tXY*> pasted(read.drawing->Atoms.begin(), read.drawing->Atoms.end());
  into.Append(*read.drawing);
  // Append sets the new piece beside the drawing; the paste belongs where the pointer is.
  tAtoms moved;
  for (tXY* a : pasted)
    moved.Add(a);
  double cx = 0, cy = 0, cz = 0;
  moved.GetCG(cx, cy, cz);
  moved.Move(x - cx, y - cy, 0);
  moved.deleteall();
  into.update();
  return {};
}

} // namespace

void TTrelvix3D::copyStructureText(bool molfile)
{
  const tDrawing& drawing = m_layer->drawing();
  if (!holdsMolecule(drawing)) {
    showMessage("No Molecule");
    return;
  }
  const QString text = QString::fromStdString(
    exportDrawing(drawing, molfile ? ExchangeFormat::Mol : ExchangeFormat::Smiles));
  auto* data = new QMimeData;
  data->setText(text);
  if (molfile)
    data->setData(molfileMime, text.toUtf8());
  QGuiApplication::clipboard()->setMimeData(data);
}

void TTrelvix3D::pasteStructure()
{
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  QString text;
  if (data && data->hasFormat(molfileMime))
    text = QString::fromUtf8(data->data(molfileMime));
  else if (data && data->hasText())
    text = data->text();
  // A molfile's first lines may be blank (its title): only its emptiness is asked of the trimmed
  // text.
  if (text.trimmed().isEmpty()) {
    showMessage("Nothing to Paste");
    return;
  }
  // At the pointer when it was last over the drawing, else in the middle of what is in view.
  QPointF at = m_surface->lastPointer();
  if (!m_surface->rect().contains(m_surface->toSurface(at).toPoint()))
    at = m_surface->toDrawing(QPointF(m_surface->rect().center()));
  const std::string content = text.toStdString();
  if (looksLikeMolfile(text)) {
    m_layer->Place([&] { return placeMolfile(content, at.x(), at.y()); });
  } else {
    const ImportOptions options = pasteOptions();
    // One line of SMILES (a name after it is left out).
    const std::string smiles = text.trimmed()
                                 .section(QLatin1Char('\n'), 0, 0)
                                 .section(QRegularExpression(QStringLiteral("\\s+")), 0, 0)
                                 .toStdString();
    if (const std::string fault = checkSmiles(smiles, options); !fault.empty()) {
      showMessage("Cannot paste: " + fault, "", MessageIcon::Error);
      return;
    }
    m_layer->Place([&] { return placeSmiles(smiles, at.x(), at.y(), options); });
  }
  repaintDocument();
}

} // namespace trelvix
