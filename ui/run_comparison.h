// What the Compare button does: shows the latest transmission in the upper box,
// compares it with the typed text, marks the first wrong character in both boxes
// and writes the result into the status line. Nothing else: no focus, no scroll.
#pragma once

void RunComparison();
