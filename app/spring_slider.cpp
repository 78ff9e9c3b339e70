#include "app/spring_slider.h"

#include <QAbstractSlider>

namespace trelvix {

int restPosition(const QAbstractSlider& slider)
{
  return (slider.minimum() + slider.maximum()) / 2;
}

void makeSpringSlider(QAbstractSlider* slider,
                      std::function<void(int)> track,
                      std::function<void()> release)
{
  auto springBack = [slider, release] {
    // setSliderPosition inside actionTriggered also decides the value the action settles on.
    slider->setSliderPosition(restPosition(*slider));
    slider->setValue(restPosition(*slider));
    release();
  };
  QObject::connect(
    slider, &QAbstractSlider::actionTriggered, slider, [slider, track, springBack](int action) {
      if (action == QAbstractSlider::SliderNoAction)
        return;
      track(slider->sliderPosition());
      // A drag goes on until the handle is let go; every other step ends at once.
      if (action != QAbstractSlider::SliderMove || !slider->isSliderDown())
        springBack();
    });
  QObject::connect(slider, &QAbstractSlider::sliderReleased, slider, springBack);
}

} // namespace trelvix
