#pragma once

// The exit codes scripts rely on. A refused open exits with 10 + N for "Error[N] : ...", a refused
// save with 20 + N for "Level[N] : ...".

#include "channelfile/open_channel_file.h"
#include "channelfile/save_channel_file.h"

constexpr int kExitOk = 0;
constexpr int kExitNotWritten = 1;  // the demo file or the command's output could not be written
constexpr int kExitUsage = 2;

int ExitCodeFor(OpenError error);
int ExitCodeFor(SaveError error);
