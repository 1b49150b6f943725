int windowsUnit() { return 0; }
