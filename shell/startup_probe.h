// For the start-up benchmark (bench/startup.sh): when the environment
// variable TABRIX_STARTUP_PROBE names a file, the program writes there two
// wall-clock times, in nanoseconds since the epoch: when its window was
// first painted ("shown"), and when it had been painted and the event loop
// first had nothing left to do ("drawn and quiet"). The bare Qt window the
// benchmark compares with does the same. Without the variable nothing is
// installed.
#pragma once

class QWidget;

namespace tabrix {

void InstallStartupProbe(QWidget* window);

}  // namespace tabrix
