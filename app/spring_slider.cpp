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
    // setValue moves the handle too, and unlike setSliderPosition it triggers no action (which
    // would act at the rest position); inside actionTriggered the action then settles there.
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
