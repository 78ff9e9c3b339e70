#pragma once

#include <functional>

class QAbstractSlider;

namespace trelvix {

/// Makes slider act while it is dragged and spring back to the middle of its range when let go,
/// as the editors' scroll bars do.
///
/// track(p) runs for every position p the slider is dragged through. A step that is not a drag
/// (an arrow or trough click, a key, the wheel) runs track once at the position it reaches and then
/// ends like a release: each step acts by its own size from the rest position, so repeated steps
/// add up in the model while the slider itself always comes back. At the end of a drag or step
/// the slider goes back to (minimum + maximum) / 2 (rounded toward zero) and release() runs.
void makeSpringSlider(QAbstractSlider* slider,
                      std::function<void(int)> track,
                      std::function<void()> release);

/// The rest position of slider: the middle of its range, rounded toward zero.
int restPosition(const QAbstractSlider& slider);

} // namespace trelvix
