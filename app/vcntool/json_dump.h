#pragma once

// The database as one JSON object for scripts: raw field values, texts as their bytes in UTF-8.

#include <nlohmann/json.hpp>

#include "database/channel_database.h"

// Keys keep the order of the record layouts, which reads better than sorted keys.
nlohmann::ordered_json DatabaseJson(const ChannelDatabase& db);
