#include "picturestrip.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kStripWidth = 150;

void drawUsbPlug(QPainter &painter, QPointF top)
{
  const QRectF metalShell(top.x() - 18, top.y(), 36, 34);
  painter.setPen(QPen(QColor(70, 70, 80), 1.5));
  painter.setBrush(QColor(205, 210, 220));
  painter.drawRect(metalShell);
  painter.setBrush(QColor(70, 70, 80));
  painter.drawRect(QRectF(top.x() - 10, top.y() + 8, 7, 6));
  painter.drawRect(QRectF(top.x() + 3, top.y() + 8, 7, 6));
  painter.setBrush(QColor(40, 40, 48));
  painter.drawRoundedRect(QRectF(top.x() - 22, top.y() + 34, 44, 56), 6, 6);
}

void drawSerialConnector(QPainter &painter, QPointF top)
{
  painter.setPen(QPen(QColor(70, 70, 80), 1.5));
  painter.setBrush(QColor(40, 40, 48));
  painter.drawRoundedRect(QRectF(top.x() - 22, top.y(), 44, 46), 6, 6);
  QPainterPath shell;
  shell.moveTo(top.x() - 30, top.y() + 46);
  shell.lineTo(top.x() + 30, top.y() + 46);
  shell.lineTo(top.x() + 24, top.y() + 76);
  shell.lineTo(top.x() - 24, top.y() + 76);
  shell.closeSubpath();
  painter.setBrush(QColor(205, 210, 220));
  painter.drawPath(shell);
  painter.setBrush(QColor(70, 70, 80));
  for (int pin = 0; pin < 5; ++pin)
    painter.drawEllipse(QPointF(top.x() - 20 + pin * 10, top.y() + 56), 2.5, 2.5);
  for (int pin = 0; pin < 4; ++pin)
    painter.drawEllipse(QPointF(top.x() - 15 + pin * 10, top.y() + 67), 2.5, 2.5);
}

void drawCable(QPainter &painter, QPointF from, QPointF to)
{
  QPainterPath cable(from);
  const qreal middle = (from.y() + to.y()) / 2;
  cable.cubicTo(QPointF(from.x() + 45, middle), QPointF(to.x() - 45, middle), to);
  painter.setPen(QPen(QColor(30, 30, 36), 7, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(cable);
}

} // namespace

PictureStrip::PictureStrip(QWidget *parent)
    : QWidget(parent)
{
  setFixedWidth(kStripWidth);
}

QSize PictureStrip::sizeHint() const
{
  return QSize(kStripWidth, 400);
}

void PictureStrip::paintEvent(QPaintEvent *)
{
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient background(0, 0, 0, height());
  background.setColorAt(0, QColor(178, 34, 34));
  background.setColorAt(1, QColor(60, 10, 14));
  painter.fillRect(rect(), background);

  const qreal centre = width() / 2.0;
  const QPointF plugTop(centre, height() * 0.12);
  const QPointF connectorTop(centre, height() * 0.62);
  drawCable(painter, plugTop + QPointF(0, 90), connectorTop);
  drawUsbPlug(painter, plugTop);
  drawSerialConnector(painter, connectorTop);

  painter.setPen(Qt::white);
  QFont font = painter.font();
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(QRectF(0, height() - 40, width(), 24), Qt::AlignCenter, QStringLiteral("USB to UART"));
}
