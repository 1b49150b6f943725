int coreUnit() { return 0; }
