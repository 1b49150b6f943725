#pragma once

// The wizard's pages in the order of "Next >".
enum class WizardStep {
  PackageType,
  Certification,
  OperatingSystem,
  Company,
  DeviceName,
  ProductNames,
  InstallerOptions,
  GenerationDirectory,
  Summary,
};

// Without an installer the product and installer pages are skipped both ways.
// There is no step after the summary nor before the package type page: both return the step itself.
WizardStep nextStep(WizardStep step, bool generateInstaller);
WizardStep previousStep(WizardStep step, bool generateInstaller);
