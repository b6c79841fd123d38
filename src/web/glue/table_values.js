// Runs inside the core's module factory: the control table and the window's client area and
// background as plain JavaScript values, each parsed from the one JSON text the core writes.
/* global Module */
Module.controlTable = () => JSON.parse(Module.controlTableJson());
Module.clientArea = () => JSON.parse(Module.clientAreaJson());
Module.formBackground = () => JSON.parse(Module.formBackgroundJson());
