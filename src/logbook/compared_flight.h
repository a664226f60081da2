#pragma once

#include <optional>
#include <string>

#include "dsp/comparison.h"
#include "logbook/logbook.h"

struct Settings;

// A log made ready to compare: its altitude above its start and its vario as the settings filter
// them, its flights (the pilot's marks where the logbook has them), its climbs, and what the
// logbook notes of it (the time flown, the start elevation, the site). fallbackName names it
// where the pilot gave no name.
ComparedFlight ComparedFlightOf(const BrixoLog& log, const Settings& settings, const std::optional<LogbookEntry>& entry,
                                const std::string& fallbackName);
