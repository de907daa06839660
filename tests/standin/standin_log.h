// The stand-in's start log: how it was started, for tests of the launch.
#pragma once

// Appends the current directory, the own path, the error mode inherited from the
// starter and the show flag and command it passed to "<exe name>.log" beside the
// executable.
void AppendStartLog();
