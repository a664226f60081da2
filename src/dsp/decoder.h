#pragma once

#include <string>
#include <vector>

#include <pugixml.hpp>

#include "base/result.h"

class BrixoLog;

// Turning raw sample records into numbers through the configuration's formulas.
// A log of n records gives n - 1 values: the last record is never decoded.

struct DecodeOptions {
    // Evaluate each distinct reading once and reuse the result. The values are
    // bit-identical to evaluating every record; off only to measure the difference.
    bool reuseReadings = true;
};

// The factor from metres to the altitude's unit: the linear unit scale of the log's
// configuration for the region (1 in metres, 3.280839895013123 in feet as built in).
double AltitudeScale(const BrixoLog& log, bool imperial);

// Appends the altitude of each record relative to the first one, in metres. Nothing is
// appended, and the reason names the device and the formula, when the formula is empty, the
// parser rejects it or a value is not finite.
Status DecodeAltitude(const BrixoLog& log, std::vector<double>& out, DecodeOptions options = {});

// Appends the values of channel index (from 0), unscaled. Nothing is appended, and the
// reason says why, when the device has no such channel, the channel has no formula or no
// "offs", its reading lies outside the record, or the parser rejects its formula.
Status DecodeChannel(const BrixoLog& log, int index, std::vector<double>& out, DecodeOptions options = {});
// The same for a channel element already at hand (index numbers it in messages), so that
// decoding every channel walks the device's children once.
Status DecodeChannel(const BrixoLog& log, pugi::xml_node chan, int index, std::vector<double>& out,
                     DecodeOptions options = {});

int ChannelCount(const BrixoLog& log);
pugi::xml_node ChannelElement(const BrixoLog& log, int index);
