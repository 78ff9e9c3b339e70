#include "app/arrow_form.h"

#include <QImage>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using trelvix::TArrowForm;

class ArrowFormTest : public QObject
{
  Q_OBJECT

private slots:
  void thirteenPicturesArmTheSymbolCodes()
  {
    TArrowForm form;
    form.show();
    const QList<int> codes{ 720, 721, 722, 723, 724, 725, 726, 727, 728, 729, 607, 608, 730 };
    QCOMPARE(static_cast<int>(form.pictures().size()), codes.size());
    QSignalSpy armed(&form, &TArrowForm::armed);
    for (int i = 0; i < codes.size(); ++i) {
      QCOMPARE(form.pictures()[static_cast<std::size_t>(i)].code, codes[i]);
      QTest::mouseClick(form.pictures()[static_cast<std::size_t>(i)].button, Qt::LeftButton);
      QCOMPARE(armed.count(), i + 1);
      QCOMPARE(armed.last().at(0).toInt(), codes[i]);
    }
  }

  void eachPictureIsDrawnAndDiffersFromTheOthers()
  {
    TArrowForm form;
    QList<QImage> images;
    for (const auto& picture : form.pictures()) {
      const QImage image = picture.button->icon().pixmap(picture.button->iconSize()).toImage();
      int ink = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          ink += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
      QVERIFY2(ink > 20, qPrintable(QString::number(picture.code)));
      QVERIFY(!images.contains(image));
      images << image;
    }
  }

  void aPictureLooksPressedWhileTheButtonIsDown()
  {
    TArrowForm form;
    form.show();
    QToolButton* button = form.pictures().front().button;
    QTest::mousePress(button, Qt::LeftButton);
    QVERIFY(button->isDown());
    QTest::mouseRelease(button, Qt::LeftButton);
    QVERIFY(!button->isDown());
  }

  void closeHidesThePalette()
  {
    TArrowForm form;
    form.show();
    QSignalSpy closed(&form, &TArrowForm::closed);
    QPushButton* close = form.findChild<QPushButton*>();
    QVERIFY(close);
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QCOMPARE(closed.count(), 1);
  }
};

QTEST_MAIN(ArrowFormTest)
#include "arrow_form_test.moc"
