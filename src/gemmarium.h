#pragma once

// Tells the launcher how each of its windows is made, and gives them all the program's style.
// Called once before the launcher opens.
void Register_Windows();

// Names the program for the settings store and the desktop, and gives every window its icon.
void Set_Program_Identity();

// Starts the program in the running QApplication and runs it until it ends; the exit code.
int Run_Program();
