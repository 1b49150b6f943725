#include "wizardflow.h"

WizardStep nextStep(WizardStep step, bool generateInstaller)
{
  if (step == WizardStep::DeviceName && !generateInstaller)
    return WizardStep::GenerationDirectory;
  if (step == WizardStep::Summary)
    return step;
  return WizardStep(int(step) + 1);
}

WizardStep previousStep(WizardStep step, bool generateInstaller)
{
  if (step == WizardStep::GenerationDirectory && !generateInstaller)
    return WizardStep::DeviceName;
  if (step == WizardStep::PackageType)
    return step;
  return WizardStep(int(step) - 1);
}
