#include "portwizwindow.h"
#include "wizarddialogs.h"

#include <QApplication>

int main(int argc, char *argv[])
{
  QApplication app(argc, argv);
  QtWizardDialogs dialogs;
  PortwizWindow window(dialogs);
  window.exec();
  return 0;
}
