int betweenUnit() { return 0; }
