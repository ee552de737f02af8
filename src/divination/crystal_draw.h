#pragma once

// The crystal number (1 to 31) for a uniform value r in [0, 1): 1 + floor(r * 31), so every
// crystal has the same chance. Any other r still gives a crystal: below 0 (or not a number) the
// first, from 1 up the last.
int Crystal_Number(double r);
