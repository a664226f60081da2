<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DownloadDialog</name>
    <message numerus="yes">
        <source>The %n flight(s) listed were not taken over.</source>
        <extracomment>English: &quot;The flight listed was not taken over.&quot; for one, &quot;The %n flights listed were not taken over.&quot; else</extracomment>
        <translation>
            <numerusform>The flight listed was not taken over.</numerusform>
            <numerusform>The %n flights listed were not taken over.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogbookView</name>
    <message numerus="yes">
        <source>%n log(s)</source>
        <extracomment>the logs shown, in the logbook&apos;s totals; English: &quot;1 log&quot;, &quot;2 logs&quot;</extracomment>
        <translation>
            <numerusform>%n log</numerusform>
            <numerusform>%n logs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n flight(s)</source>
        <extracomment>the flights in the logs shown, in the logbook&apos;s totals; English: &quot;1 flight&quot;, &quot;2 flights&quot;</extracomment>
        <translation>
            <numerusform>%n flight</numerusform>
            <numerusform>%n flights</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message numerus="yes">
        <source>Delete these %n flight(s) from the logbook?
The memory images they came from stay on disk and can be imported again.</source>
        <extracomment>English: &quot;Delete this flight from the logbook?...&quot; for one, &quot;Delete these %n flights from the logbook?...&quot; for more.</extracomment>
        <translation>
            <numerusform>Delete this flight from the logbook?
The memory images they came from stay on disk and can be imported again.</numerusform>
            <numerusform>Delete these %n flights from the logbook?
The memory images they came from stay on disk and can be imported again.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finding the climbs of %n flight(s)...</source>
        <translation>
            <numerusform>Finding the climbs of %n flight...</numerusform>
            <numerusform>Finding the climbs of %n flights...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finding the climbs: %1 of %n flight(s)</source>
        <translation>
            <numerusform>Finding the climbs: %1 of %n flight</numerusform>
            <numerusform>Finding the climbs: %1 of %n flights</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n flight(s) exported to %1</source>
        <translation>
            <numerusform>%n flight exported to %1</numerusform>
            <numerusform>%n flights exported to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the downloaded flights look damaged; they were kept as they came.</source>
        <translation>
            <numerusform>%n of the downloaded flights looks damaged; it was kept as it came.</numerusform>
            <numerusform>%n of the downloaded flights look damaged; they were kept as they came.</numerusform>
        </translation>
    </message>
</context>
</TS>
