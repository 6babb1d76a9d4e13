#pragma once

// The channel list as a spreadsheet sees it: one row per service, in slot order, after a header
// row. Texts are UTF-8; a service whose transponder or satellite does not exist gets empty cells
// for them. Several CA systems or favourite groups in one cell are separated by ';'.

#include <ostream>

#include "database/channel_database.h"

void WriteChannelCsv(const ChannelDatabase& db, std::ostream& out);
