#pragma once

#include <QDialog>
#include <QPixmap>

// The about window: one picture, borderless, centred; a click closes it. Also the splash
// shown at start.
class TAboutForm : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *parent = nullptr);

    // Shows the window for `milliseconds` while processing events, then closes it.
    void showAsSplash(int milliseconds);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
};

// The program's picture: drawn, so the repository needs no image file for it.
QPixmap aboutPicture();
