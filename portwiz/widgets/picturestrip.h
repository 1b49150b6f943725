#pragma once

#include <QWidget>

// The picture on the left of every page: a USB plug joined by its cable to a serial connector.
class PictureStrip final : public QWidget
{
  Q_OBJECT

public:
  explicit PictureStrip(QWidget *parent = nullptr);

  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent *event) override;
};
