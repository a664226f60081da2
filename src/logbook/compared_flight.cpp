#include "logbook/compared_flight.h"

#include "app/settings.h"
#include "dsp/log_series.h"
#include "logbook/season.h"

ComparedFlight ComparedFlightOf(const BrixoLog& log, const Settings& settings, const std::optional<LogbookEntry>& entry,
                                const std::string& fallbackName)
{
    ComparedFlight f;
    // Heights above the start: the comparison adds a start elevation itself when asked.
    Settings aboveStart = settings;
    aboveStart.altAboveSeaLevel = false;
    const LogSeries series = BuildLogSeries(log, aboveStart, SeriesChoice::AltitudeAndVario, std::nullopt);
    if (series.series.size() >= 2) {
        f.altitude = series.series[0].values;
        f.vario = series.series[1].values;
        f.interval = series.series[0].interval;
        f.climbs = ClimbsOf(series, settings);
    }
    if (entry && entry->correctedFlights)
        f.flights = *entry->correctedFlights;
    else if (const auto found = FlightsOf(log))
        f.flights = *found;
    const std::string name = entry && entry->fields.name ? *entry->fields.name : fallbackName;
    if (entry) {
        f.date = FlownText(*entry, false).toStdString();  // the table's CSV keeps it in English
        f.site = entry->fields.site;
        f.startElevation = entry->fields.startElevation;
        if (entry->fields.flownAt)
            f.flownAtUnixMs = UnixMsFromFileTime(*entry->fields.flownAt);
    }
    f.label = (f.date.empty() ? "" : FlownDay(*entry).toString(Qt::ISODate).toStdString() + " ") +
              (f.site.empty() || (entry && entry->fields.name) ? name : f.site);
    return f;
}
