// The stop window's state: the strain energy text and the stop flag.
#include "mechanics/stop_tool.h"

#include <cstdio>

namespace trelvix {

void StopTool::FormShow()
{
  m_visible = true;
  m_stop = false;
}

void StopTool::StopBitBtn1Click()
{
  m_visible = false;
  m_stop = true;
}

void StopTool::showEnergy(double energy)
{
  char text[64];
  std::snprintf(text, sizeof text, "%8.2f", energy * 0.001);
  m_energy = text;
}

} // namespace trelvix
