#pragma once

// Tells the launcher how each of its windows is made. Called once before the launcher opens.
void Register_Windows();
