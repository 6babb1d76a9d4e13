#pragma once

// A made-up but plausible channel list for a newcomer to open: six satellites with their LNB and
// DiSEqC settings, 100 transponders, about 450 TV and radio channels (some scrambled, some locked)
// and five named favourite groups. It is built from fixed tables, so it is the same every time.

#include <memory>

#include "database/channel_database.h"

std::unique_ptr<ChannelDatabase> MakeDemoDatabase();
