// The application shell: start-up, the frame loop and the event pump.
#pragma once

#include <iosfwd>

// The whole run of the demo, writing its report and failure lines to out.
// Returns the process exit status: 0 after a normal run, -1 when SDL
// cannot start.
int runDemo(std::ostream& out);

// Drains the SDL event queue; false once a quit event has been taken or a
// termination signal (SIGINT, SIGTERM) has arrived.
bool pumpEvents();

// Routes SIGINT and SIGTERM to pumpEvents for the length of a run.
void catchTerminationSignals();
void releaseTerminationSignals();
