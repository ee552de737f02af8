#pragma once

class frmMDI;
class SingleInstance;

// The program's start: refuses a second running instance with a message, runs the update
// reminder and shows the launcher. Returns the launcher, or nullptr when the program must end.
frmMDI* Start_Program(SingleInstance& instance);
