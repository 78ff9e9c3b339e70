#include "model/defaults.h"

namespace trelvix {

namespace {
ModelDefaults g_defaults;
const FontRecord* g_messageFont = nullptr;
} // namespace

ModelDefaults& modelDefaults()
{
  return g_defaults;
}

double bondScale()
{
  return g_defaults.BondScalePixels == 0 ? 28.0 : static_cast<double>(g_defaults.BondScalePixels);
}

double angstromsPerUnit()
{
  return 1.53 / bondScale();
}

const FontRecord& messageFont()
{
  return g_messageFont ? *g_messageFont : g_defaults.font;
}

void setMessageFontSource(const FontRecord* font)
{
  g_messageFont = font;
}

ModelDefaultsScope::ModelDefaultsScope(const ModelDefaults& defaults)
  : m_saved(g_defaults)
{
  g_defaults = defaults;
}

ModelDefaultsScope::~ModelDefaultsScope()
{
  g_defaults = m_saved;
}

} // namespace trelvix
