// The stop window's state: the strain energy text and the stop flag.
#include "mechanics/stop_tool.h"

#include "platform/fixed_text.h"

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
  m_energy = fixedText(energy * 0.001, 8, 2);
}

} // namespace trelvix
