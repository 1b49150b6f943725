#pragma once

#include "devicemodel.h"

#include <QLabel>
#include <QWidget>
#include <functional>

// The device selection window: borderless, on top, centred on the main window, dragged by
// its title panel; one link per model variant under the model headings.
class TSelectForm : public QWidget
{
    Q_OBJECT
public:
    // Opens the editor of a model and variant.
    using Opener = std::function<void(Model, quint8)>;

    TSelectForm(QWidget *mainWindow, Opener open);

    void centreOnMainWindow();

private:
    QWidget *createTitlePanel();
    QWidget *createLinks();

    QWidget *m_mainWindow;
    Opener m_open;
};

// A label that behaves like a web link: underlined and blue under the pointer.
class SelectLink : public QLabel
{
    Q_OBJECT
public:
    SelectLink(const QString &text, QWidget *parent);

Q_SIGNALS:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setHovered(bool hovered);
};
