#pragma once

// What the bond and group editor tests share: a command layer on an empty document with reset
// defaults (bond-length scale 28) and a headless shell that records the messages, and a slider
// dragged the way the mouse drags it.

#include "commands/command_layer.h"
#include "document/drawing.h"
#include "model/defaults.h"
#include "platform/scripted_shell.h"

#include <QAbstractSlider>
#include <memory>

namespace trelvix::testing {

struct EditorLayer
{
  EditorLayer() { setCurrentShell(&shell); }
  ~EditorLayer() { setCurrentShell(nullptr); }
  EditorLayer(const EditorLayer&) = delete;
  EditorLayer& operator=(const EditorLayer&) = delete;

  ModelDefaultsScope defaults;
  ScriptedShell shell;
  CommandLayer layer{ std::make_unique<tDrawing>() };
};

/// Takes the handle of slider, moves it through positions (each a track event), as a mouse drag
/// does.
inline void grab(QAbstractSlider& slider, std::initializer_list<int> positions)
{
  slider.setSliderDown(true);
  for (int p : positions)
    slider.setSliderPosition(p);
}

/// Lets the handle go.
inline void letGo(QAbstractSlider& slider)
{
  slider.setSliderDown(false);
}

} // namespace trelvix::testing
