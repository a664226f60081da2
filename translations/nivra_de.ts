<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Nivra is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.

Nivra is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for more details.

You should have received a copy of the GNU General Public License along with Nivra (the file COPYING). If not, see &lt;https://www.gnu.org/licenses/&gt;.</source>
        <extracomment>the GPL&apos;s notice: the licence itself (COPYING) stays in English</extracomment>
        <translation>Nivra ist freie Software: Sie können es unter den Bedingungen der GNU General Public License, wie von der Free Software Foundation veröffentlicht, weitergeben und/oder verändern, entweder gemäß Version 3 der Lizenz oder (nach Ihrer Wahl) jeder späteren Version.

Nivra wird in der Hoffnung verbreitet, dass es nützlich sein wird, jedoch OHNE JEDE GEWÄHRLEISTUNG; sogar ohne die implizite Gewährleistung der MARKTGÄNGIGKEIT oder der EIGNUNG FÜR EINEN BESTIMMTEN ZWECK. Einzelheiten finden Sie in der GNU General Public License.

Sie sollten eine Kopie der GNU General Public License zusammen mit Nivra erhalten haben (die Datei COPYING). Falls nicht, siehe &lt;https://www.gnu.org/licenses/&gt;.</translation>
    </message>
    <message>
        <source>Nivra is built on these libraries, with thanks to their authors:

muparser %1, the formula parser: Copyright (C) 2004-2022 Ingo Berg. MIT licence.
pugixml %2, the XML reader: Copyright (C) 2006-2022 Arseny Kapoulkine. MIT licence.
Qt %3, the window toolkit: Copyright (C) 2016-2022 The Qt Company Ltd. Used under the GNU Lesser General Public License version 3.

The MIT licence of muparser and pugixml:

%4</source>
        <extracomment>%1, %2 and %3 are version numbers, %4 the MIT licence&apos;s text (in English)</extracomment>
        <translation>Nivra baut auf diesen Bibliotheken auf, mit Dank an ihre Autoren:

muparser %1, der Formelparser: Copyright (C) 2004-2022 Ingo Berg. MIT-Lizenz.
pugixml %2, der XML-Leser: Copyright (C) 2006-2022 Arseny Kapoulkine. MIT-Lizenz.
Qt %3, das Fenster-Toolkit: Copyright (C) 2016-2022 The Qt Company Ltd. Verwendet unter der GNU Lesser General Public License Version 3.

Die MIT-Lizenz von muparser und pugixml:

%4</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>&lt;b&gt;Nivra %1&lt;/b&gt;&lt;br&gt;The flights of the Brixo altimeter logger: downloaded, shown, measured and kept.&lt;br&gt;Copyright (C) 2026 The Nivra developers</source>
        <translation>&lt;b&gt;Nivra %1&lt;/b&gt;&lt;br&gt;Die Flüge des Höhenmesser-Loggers Brixo: heruntergeladen, angezeigt, ausgewertet und aufbewahrt.&lt;br&gt;Copyright (C) 2026 Die Nivra-Entwickler</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>Libraries</source>
        <translation>Bibliotheken</translation>
    </message>
    <message>
        <source>Supported devices list:</source>
        <translation>Liste der unterstützten Geräte:</translation>
    </message>
    <message>
        <source>Configuration: the built-in document.</source>
        <translation>Konfiguration: das eingebaute Dokument.</translation>
    </message>
    <message>
        <source>Configuration: %1</source>
        <translation>Konfiguration: %1</translation>
    </message>
</context>
<context>
    <name>ChartPicture</name>
    <message>
        <source>Takeoff</source>
        <comment>chart mark</comment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Landing</source>
        <comment>chart mark</comment>
        <translation>Landung</translation>
    </message>
</context>
<context>
    <name>ChartScene</name>
    <message>
        <source>Time</source>
        <comment>legend title of the mouse&apos;s time read-out</comment>
        <translation>Zeit</translation>
    </message>
</context>
<context>
    <name>ChartSeries</name>
    <message>
        <source>Alt</source>
        <extracomment>The altitude curve&apos;s name in the legend and on its axis: &quot;Alt [m]&quot;.</extracomment>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Vario</source>
        <extracomment>The vertical speed curve&apos;s name in the legend and on its axis: &quot;Vario [m/s]&quot;.</extracomment>
        <translation>Vario</translation>
    </message>
</context>
<context>
    <name>ChartStyleDialog</name>
    <message>
        <source>Min</source>
        <comment>lower bound of a value axis</comment>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <comment>upper bound of a value axis</comment>
        <translation>Max</translation>
    </message>
    <message>
        <source>Chart Style</source>
        <translation>Diagrammstil</translation>
    </message>
    <message>
        <source>Chart</source>
        <comment>colour entry: the chart&apos;s own default colour</comment>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Aligned to zero</source>
        <translation>Ab null</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Object</source>
        <comment>the list of the chart&apos;s series</comment>
        <translation>Objekt</translation>
    </message>
</context>
<context>
    <name>ClimbsView</name>
    <message>
        <source>Climb</source>
        <comment>column: the number of a climb</comment>
        <translation>Steigphase</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>column: the time a climb starts</comment>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <comment>column: the time a climb ends</comment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Duration</source>
        <comment>column: how long a climb lasts</comment>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Gain [%1]</source>
        <comment>column: height gained, %1 the length unit</comment>
        <translation>Gewinn [%1]</translation>
    </message>
    <message>
        <source>Average [%1]</source>
        <comment>column: average climb rate, %1 the speed unit</comment>
        <translation>Mittel [%1]</translation>
    </message>
    <message>
        <source>Max [%1]</source>
        <comment>column: greatest climb rate, %1 the speed unit</comment>
        <translation>Max [%1]</translation>
    </message>
</context>
<context>
    <name>ColorPicker</name>
    <message>
        <source>More Colors</source>
        <translation>Weitere Farben</translation>
    </message>
    <message>
        <source>Automatic</source>
        <comment>default colour</comment>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Weitere Farben...</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare Flights</source>
        <translation>Flüge vergleichen</translation>
    </message>
    <message>
        <source>Align by:</source>
        <translation>Ausrichten nach:</translation>
    </message>
    <message>
        <source>Takeoff</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Log start</source>
        <translation>Aufzeichnungsbeginn</translation>
    </message>
    <message>
        <source>Highest point</source>
        <translation>Höchster Punkt</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Every flight needs its time flown (Log Properties)</source>
        <translation>Jeder Flug braucht Tag und Uhrzeit des Flugs (Eigenschaften der Aufzeichnung)</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>above takeoff</source>
        <translation>über Start</translation>
    </message>
    <message>
        <source>above sea level</source>
        <translation>über Meereshöhe</translation>
    </message>
    <message>
        <source>Earlier</source>
        <extracomment>moves the flight chosen in the table back in time</extracomment>
        <translation>Früher</translation>
    </message>
    <message>
        <source>Later</source>
        <extracomment>moves the flight chosen in the table on in time</extracomment>
        <translation>Später</translation>
    </message>
    <message>
        <source>Reset offsets</source>
        <translation>Versatz zurücksetzen</translation>
    </message>
    <message>
        <source>The flight chosen in the table, 10 s earlier (1 s with Shift)</source>
        <translation>Den in der Tabelle gewählten Flug 10 s früher (1 s mit Umschalt)</translation>
    </message>
    <message>
        <source>The flight chosen in the table, 10 s later (1 s with Shift)</source>
        <translation>Den in der Tabelle gewählten Flug 10 s später (1 s mit Umschalt)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>The table as text, TAB-separated, for a spreadsheet</source>
        <translation>Die Tabelle als Text, tabulatorgetrennt, für eine Tabellenkalkulation</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation>Bild speichern...</translation>
    </message>
    <message>
        <source>The chart as shown, as a JPEG or PNG file</source>
        <translation>Das Diagramm wie angezeigt, als JPEG- oder PNG-Datei</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>JPEG Files (*.jpg);;PNG Files (*.png)</source>
        <translation>JPEG-Dateien (*.jpg);;PNG-Dateien (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be written to %1:
%2</source>
        <translation>Das Bild konnte nicht in %1 geschrieben werden:
%2</translation>
    </message>
    <message>
        <source>The table could not be written to %1:
%2</source>
        <translation>Die Tabelle konnte nicht in %1 geschrieben werden:
%2</translation>
    </message>
</context>
<context>
    <name>ComparisonPicture</name>
    <message>
        <source>Height above sea level</source>
        <translation>Höhe über Meer</translation>
    </message>
    <message>
        <source>Height above takeoff</source>
        <translation>Höhe über Start</translation>
    </message>
    <message>
        <source>%1 (vario)</source>
        <extracomment>the legend&apos;s name of a flight&apos;s vario curve; %1 is the flight&apos;s label</extracomment>
        <translation>%1 (Vario)</translation>
    </message>
    <message>
        <source>Vario</source>
        <comment>value axis of the climb rates</comment>
        <translation>Vario</translation>
    </message>
</context>
<context>
    <name>ComparisonTable</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Fluggebiet</translation>
    </message>
    <message>
        <source>Airtime</source>
        <translation>Flugzeit</translation>
    </message>
    <message>
        <source>Highest point</source>
        <translation>Höchster Punkt</translation>
    </message>
    <message>
        <source>Height gained</source>
        <translation>Höhengewinn</translation>
    </message>
    <message>
        <source>Climbs</source>
        <translation>Steigphasen</translation>
    </message>
    <message>
        <source>Best climb</source>
        <translation>Bestes Steigen</translation>
    </message>
    <message>
        <source>Average climb</source>
        <translation>Mittleres Steigen</translation>
    </message>
    <message>
        <source>Selection gain</source>
        <extracomment>the height gained over the stretch selected in the chart</extracomment>
        <translation>Gewinn der Auswahl</translation>
    </message>
    <message>
        <source>Selection vario</source>
        <extracomment>the mean vario over the stretch selected in the chart</extracomment>
        <translation>Vario der Auswahl</translation>
    </message>
</context>
<context>
    <name>Download</name>
    <message>
        <source>its raw readings jump from %1 to %2 between samples %3 and %4: the records look shifted by a byte lost on the line</source>
        <translation>seine Rohwerte springen zwischen Messpunkt %3 und %4 von %1 auf %2: die Datensätze wirken um ein auf der Leitung verlorenes Byte verschoben</translation>
    </message>
</context>
<context>
    <name>DownloadDialog</name>
    <message>
        <source>Data download</source>
        <translation>Daten herunterladen</translation>
    </message>
    <message>
        <source>Plug connector to Brixo and power it on.</source>
        <translation>Kabel am Brixo anschließen und das Gerät einschalten.</translation>
    </message>
    <message>
        <source>Flight</source>
        <translation>Flug</translation>
    </message>
    <message>
        <source>Rate</source>
        <comment>the time between two samples of a log</comment>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <source>The flight&apos;s number in the logger&apos;s memory</source>
        <translation>Die Nummer des Flugs im Speicher des Loggers</translation>
    </message>
    <message>
        <source>The time between two samples</source>
        <translation>Die Zeit zwischen zwei Messwerten</translation>
    </message>
    <message>
        <source>Hours, minutes and seconds (estimated)</source>
        <translation>Stunden, Minuten und Sekunden (geschätzt)</translation>
    </message>
    <message>
        <source>Whether the flight looks damaged</source>
        <translation>Ob der Flug beschädigt scheint</translation>
    </message>
    <message>
        <source>The day these flights were flown: the logger has no clock</source>
        <translation>Der Tag, an dem diese Flüge geflogen wurden: der Logger hat keine Uhr</translation>
    </message>
    <message>
        <source>where they were flown</source>
        <translation>wo sie geflogen wurden</translation>
    </message>
    <message>
        <source>Flown on:</source>
        <translation>Flugtag:</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>Fluggebiet:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Data transfer in progress</source>
        <translation>Datenübertragung läuft</translation>
    </message>
    <message>
        <source>%1 bytes has been received</source>
        <translation>%1 Bytes empfangen</translation>
    </message>
    <message>
        <source>No data has arrived for %1 seconds. Check the cable, or Cancel.</source>
        <extracomment>&quot;Cancel&quot; is the dialog&apos;s button</extracomment>
        <translation>Seit %1 Sekunden sind keine Daten eingetroffen. Prüfen Sie das Kabel oder wählen Sie „Abbrechen“.</translation>
    </message>
    <message>
        <source>Unable to open COM port</source>
        <translation>COM-Port kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Memory image</source>
        <translation>Speicherabbild</translation>
    </message>
    <message>
        <source>In the logbook already: downloaded before</source>
        <translation>Schon im Flugbuch: bereits früher heruntergeladen</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>Flight %1 looks damaged: %2</source>
        <extracomment>%1 is the flight&apos;s number, %2 what is wrong with it</extracomment>
        <translation>Flug %1 scheint beschädigt: %2</translation>
    </message>
    <message>
        <source>The connection to the logger was lost.</source>
        <translation>Die Verbindung zum Logger ist abgebrochen.</translation>
    </message>
    <message numerus="yes">
        <source>The %n flight(s) listed were not taken over.</source>
        <extracomment>English: &quot;The flight listed was not taken over.&quot; for one, &quot;The %n flights listed were not taken over.&quot; else</extracomment>
        <translation>
            <numerusform>%n aufgeführter Flug wurde nicht übernommen.</numerusform>
            <numerusform>%n aufgeführte Flüge wurden nicht übernommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was taken over.</source>
        <translation>Nichts wurde übernommen.</translation>
    </message>
    <message>
        <source>%1 Check the cable and download again.
(%2)</source>
        <extracomment>%1 says what was not taken over (a sentence); %2 is why the connection was lost</extracomment>
        <translation>%1 Prüfen Sie das Kabel und laden Sie erneut herunter.
(%2)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>To save log in Brixo memory switch it off immediately</source>
        <translation>Um die Aufzeichnung im Speicher des Brixo zu behalten, schalten Sie ihn sofort aus</translation>
    </message>
    <message>
        <source>Switching the logger off now keeps these flights in its memory too.</source>
        <translation>Wenn Sie den Logger jetzt ausschalten, bleiben diese Flüge auch in seinem Speicher.</translation>
    </message>
    <message>
        <source>The memory ends inside a flight: that flight is missing from the list.</source>
        <translation>Der Speicher endet mitten in einem Flug: dieser Flug fehlt in der Liste.</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Alt Files (*.alt)</source>
        <translation>Alt-Dateien (*.alt)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>JPEG Files (*.jpg)</source>
        <translation>JPEG-Dateien (*.jpg)</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>The title of the file dialog of Export (a log, or a stretch of the log shown)</extracomment>
        <translation>Exportieren</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>%1 is %2, not a regular file; nothing was written</source>
        <extracomment>%1 is a file&apos;s path, %2 what it is: &quot;a folder&quot;, &quot;a named pipe (FIFO)&quot;</extracomment>
        <translation>%1 ist %2, keine gewöhnliche Datei; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>the folder %1 is not writable (%2)</source>
        <translation>der Ordner %1 ist nicht beschreibbar (%2)</translation>
    </message>
    <message>
        <source>a regular file</source>
        <extracomment>what a path names, said in &quot;%1 is a folder, not a regular file&quot;</extracomment>
        <translation>eine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>eine benannte Pipe (FIFO)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>ein zeichenorientiertes Gerät</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>ein blockorientiertes Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>ein symbolischer Link</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>it is %1, not a regular file</source>
        <translation>es ist %1, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>no file is open for writing</source>
        <translation>keine Datei ist zum Schreiben geöffnet</translation>
    </message>
</context>
<context>
    <name>FlightReport</name>
    <message>
        <source>Date</source>
        <comment>when the flight was flown</comment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Site</source>
        <comment>where the flight was flown</comment>
        <translation>Fluggebiet</translation>
    </message>
    <message>
        <source>Start elevation</source>
        <translation>Starthöhe</translation>
    </message>
    <message>
        <source>Device</source>
        <comment>the logger that recorded the flight</comment>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Duration</source>
        <comment>length of the log</comment>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Rate</source>
        <comment>sample rate of the log</comment>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>max Altitude</source>
        <translation>max. Höhe</translation>
    </message>
    <message>
        <source>Altitude</source>
        <comment>what the altitudes are measured from</comment>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Model Sigma</source>
        <translation>Modell-Sigma</translation>
    </message>
    <message>
        <source>Log</source>
        <comment>section: statistics of the recorded log</comment>
        <translation>Aufzeichnung</translation>
    </message>
    <message>
        <source>Takeoff</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Landing</source>
        <translation>Landung</translation>
    </message>
    <message>
        <source>Airtime</source>
        <translation>Flugzeit</translation>
    </message>
    <message>
        <source>Flights</source>
        <comment>number of flights</comment>
        <translation>Flüge</translation>
    </message>
    <message>
        <source>Climbs</source>
        <comment>section</comment>
        <translation>Steigphasen</translation>
    </message>
    <message>
        <source>Count</source>
        <comment>number of climbs</comment>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Time climbing</source>
        <translation>Steigzeit</translation>
    </message>
    <message>
        <source>Height gained</source>
        <translation>Höhengewinn</translation>
    </message>
    <message>
        <source>Best climb</source>
        <translation>Bestes Steigen</translation>
    </message>
    <message>
        <source>Climb</source>
        <comment>column: the climb&apos;s number</comment>
        <translation>Steigphase</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>column: when the climb began</comment>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <comment>column: when the climb ended</comment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Duration</source>
        <comment>column: how long the climb lasted</comment>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Gain [%1]</source>
        <comment>column: height gained; %1 is the length unit</comment>
        <translation>Gewinn [%1]</translation>
    </message>
    <message>
        <source>Average [%1]</source>
        <comment>column: average climb rate; %1 is the speed unit</comment>
        <translation>Mittel [%1]</translation>
    </message>
    <message>
        <source>Max [%1]</source>
        <comment>column: highest climb rate; %1 is the speed unit</comment>
        <translation>Max [%1]</translation>
    </message>
    <message>
        <source>Takeoff %1, Landing %2</source>
        <comment>the times of a flight&apos;s takeoff and landing</comment>
        <translation>Start %1, Landung %2</translation>
    </message>
    <message>
        <source>the report could not be made in memory</source>
        <translation>der Bericht konnte nicht im Speicher erstellt werden</translation>
    </message>
    <message>
        <source>the report could not be drawn</source>
        <translation>der Bericht konnte nicht gezeichnet werden</translation>
    </message>
</context>
<context>
    <name>ImageStore</name>
    <message>
        <source>the memory image could not be written: the folder %1 cannot be made</source>
        <translation>das Speicherabbild konnte nicht geschrieben werden: der Ordner %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>the memory image could not be written to %1: %2</source>
        <translation>das Speicherabbild konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the memory image could not be written again to %1: %2</source>
        <translation>das Speicherabbild konnte nicht erneut nach %1 geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>LogFile</name>
    <message>
        <source>cannot open the file: %1</source>
        <translation>die Datei lässt sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>not a log file: the first 16 lines are not all &quot; 13&quot;</source>
        <translation>keine Aufzeichnungsdatei: die ersten 16 Zeilen sind nicht alle „ 13“</translation>
    </message>
    <message>
        <source>not a log file: the word after the preamble is not zero</source>
        <translation>keine Aufzeichnungsdatei: das Wort nach der Präambel ist nicht null</translation>
    </message>
    <message>
        <source>%1: no log was read</source>
        <translation>%1: keine Aufzeichnung wurde gelesen</translation>
    </message>
    <message>
        <source>the configuration knows no device %1 (nor the fallback device 59): no log was read</source>
        <translation>die Konfiguration kennt kein Gerät %1 (und auch nicht das Ersatzgerät 59): keine Aufzeichnung wurde gelesen</translation>
    </message>
    <message>
        <source>the file ends inside log %1, so that log is incomplete (its last, partial record was dropped)</source>
        <translation>die Datei endet mitten in Aufzeichnung %1, diese ist daher unvollständig (ihr letzter, angebrochener Datensatz wurde verworfen)</translation>
    </message>
    <message>
        <source>the file ends inside log %1, so that log is incomplete</source>
        <translation>die Datei endet mitten in Aufzeichnung %1, diese ist daher unvollständig</translation>
    </message>
    <message>
        <source>the file ends inside the header of log %1, so that log is missing</source>
        <translation>die Datei endet im Kopf von Aufzeichnung %1, diese fehlt daher</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file ends after %1 of the 16 &quot; 13&quot; lines that open a log file</source>
        <translation>die Datei endet nach %1 der 16 Zeilen „ 13“, mit denen eine Aufzeichnungsdatei beginnt</translation>
    </message>
    <message>
        <source>the file ends right after the 16 &quot; 13&quot; lines that open a log file</source>
        <translation>die Datei endet direkt nach den 16 Zeilen „ 13“, mit denen eine Aufzeichnungsdatei beginnt</translation>
    </message>
</context>
<context>
    <name>LogPropertiesDialog</name>
    <message>
        <source>Log Properties</source>
        <translation>Eigenschaften der Aufzeichnung</translation>
    </message>
    <message>
        <source>feet above sea level</source>
        <translation>Fuß über Meereshöhe</translation>
    </message>
    <message>
        <source>metres above sea level</source>
        <translation>Meter über Meereshöhe</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>Fluggebiet:</translation>
    </message>
    <message>
        <source>Start elevation (%1):</source>
        <extracomment>%1 is the unit of length, &quot;m&quot; or &quot;ft&quot;</extracomment>
        <translation>Starthöhe (%1):</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>The start elevation is feet above sea level from %1 to %2, not &quot;%3&quot;.</source>
        <extracomment>%1 and %2: the lowest and highest start elevation allowed; %3: the text typed</extracomment>
        <translation>Die Starthöhe muss zwischen %1 und %2 Fuß über Meereshöhe liegen; „%3“ ist ungültig.</translation>
    </message>
    <message>
        <source>The start elevation is metres above sea level from %1 to %2, not &quot;%3&quot;.</source>
        <extracomment>%1 and %2: the lowest and highest start elevation allowed; %3: the text typed</extracomment>
        <translation>Die Starthöhe muss zwischen %1 und %2 Meter über Meereshöhe liegen; „%3“ ist ungültig.</translation>
    </message>
</context>
<context>
    <name>LogTree</name>
    <message>
        <source>Duration %1, a sample every %2</source>
        <translation>Dauer %1, ein Messwert alle %2</translation>
    </message>
</context>
<context>
    <name>Logbook</name>
    <message>
        <source>the logbook has no flight %1</source>
        <translation>das Flugbuch hat keinen Flug %1</translation>
    </message>
    <message>
        <source>there is no folder for user data</source>
        <translation>es gibt keinen Ordner für Benutzerdaten</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>%1 is not an SQLite database; it was left as it is</source>
        <translation>%1 ist keine SQLite-Datenbank; sie wurde unverändert gelassen</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is missing (on Debian: the package libqt6sql6-sqlite)</source>
        <translation>der SQLite-Treiber von Qt fehlt (unter Debian: das Paket libqt6sql6-sqlite)</translation>
    </message>
</context>
<context>
    <name>LogbookView</name>
    <message>
        <source>Filter: name, site, date ...</source>
        <translation>Filter: Name, Fluggebiet, Datum ...</translation>
    </message>
    <message>
        <source>From</source>
        <extracomment>the first and the last day flown shown</extracomment>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>any</source>
        <extracomment>a day not chosen: no bound</extracomment>
        <translation>beliebig</translation>
    </message>
    <message>
        <source>The first day flown to show; &quot;any&quot; shows all</source>
        <extracomment>&quot;any&quot; as the day is shown when none is chosen</extracomment>
        <translation>Der erste anzuzeigende Flugtag; „beliebig“ zeigt alle</translation>
    </message>
    <message>
        <source>The last day flown to show; &quot;any&quot; shows all</source>
        <extracomment>&quot;any&quot; as the day is shown when none is chosen</extracomment>
        <translation>Der letzte anzuzeigende Flugtag; „beliebig“ zeigt alle</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation>Flüge</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Fluggebiet</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Rate</source>
        <comment>the time between two samples of a log</comment>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Airtime</source>
        <translation>Flugzeit</translation>
    </message>
    <message>
        <source>Max altitude</source>
        <translation>Max. Höhe</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Heruntergeladen</translation>
    </message>
    <message>
        <source>When it was flown, as you gave it; in grey, the day it was downloaded, where you gave none</source>
        <translation>Wann geflogen wurde, wie von Ihnen angegeben; in Grau der Tag des Herunterladens, wo Sie keinen angegeben haben</translation>
    </message>
    <message>
        <source>How long the logger was on</source>
        <translation>Wie lange der Logger eingeschaltet war</translation>
    </message>
    <message>
        <source>From takeoff to landing, every flight of the log</source>
        <translation>Vom Start bis zur Landung, alle Flüge der Aufzeichnung</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>The flights chosen side by side (Ctrl+K)</source>
        <translation>Die gewählten Flüge nebeneinander (Strg+K)</translation>
    </message>
    <message>
        <source>Export Logbook...</source>
        <translation>Flugbuch exportieren...</translation>
    </message>
    <message>
        <source>The flights shown, as a CSV table</source>
        <translation>Die angezeigten Flüge als CSV-Tabelle</translation>
    </message>
    <message>
        <source>Max altitude [%1]</source>
        <extracomment>%1 is the unit of length, &quot;m&quot; or &quot;ft&quot;</extracomment>
        <translation>Max. Höhe [%1]</translation>
    </message>
    <message>
        <source>Downloaded on this day; the day flown was not given</source>
        <translation>An diesem Tag heruntergeladen; der Flugtag wurde nicht angegeben</translation>
    </message>
    <message>
        <source>The logger-on time: the altitude of this log could not be analysed for its takeoffs and landings</source>
        <translation>Die Einschaltzeit des Loggers: die Höhe dieser Aufzeichnung konnte nicht auf Starts und Landungen ausgewertet werden</translation>
    </message>
    <message>
        <source>With the takeoff and landing marks you corrected</source>
        <translation>Mit den von Ihnen korrigierten Start- und Landemarken</translation>
    </message>
    <message numerus="yes">
        <source>%n log(s)</source>
        <extracomment>the logs shown, in the logbook&apos;s totals; English: &quot;1 log&quot;, &quot;2 logs&quot;</extracomment>
        <translation>
            <numerusform>%n Aufzeichnung</numerusform>
            <numerusform>%n Aufzeichnungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n flight(s)</source>
        <extracomment>the flights in the logs shown, in the logbook&apos;s totals; English: &quot;1 flight&quot;, &quot;2 flights&quot;</extracomment>
        <translation>
            <numerusform>%n Flug</numerusform>
            <numerusform>%n Flüge</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, airtime %3</source>
        <extracomment>%1: the logs (&quot;3 logs&quot;), %2: their flights (&quot;5 flights&quot;), %3: their airtime in hours:minutes:seconds</extracomment>
        <translation>%1, %2, Flugzeit %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The chart shows part of the flight. Which part goes on paper?</source>
        <translation>Das Diagramm zeigt einen Teil des Flugs. Welcher Teil soll aufs Papier?</translation>
    </message>
    <message>
        <source>The view as shown</source>
        <translation>Die Ansicht wie angezeigt</translation>
    </message>
    <message>
        <source>The whole flight</source>
        <translation>Der ganze Flug</translation>
    </message>
    <message>
        <source>Preferences: %1.</source>
        <translation>Einstellungen: %1.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Download	Ctrl+N</source>
        <translation>&amp;Herunterladen	Ctrl+N</translation>
    </message>
    <message>
        <source>Download flights from the logger
Download</source>
        <translation>Flüge vom Logger herunterladen
Herunterladen</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open a log file (.alt)
Open</source>
        <translation>Eine Aufzeichnungsdatei (.alt) öffnen
Öffnen</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save all logs of the list to a log file (.alt)
Save As</source>
        <translation>Alle Aufzeichnungen der Liste in einer Aufzeichnungsdatei (.alt) speichern
Speichern unter</translation>
    </message>
    <message>
        <source>&amp;Import Memory Image...</source>
        <translation>Speicherabbild &amp;importieren...</translation>
    </message>
    <message>
        <source>Show the flights of a memory image saved by an earlier download
Import Memory Image</source>
        <translation>Die Flüge eines Speicherabbilds anzeigen, das bei einem früheren Herunterladen gespeichert wurde
Speicherabbild importieren</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Das aktive Dokument drucken
Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Ganze Seiten anzeigen
Druckvorschau</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Drucker und Druckoptionen ändern
Druckereinrichtung</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation>Als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>Write the report of the log shown as a PDF file
Export as PDF</source>
        <translation>Den Bericht der angezeigten Aufzeichnung als PDF-Datei schreiben
Als PDF exportieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit Nivra; asks first when downloaded logs are not saved
Exit</source>
        <translation>Nivra beenden; fragt zuerst nach, wenn heruntergeladene Aufzeichnungen nicht gespeichert sind
Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Werkzeugleiste ein- oder ausblenden
Werkzeugleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Statusleiste ein- oder ausblenden
Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;Logs</source>
        <translation>&amp;Aufzeichnungen</translation>
    </message>
    <message>
        <source>Show or hide the Logs pane
Toggle Logs</source>
        <translation>Bereich „Aufzeichnungen“ ein- oder ausblenden
Aufzeichnungen ein/aus</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>Change the port, the units, the filters and the colours
Preferences</source>
        <translation>Port, Einheiten, Filter und Farben ändern
Einstellungen</translation>
    </message>
    <message>
        <source>Pre&amp;vious view</source>
        <translation>&amp;Vorherige Ansicht</translation>
    </message>
    <message>
        <source>Return to last view
Previous view</source>
        <translation>Zur vorherigen Ansicht zurückkehren
Vorherige Ansicht</translation>
    </message>
    <message>
        <source>&amp;Next view</source>
        <translation>&amp;Nächste Ansicht</translation>
    </message>
    <message>
        <source>Go further on view stack
Next view</source>
        <translation>Im Ansichtsverlauf vorwärts gehen
Nächste Ansicht</translation>
    </message>
    <message>
        <source>&amp;Whole flight</source>
        <translation>Ganzer &amp;Flug</translation>
    </message>
    <message>
        <source>Show the whole log in the chart
Whole flight</source>
        <translation>Die ganze Aufzeichnung im Diagramm zeigen
Ganzer Flug</translation>
    </message>
    <message>
        <source>&amp;Clear labels</source>
        <translation>&amp;Beschriftungen löschen</translation>
    </message>
    <message>
        <source>Remove every label from the chart
Clear labels</source>
        <translation>Alle Beschriftungen aus dem Diagramm entfernen
Beschriftungen löschen</translation>
    </message>
    <message>
        <source>Show cli&amp;mbs</source>
        <translation>Steigphasen &amp;zeigen</translation>
    </message>
    <message>
        <source>Shade the climbs of the log in the chart
Show climbs</source>
        <translation>Die Steigphasen der Aufzeichnung im Diagramm schattieren
Steigphasen zeigen</translation>
    </message>
    <message>
        <source>&amp;Fit heights to view</source>
        <translation>&amp;Höhen an Ansicht anpassen</translation>
    </message>
    <message>
        <source>The heights of the chart fit what is in view after a zoom or a pan</source>
        <translation>Die Höhenachse des Diagramms passt sich nach Zoomen oder Verschieben dem sichtbaren Bereich an</translation>
    </message>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>Ver&amp;gleichen...</translation>
    </message>
    <message>
        <source>Show the logs chosen in the Logs list, or the flights chosen in the Logbook, side by side
Compare</source>
        <translation>Die in der Liste „Aufzeichnungen“ gewählten Aufzeichnungen oder die im Flugbuch gewählten Flüge nebeneinander zeigen
Vergleichen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Quick Guide</source>
        <translation>&amp;Kurzanleitung</translation>
    </message>
    <message>
        <source>First steps, reading the chart, climbs, the logbook and every key</source>
        <translation>Erste Schritte, das Diagramm lesen, Steigphasen, das Flugbuch und alle Tasten</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>Every key and mouse gesture of Nivra</source>
        <translation>Alle Tasten und Mausgesten von Nivra</translation>
    </message>
    <message>
        <source>&amp;About Nivra...</source>
        <translation>Ü&amp;ber Nivra...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Über</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Rebuild the chart and the statistics of the log shown
Refresh</source>
        <translation>Diagramm und Statistik der angezeigten Aufzeichnung neu aufbauen
Aktualisieren</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Hide the pane</source>
        <translation>Bereich ausblenden</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Climbs</source>
        <translation>Steigphasen</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Aufzeichnungen</translation>
    </message>
    <message>
        <source>Logbook</source>
        <translation>Flugbuch</translation>
    </message>
    <message>
        <source>Download flights from your Brixo, or open an .alt file</source>
        <translation>Flüge von Ihrem Brixo herunterladen oder eine .alt-Datei öffnen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Eigenschaften...</translation>
    </message>
    <message>
        <source>Delete %1?
It is not saved in a file or kept in the logbook, and would be lost.</source>
        <translation>%1 löschen?
Die Aufzeichnung ist weder in einer Datei gespeichert noch im Flugbuch enthalten und ginge verloren.</translation>
    </message>
    <message>
        <source>The corrected takeoff and landing could not be kept in the logbook:
%1</source>
        <translation>Der korrigierte Start und die korrigierte Landung konnten nicht im Flugbuch gespeichert werden:
%1</translation>
    </message>
    <message>
        <source>There is not enough memory to export the log to %1.</source>
        <translation>Es ist nicht genug Speicher vorhanden, um die Aufzeichnung nach %1 zu exportieren.</translation>
    </message>
    <message>
        <source>The log could not be exported to %1:
%2</source>
        <translation>Die Aufzeichnung konnte nicht nach %1 exportiert werden:
%2</translation>
    </message>
    <message>
        <source>the log holds no altitude samples</source>
        <translation>die Aufzeichnung enthält keine Höhenwerte</translation>
    </message>
    <message>
        <source>The table in %1 was written without some of the shown series:</source>
        <translation>Die Tabelle in %1 wurde ohne einige der angezeigten Kurven geschrieben:</translation>
    </message>
    <message>
        <source>the log holds too few samples to draw</source>
        <translation>die Aufzeichnung enthält zu wenige Messwerte zum Zeichnen</translation>
    </message>
    <message>
        <source>a picture of %1 x %2 pixels cannot be made</source>
        <translation>ein Bild von %1 x %2 Pixeln kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>The logbook is read only: %1.</source>
        <translation>Das Flugbuch ist schreibgeschützt: %1.</translation>
    </message>
    <message>
        <source>The logbook cannot be used: %1</source>
        <translation>Das Flugbuch kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>The logbook cannot be read: %1</source>
        <translation>Das Flugbuch kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The climbs could not be found: %1</source>
        <translation>Die Steigphasen konnten nicht ermittelt werden: %1</translation>
    </message>
    <message>
        <source>Export Logbook</source>
        <translation>Flugbuch exportieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The logbook could not be exported to %1:
%2</source>
        <translation>Das Flugbuch konnte nicht nach %1 exportiert werden:
%2</translation>
    </message>
    <message>
        <source>The day flown and the site could not be noted in the logbook: %1</source>
        <translation>Flugtag und Fluggebiet konnten nicht im Flugbuch vermerkt werden: %1</translation>
    </message>
    <message>
        <source>%1
The flights are not kept: save them with File &gt; Save As.</source>
        <translation>%1
Die Flüge werden nicht aufbewahrt: Speichern Sie sie mit Datei &gt; Speichern unter.</translation>
    </message>
    <message>
        <source>The logbook is read only: %1.
Save the flights with File &gt; Save As.</source>
        <translation>Das Flugbuch ist schreibgeschützt: %1.
Speichern Sie die Flüge mit Datei &gt; Speichern unter.</translation>
    </message>
    <message>
        <source>The download could not be kept in the logbook: %1
Save the flights with File &gt; Save As.</source>
        <translation>Der Download konnte nicht im Flugbuch abgelegt werden: %1
Speichern Sie die Flüge mit Datei &gt; Speichern unter.</translation>
    </message>
    <message>
        <source>The logbook cannot be read: %1
The log is shown without what was noted about it there (heights above the start, its own name).</source>
        <translation>Das Flugbuch kann nicht gelesen werden: %1
Die Aufzeichnung wird ohne das angezeigt, was dort zu ihr vermerkt wurde (Höhen über Start, ihr eigener Name).</translation>
    </message>
    <message>
        <source>%1
The log&apos;s properties cannot be kept.</source>
        <translation>%1
Die Eigenschaften der Aufzeichnung können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The log could not be added to the logbook:
%1</source>
        <translation>Die Aufzeichnung konnte nicht zum Flugbuch hinzugefügt werden:
%1</translation>
    </message>
    <message>
        <source>The log&apos;s properties could not be kept:
%1</source>
        <translation>Die Eigenschaften der Aufzeichnung konnten nicht gespeichert werden:
%1</translation>
    </message>
    <message>
        <source>Flight %1 could not be read from the logbook:
%2</source>
        <translation>Flug %1 konnte nicht aus dem Flugbuch gelesen werden:
%2</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>er ist nicht mehr vorhanden</translation>
    </message>
    <message>
        <source>flights from the logbook</source>
        <translation>Flüge aus dem Flugbuch</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>The title of the file dialog that exports flights of the logbook</extracomment>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Alt Files (*.alt)</source>
        <translation>Alt-Dateien (*.alt)</translation>
    </message>
    <message>
        <source>The flights could not be exported to %1:
%2</source>
        <translation>Die Flüge konnten nicht nach %1 exportiert werden:
%2</translation>
    </message>
    <message numerus="yes">
        <source>Delete these %n flight(s) from the logbook?
The memory images they came from stay on disk and can be imported again.</source>
        <extracomment>English: &quot;Delete this flight from the logbook?...&quot; for one, &quot;Delete these %n flights from the logbook?...&quot; for more.</extracomment>
        <translation>
            <numerusform>%n Flug aus dem Flugbuch löschen?
Das Speicherabbild, aus dem er stammt, bleibt auf der Festplatte und kann erneut importiert werden.</numerusform>
            <numerusform>%n Flüge aus dem Flugbuch löschen?
Die Speicherabbilder, aus denen sie stammen, bleiben auf der Festplatte und können erneut importiert werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>The flights could not be deleted:
%1</source>
        <translation>Die Flüge konnten nicht gelöscht werden:
%1</translation>
    </message>
    <message>
        <source>Import Memory Image</source>
        <translation>Speicherabbild importieren</translation>
    </message>
    <message>
        <source>Memory Images (*.mem)</source>
        <translation>Speicherabbilder (*.mem)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 cannot be read:
%2</source>
        <translation>%1 kann nicht gelesen werden:
%2</translation>
    </message>
    <message>
        <source>%1 is empty: it holds no memory image of the logger.</source>
        <translation>%1 ist leer: die Datei enthält kein Speicherabbild des Loggers.</translation>
    </message>
    <message>
        <source>%1 is no memory image of the logger: it is larger than %2 MiB.</source>
        <translation>%1 ist kein Speicherabbild des Loggers: die Datei ist größer als %2 MiB.</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>%1 kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>Choose 2 to 20 logs in the Logs list (Ctrl and a click), or flights in the Logbook, to compare them.</source>
        <translation>Wählen Sie 2 bis 20 Aufzeichnungen in der Liste „Aufzeichnungen“ (Strg und Klick) oder Flüge im Flugbuch, um sie zu vergleichen.</translation>
    </message>
    <message>
        <source>Flight %1 cannot be compared: %2</source>
        <translation>Flug %1 kann nicht verglichen werden: %2</translation>
    </message>
    <message>
        <source>it is no longer in the logbook</source>
        <translation>er ist nicht mehr im Flugbuch</translation>
    </message>
    <message>
        <source>Flight %1</source>
        <translation>Flug %1</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>the file&apos;s name is not valid UTF-8 text, so Nivra cannot be sure to name that file; rename it and try again</source>
        <translation>der Dateiname ist kein gültiger UTF-8-Text, daher kann Nivra diese Datei nicht sicher benennen; benennen Sie sie um und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>Save the downloaded logs?</source>
        <translation>Die heruntergeladenen Aufzeichnungen speichern?</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The title of the file dialog of File &gt; Open</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>not enough memory to open %1</source>
        <translation>nicht genug Speicher, um %1 zu öffnen</translation>
    </message>
    <message>
        <source>This is not a Brixo log (.alt) file:
%1

(%2)</source>
        <translation>Dies ist keine Brixo-Aufzeichnungsdatei (.alt):
%1

(%2)</translation>
    </message>
    <message>
        <source>%1 could not be opened:
%2</source>
        <translation>%1 konnte nicht geöffnet werden:
%2</translation>
    </message>
    <message>
        <source>%1 was opened, but %2.</source>
        <translation>%1 wurde geöffnet, aber %2.</translation>
    </message>
    <message>
        <source>Save As</source>
        <extracomment>The title of the file dialog of File &gt; Save As</extracomment>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>There is not enough memory to save the logs to %1.</source>
        <translation>Es ist nicht genug Speicher vorhanden, um die Aufzeichnungen in %1 zu speichern.</translation>
    </message>
    <message>
        <source>The logs could not be saved to %1:
%2</source>
        <translation>Die Aufzeichnungen konnten nicht in %1 gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>Nivra - %1 (logs deleted, not saved)</source>
        <translation>Nivra - %1 (Aufzeichnungen gelöscht, nicht gespeichert)</translation>
    </message>
    <message>
        <source>There is not enough memory to show this log.</source>
        <translation>Es ist nicht genug Speicher vorhanden, um diese Aufzeichnung anzuzeigen.</translation>
    </message>
    <message>
        <source>Takeoff here</source>
        <translation>Start hier</translation>
    </message>
    <message>
        <source>Landing here</source>
        <translation>Landung hier</translation>
    </message>
    <message>
        <source>Reset to found</source>
        <translation>Auf erkannte Werte zurücksetzen</translation>
    </message>
    <message>
        <source>Unable to open COM port.<byte value="xd"/>
Check your preferences.</source>
        <translation>COM-Port kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The logger&apos;s cable seems not to be plugged in: this computer has no USB serial port at the moment. Plug the cable in and choose Download again.</source>
        <translation>Das Kabel des Loggers scheint nicht eingesteckt zu sein: dieser Computer hat zurzeit keinen seriellen USB-Port. Stecken Sie das Kabel ein und wählen Sie erneut „Herunterladen“.</translation>
    </message>
    <message>
        <source>There is not enough memory to take over the downloaded flights.</source>
        <translation>Es ist nicht genug Speicher vorhanden, um die heruntergeladenen Flüge zu übernehmen.</translation>
    </message>
    <message>
        <source>The data received holds no logger signature; the logs were left as they were.</source>
        <translation>Die empfangenen Daten enthalten keine Logger-Signatur; die Aufzeichnungen blieben unverändert.</translation>
    </message>
    <message>
        <source>downloaded logs, kept in the logbook</source>
        <translation>heruntergeladene Aufzeichnungen, im Flugbuch abgelegt</translation>
    </message>
    <message>
        <source>downloaded logs, not saved yet</source>
        <translation>heruntergeladene Aufzeichnungen, noch nicht gespeichert</translation>
    </message>
    <message>
        <source>The preferences could not be stored:
%1</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden:
%1</translation>
    </message>
    <message>
        <source>The preferences were stored, but %1</source>
        <translation>Die Einstellungen wurden gespeichert, aber %1</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>The report could not be printed: the printer could not be started.</source>
        <translation>Der Bericht konnte nicht gedruckt werden: der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be written to %1:
%2</source>
        <translation>Der Bericht konnte nicht in %1 geschrieben werden:
%2</translation>
    </message>
    <message>
        <source>The report was written to %1</source>
        <translation>Der Bericht wurde in %1 geschrieben</translation>
    </message>
    <message numerus="yes">
        <source>Finding the climbs of %n flight(s)...</source>
        <translation>
            <numerusform>Steigphasen von %n Flug werden gesucht...</numerusform>
            <numerusform>Steigphasen von %n Flügen werden gesucht...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finding the climbs: %1 of %n flight(s)</source>
        <translation>
            <numerusform>Steigphasen werden gesucht: %1 von %n Flug</numerusform>
            <numerusform>Steigphasen werden gesucht: %1 von %n Flügen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n flight(s) exported to %1</source>
        <translation>
            <numerusform>%n Flug nach %1 exportiert</numerusform>
            <numerusform>%n Flüge nach %1 exportiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the downloaded flights look damaged; they were kept as they came.</source>
        <translation>
            <numerusform>%n der heruntergeladenen Flüge scheint beschädigt; er wurde unverändert übernommen.</numerusform>
            <numerusform>%n der heruntergeladenen Flüge scheinen beschädigt; sie wurden unverändert übernommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Log %1</source>
        <extracomment>a log&apos;s name when the pilot gave none: %1 is its number and length, &quot; 1 (00:04:10)&quot;</extracomment>
        <translation>Aufzeichnung %1</translation>
    </message>
</context>
<context>
    <name>Palette</name>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>braun</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violett</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>oliv</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>black</source>
        <translation>schwarz</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>there is no picture of the chart to write</source>
        <translation>es gibt kein Bild des Diagramms zum Schreiben</translation>
    </message>
    <message>
        <source>the picture could not be encoded: no buffer for it</source>
        <translation>das Bild konnte nicht kodiert werden: kein Puffer dafür</translation>
    </message>
    <message>
        <source>the picture could not be encoded: %1</source>
        <translation>das Bild konnte nicht kodiert werden: %1</translation>
    </message>
</context>
<context>
    <name>PortHelp</name>
    <message>
        <source>The user must be a member of the group &quot;%1&quot; that owns %2.</source>
        <translation>Der Benutzer muss Mitglied der Gruppe „%1“ sein, der %2 gehört.</translation>
    </message>
    <message>
        <source>On Debian: sudo adduser %1 %2, then log out and back in.</source>
        <translation>Unter Debian: sudo adduser %1 %2, dann ab- und wieder anmelden.</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <extracomment>a program that holds the port, and its process number: &quot;ModemManager (process 812)&quot;</extracomment>
        <translation>%1 (Prozess %2)</translation>
    </message>
    <message>
        <source>a program</source>
        <translation>ein Programm</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>the last two of the programs that hold the port: &quot;ModemManager (process 812) and brltty (process 77)&quot;</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>The braille display service brltty is running: it takes USB serial adapters it mistakes for braille displays (many with a CH340 or CP210x chip), and their port disappears. Without a braille display, stop it and keep it stopped: sudo systemctl stop brltty-udev.service brltty.service; sudo systemctl mask brltty-udev.service brltty.service (or remove it: sudo apt remove brltty). Then plug the cable in again.</source>
        <translation>Der Braillezeilen-Dienst brltty läuft: Er belegt USB-Seriell-Adapter, die er für Braillezeilen hält (viele mit einem CH340- oder CP210x-Chip), und deren Port verschwindet. Ohne Braillezeile den Dienst anhalten und gesperrt lassen: sudo systemctl stop brltty-udev.service brltty.service; sudo systemctl mask brltty-udev.service brltty.service (oder entfernen: sudo apt remove brltty). Dann das Kabel neu einstecken.</translation>
    </message>
    <message>
        <source>ModemManager is running: it probes a serial port that appears for a modem, holding it for some seconds. Wait a moment and try again. Without a mobile modem, stop it: sudo systemctl stop ModemManager.service; sudo systemctl disable ModemManager.service.</source>
        <translation>ModemManager läuft: Er prüft jeden neu erscheinenden seriellen Port auf ein Modem und hält ihn dabei einige Sekunden. Einen Moment warten und erneut versuchen. Ohne Mobilfunkmodem den Dienst anhalten: sudo systemctl stop ModemManager.service; sudo systemctl disable ModemManager.service.</translation>
    </message>
    <message>
        <source>The user is a member of the group &quot;%1&quot; that owns %2, but this login began before: log out and back in.</source>
        <translation>Der Benutzer ist Mitglied der Gruppe „%1“, der %2 gehört, aber diese Anmeldung begann vorher: ab- und wieder anmelden.</translation>
    </message>
    <message>
        <source>The port is in use by another program.</source>
        <translation>Der Port wird von einem anderen Programm benutzt.</translation>
    </message>
    <message>
        <source>The port is in use by another program: %1.</source>
        <translation>Der Port wird von einem anderen Programm benutzt: %1.</translation>
    </message>
    <message>
        <source>Close it and try again.</source>
        <translation>Schließen Sie es und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>COM-Port</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>metric</source>
        <translation>metrisch</translation>
    </message>
    <message>
        <source>imperial</source>
        <translation>imperial</translation>
    </message>
    <message>
        <source>Vario unit</source>
        <translation>Vario-Einheit</translation>
    </message>
    <message>
        <source>m/s</source>
        <extracomment>unit of the vario&apos;s speed: metres a second</extracomment>
        <translation>m/s</translation>
    </message>
    <message>
        <source>ft/min</source>
        <extracomment>unit of the vario&apos;s speed: feet a minute</extracomment>
        <translation>ft/min</translation>
    </message>
    <message>
        <source>kt</source>
        <extracomment>unit of the vario&apos;s speed: knots</extracomment>
        <translation>kt</translation>
    </message>
    <message>
        <source>Altitude</source>
        <extracomment>a row (the altitude shown above the start or above sea level) and a category (the altitude&apos;s curve)</extracomment>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>above start</source>
        <translation>über Start</translation>
    </message>
    <message>
        <source>above sea level</source>
        <translation>über Meereshöhe</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>Celsius</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>Fahrenheit</translation>
    </message>
    <message>
        <source>Min log duration</source>
        <extracomment>the shortest log a download keeps, in seconds</extracomment>
        <translation>Min. Aufzeichnungsdauer</translation>
    </message>
    <message>
        <source>Kalman filtering</source>
        <translation>Kalman-Filterung</translation>
    </message>
    <message>
        <source>Measurement Sigma</source>
        <translation>Mess-Sigma</translation>
    </message>
    <message>
        <source>Model Sigma from the flight</source>
        <translation>Modell-Sigma automatisch</translation>
    </message>
    <message>
        <source>Model Sigma</source>
        <translation>Modell-Sigma</translation>
    </message>
    <message>
        <source>Vario</source>
        <translation>Vario</translation>
    </message>
    <message>
        <source>Polynomial filtering</source>
        <translation>Polynomfilterung</translation>
    </message>
    <message>
        <source>Median filter</source>
        <translation>Medianfilter</translation>
    </message>
    <message>
        <source>Image</source>
        <extracomment>the picture saved of the chart</extracomment>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Width</source>
        <extracomment>of the picture, in pixels</extracomment>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <extracomment>of the picture, in pixels</extracomment>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Climbs</source>
        <translation>Steigphasen</translation>
    </message>
    <message>
        <source>Threshold (m/s)</source>
        <extracomment>the least climb rate that counts as a climb</extracomment>
        <translation>Schwelle (m/s)</translation>
    </message>
    <message>
        <source>Shortest climb (s)</source>
        <translation>Kürzeste Steigphase (s)</translation>
    </message>
    <message>
        <source>Longest pause (s)</source>
        <extracomment>the longest stretch without climbing inside one climb</extracomment>
        <translation>Längste Pause (s)</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Alignment</source>
        <extracomment>how the series&apos; axis is scaled</extracomment>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>auto</source>
        <extracomment>alignment of a series&apos; axis: to its values</extracomment>
        <translation>automatisch</translation>
    </message>
    <message>
        <source>to zero</source>
        <extracomment>alignment of a series&apos; axis: from zero</extracomment>
        <translation>ab null</translation>
    </message>
    <message>
        <source>custom</source>
        <extracomment>alignment of a series&apos; axis: between &quot;Custom Min&quot; and &quot;Custom Max&quot;</extracomment>
        <translation>manuell</translation>
    </message>
    <message>
        <source>Custom Min</source>
        <translation>Min (manuell)</translation>
    </message>
    <message>
        <source>Custom Max</source>
        <translation>Max (manuell)</translation>
    </message>
    <message>
        <source>from each flight</source>
        <translation>aus jedem Flug</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The language of Nivra&apos;s window; a change applies when Nivra starts next</source>
        <translation>Die Sprache des Nivra-Fensters; eine Änderung gilt ab dem nächsten Start von Nivra</translation>
    </message>
    <message>
        <source>The language changes when Nivra starts next.</source>
        <translation>Die Sprache wechselt beim nächsten Start von Nivra.</translation>
    </message>
</context>
<context>
    <name>QuickGuideDialog</name>
    <message>
        <source>Quick Guide</source>
        <translation>Kurzanleitung</translation>
    </message>
    <message>
        <source>Your first download</source>
        <translation>Ihr erstes Herunterladen</translation>
    </message>
    <message>
        <source>Plug the Brixo&apos;s cable in and choose &lt;b&gt;File &amp;gt; Download&lt;/b&gt;. Power the logger on when the
dialog asks: its memory arrives, and the flights in it are listed. Uncheck those you do not want
and choose &lt;b&gt;Close&lt;/b&gt;. The flights are kept in the logbook at once; save them to an .alt file
with &lt;b&gt;File &amp;gt; Save As&lt;/b&gt; if you want a file of them too. Set the logger&apos;s port in
&lt;b&gt;View &amp;gt; Preferences&lt;/b&gt; when the download cannot find it.</source>
        <extracomment>A paragraph of the Quick Guide, in HTML: keep the &lt;b&gt; marks and write &quot;&amp;gt;&quot; for &quot;&gt;&quot;; its line breaks do not show.</extracomment>
        <translation>Stecken Sie das Kabel des Brixo ein und wählen Sie &lt;b&gt;Datei &amp;gt; Herunterladen&lt;/b&gt;. Schalten Sie den Logger ein, wenn der
Dialog dazu auffordert: sein Speicher wird übertragen, und die Flüge darin werden aufgelistet. Entfernen Sie den Haken bei
den Flügen, die Sie nicht wollen, und wählen Sie &lt;b&gt;Schließen&lt;/b&gt;. Die Flüge werden sofort im Flugbuch abgelegt; speichern Sie
sie mit &lt;b&gt;Datei &amp;gt; Speichern unter&lt;/b&gt; in einer .alt-Datei, wenn Sie sie auch als Datei haben möchten. Stellen Sie den Port des
Loggers unter &lt;b&gt;Ansicht &amp;gt; Einstellungen&lt;/b&gt; ein, wenn das Herunterladen ihn nicht findet.</translation>
    </message>
    <message>
        <source>Reading the chart</source>
        <translation>Das Diagramm lesen</translation>
    </message>
    <message>
        <source>The altitude and the vario (the climb rate) are drawn over one time axis; the legend names
each curve, and a click on its name hides it or shows it. Move the mouse over the chart to read
the values at that moment. Drag across the chart to select a stretch: its statistics appear under
&lt;b&gt;Selection&lt;/b&gt;. Click on a curve to place a label. Zoom with the mouse wheel or the + and - keys,
move along the flight by dragging the time axis or with the arrow keys, and see the whole flight
with &lt;b&gt;Home&lt;/b&gt;.</source>
        <extracomment>A paragraph of the Quick Guide, in HTML: keep the &lt;b&gt; marks and write &quot;&amp;gt;&quot; for &quot;&gt;&quot;; its line breaks do not show.</extracomment>
        <translation>Die Höhe und das Vario (der Steigwert) werden über einer gemeinsamen Zeitachse gezeichnet; die Legende benennt
jede Kurve, und ein Klick auf ihren Namen blendet sie aus oder ein. Bewegen Sie die Maus über das Diagramm, um die
Werte zu diesem Zeitpunkt abzulesen. Ziehen Sie über das Diagramm, um einen Abschnitt auszuwählen: seine Statistik erscheint unter
&lt;b&gt;Auswahl&lt;/b&gt;. Klicken Sie auf eine Kurve, um eine Beschriftung zu setzen. Zoomen Sie mit dem Mausrad oder den Tasten + und -,
bewegen Sie sich entlang des Flugs, indem Sie die Zeitachse ziehen oder die Pfeiltasten drücken, und zeigen Sie den ganzen Flug
mit &lt;b&gt;Pos1&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Climbs</source>
        <translation>Steigphasen</translation>
    </message>
    <message>
        <source>Stretches where you climbed are shaded in the chart and listed in the &lt;b&gt;Climbs&lt;/b&gt; tab with
their height gained and average climb. A click on a climb selects it in the chart. How strong and
how long a climb must be is set in the preferences.</source>
        <extracomment>A paragraph of the Quick Guide, in HTML: keep the &lt;b&gt; marks and write &quot;&amp;gt;&quot; for &quot;&gt;&quot;; its line breaks do not show.</extracomment>
        <translation>Abschnitte, in denen Sie gestiegen sind, werden im Diagramm schattiert und im Reiter &lt;b&gt;Steigphasen&lt;/b&gt; mit
ihrem Höhengewinn und mittleren Steigen aufgelistet. Ein Klick auf eine Steigphase wählt sie im Diagramm aus. Wie stark und
wie lang eine Steigphase sein muss, legen Sie in den Einstellungen fest.</translation>
    </message>
    <message>
        <source>The logbook</source>
        <translation>Das Flugbuch</translation>
    </message>
    <message>
        <source>Every flight ever downloaded is in the &lt;b&gt;Logbook&lt;/b&gt; tab, newest first, whether or not it
was saved to a file. Type in its filter box to find flights by name, site or date; give a flight
its name, site, date flown and start elevation with &lt;b&gt;Properties&lt;/b&gt; (the right mouse button on a
log). Takeoff and landing are found by themselves; the chart&apos;s menu corrects them. The download
asks the day the flights were flown and the site, since the logger has no clock.</source>
        <extracomment>A paragraph of the Quick Guide, in HTML: keep the &lt;b&gt; marks and write &quot;&amp;gt;&quot; for &quot;&gt;&quot;; its line breaks do not show.</extracomment>
        <translation>Jeder jemals heruntergeladene Flug steht im Reiter &lt;b&gt;Flugbuch&lt;/b&gt;, der neueste zuerst, ob er nun
in einer Datei gespeichert wurde oder nicht. Tippen Sie in das Filterfeld, um Flüge nach Name, Fluggebiet oder Datum zu finden;
geben Sie einem Flug Namen, Fluggebiet, Flugtag und Starthöhe mit &lt;b&gt;Eigenschaften&lt;/b&gt; (rechte Maustaste auf einer
Aufzeichnung). Start und Landung werden selbsttätig erkannt; das Menü des Diagramms korrigiert sie. Das Herunterladen
fragt nach dem Flugtag und dem Fluggebiet, da der Logger keine Uhr hat.</translation>
    </message>
    <message>
        <source>The logbook&apos;s &lt;b&gt;Statistics&lt;/b&gt; tab adds up the flights shown by year and month, site or device:
airtime, the highest point, the height gained in climbs, the best climb and the days flown.
&lt;b&gt;Export Logbook...&lt;/b&gt; writes them as a table for a spreadsheet.</source>
        <extracomment>A paragraph of the Quick Guide, in HTML: keep the &lt;b&gt; marks and write &quot;&amp;gt;&quot; for &quot;&gt;&quot;; its line breaks do not show.</extracomment>
        <translation>Der Reiter &lt;b&gt;Statistik&lt;/b&gt; des Flugbuchs summiert die angezeigten Flüge nach Jahr und Monat, Fluggebiet oder Gerät:
Flugzeit, höchster Punkt, Höhengewinn in Steigphasen, bestes Steigen und die Flugtage.
&lt;b&gt;Flugbuch exportieren...&lt;/b&gt; schreibt sie als Tabelle für eine Tabellenkalkulation.</translation>
    </message>
    <message>
        <source>Flights side by side</source>
        <translation>Flüge nebeneinander</translation>
    </message>
    <message>
        <source>Choose two or more flights in the Logbook (or logs in the Logs list, with Ctrl and a click) and
press &lt;b&gt;Compare&lt;/b&gt; (Ctrl+K): their heights over one time axis, lined up by their takeoffs (or
their starts, highest points or clock times), with their numbers in a table beneath.</source>
        <extracomment>A paragraph of the Quick Guide, in HTML: keep the &lt;b&gt; marks and write &quot;&amp;gt;&quot; for &quot;&gt;&quot;; its line breaks do not show.</extracomment>
        <translation>Wählen Sie zwei oder mehr Flüge im Flugbuch (oder Aufzeichnungen in der Liste „Aufzeichnungen“, mit Strg und Klick) und
drücken Sie &lt;b&gt;Vergleichen&lt;/b&gt; (Strg+K): ihre Höhen über einer gemeinsamen Zeitachse, ausgerichtet nach ihren Starts (oder
nach Aufzeichnungsbeginn, höchstem Punkt oder Uhrzeit), mit ihren Werten in einer Tabelle darunter.</translation>
    </message>
    <message>
        <source>On paper</source>
        <translation>Auf Papier</translation>
    </message>
    <message>
        <source>&lt;b&gt;File &amp;gt; Print...&lt;/b&gt;, &lt;b&gt;Print Preview&lt;/b&gt; and &lt;b&gt;Export as PDF...&lt;/b&gt; make a report of the
flight shown: your notes, the chart, the statistics and the climbs.</source>
        <extracomment>A paragraph of the Quick Guide, in HTML: keep the &lt;b&gt; marks and write &quot;&amp;gt;&quot; for &quot;&gt;&quot;; its line breaks do not show.</extracomment>
        <translation>&lt;b&gt;Datei &amp;gt; Drucken...&lt;/b&gt;, &lt;b&gt;Druckvorschau&lt;/b&gt; und &lt;b&gt;Als PDF exportieren...&lt;/b&gt; erstellen einen Bericht des
angezeigten Flugs: Ihre Notizen, das Diagramm, die Statistik und die Steigphasen.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Pfeil links, Pfeil rechts</translation>
    </message>
    <message>
        <source>Move along the flight</source>
        <translation>Entlang des Flugs bewegen</translation>
    </message>
    <message>
        <source>+, -</source>
        <translation>+, -</translation>
    </message>
    <message>
        <source>Zoom in, zoom out</source>
        <translation>Vergrößern, verkleinern</translation>
    </message>
    <message>
        <source>Mouse wheel</source>
        <translation>Mausrad</translation>
    </message>
    <message>
        <source>Zoom around the mouse</source>
        <translation>Um die Mausposition zoomen</translation>
    </message>
    <message>
        <source>Ctrl+drag in the time axis</source>
        <translation>Strg+Ziehen in der Zeitachse</translation>
    </message>
    <message>
        <source>Zoom to the stretch dragged over</source>
        <translation>Auf den überstrichenen Abschnitt zoomen</translation>
    </message>
    <message>
        <source>Drag in the time axis</source>
        <translation>Ziehen in der Zeitachse</translation>
    </message>
    <message>
        <source>Drag in the chart</source>
        <translation>Ziehen im Diagramm</translation>
    </message>
    <message>
        <source>Select a stretch</source>
        <translation>Einen Abschnitt auswählen</translation>
    </message>
    <message>
        <source>Click on a curve</source>
        <translation>Klick auf eine Kurve</translation>
    </message>
    <message>
        <source>Place a label</source>
        <translation>Eine Beschriftung setzen</translation>
    </message>
    <message>
        <source>Shift+F10, Menu</source>
        <translation>Umschalt+F10, Menütaste</translation>
    </message>
    <message>
        <source>The menu of the chart or the list that has the focus</source>
        <translation>Das Menü des Diagramms oder der Liste, die den Fokus hat</translation>
    </message>
</context>
<context>
    <name>Season</name>
    <message>
        <source>%1 (downloaded)</source>
        <extracomment>a flight dated by its download, no day flown given: &quot;2026-12-07 (downloaded)&quot;</extracomment>
        <translation>%1 (heruntergeladen)</translation>
    </message>
    <message>
        <source>(no site)</source>
        <extracomment>the group of the flights with no site noted</extracomment>
        <translation>(kein Fluggebiet)</translation>
    </message>
</context>
<context>
    <name>SeasonBars</name>
    <message>
        <source>h</source>
        <extracomment>the unit above the bars&apos; axis: hours</extracomment>
        <translation>h</translation>
    </message>
</context>
<context>
    <name>SeasonView</name>
    <message>
        <source>Group by:</source>
        <translation>Gruppieren nach:</translation>
    </message>
    <message>
        <source>Year and month</source>
        <translation>Jahr und Monat</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Fluggebiet</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation>Flüge</translation>
    </message>
    <message>
        <source>Airtime</source>
        <translation>Flugzeit</translation>
    </message>
    <message>
        <source>Longest</source>
        <extracomment>the longest flight&apos;s airtime</extracomment>
        <translation>Längster Flug</translation>
    </message>
    <message>
        <source>Highest</source>
        <extracomment>the highest point reached</extracomment>
        <translation>Max. Höhe</translation>
    </message>
    <message>
        <source>Height gained</source>
        <translation>Höhengewinn</translation>
    </message>
    <message>
        <source>Best climb</source>
        <translation>Bestes Steigen</translation>
    </message>
    <message>
        <source>Days</source>
        <extracomment>the days flown</extracomment>
        <translation>Flugtage</translation>
    </message>
    <message>
        <source>Above sea level where the flight has a start elevation, else above its start</source>
        <translation>Über Meer, wo der Flug eine Starthöhe hat, sonst über seinem Start</translation>
    </message>
    <message>
        <source>In the climbs of the flights</source>
        <translation>In den Steigphasen der Flüge</translation>
    </message>
    <message>
        <source>The strongest average of a climb, and its flight</source>
        <translation>Das stärkste mittlere Steigen einer Steigphase, und ihr Flug</translation>
    </message>
    <message>
        <source>Airtime in hours</source>
        <translation>Flugzeit in Stunden</translation>
    </message>
    <message>
        <source>%1 %2 above start</source>
        <extracomment>%1 is a height, %2 its unit (&quot;m&quot; or &quot;ft&quot;)</extracomment>
        <translation>%1 %2 über Start</translation>
    </message>
    <message>
        <source>%1 %2 (%3 not analysed)</source>
        <extracomment>%1 is a height, %2 its unit (&quot;m&quot; or &quot;ft&quot;), %3 the number of flights whose climbs are not known</extracomment>
        <translation>%1 %2 (%3 nicht ausgewertet)</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>no port is chosen</source>
        <translation>kein Port ist gewählt</translation>
    </message>
    <message>
        <source>the port went away (%1)</source>
        <translation>der Port ist verschwunden (%1)</translation>
    </message>
    <message>
        <source>%1 overrun error</source>
        <translation>%1 Überlauffehler</translation>
    </message>
    <message>
        <source>%1 overrun errors</source>
        <translation>%1 Überlauffehler</translation>
    </message>
    <message>
        <source>%1 buffer overrun</source>
        <translation>%1 Pufferüberlauf</translation>
    </message>
    <message>
        <source>%1 buffer overruns</source>
        <translation>%1 Pufferüberläufe</translation>
    </message>
    <message>
        <source>%1 framing error</source>
        <translation>%1 Rahmenfehler</translation>
    </message>
    <message>
        <source>%1 framing errors</source>
        <translation>%1 Rahmenfehler</translation>
    </message>
    <message>
        <source>%1 parity error</source>
        <translation>%1 Paritätsfehler</translation>
    </message>
    <message>
        <source>%1 parity errors</source>
        <translation>%1 Paritätsfehler</translation>
    </message>
    <message>
        <source>%1 break</source>
        <translation>%1 Break-Signal</translation>
    </message>
    <message>
        <source>%1 breaks</source>
        <translation>%1 Break-Signale</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>the port counted %1 during the transfer</source>
        <translation>der Port zählte während der Übertragung %1</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the stored %1 is no finite number; its default %2 is used</source>
        <translation>der gespeicherte Wert %1 ist keine endliche Zahl; sein Standardwert %2 wird verwendet</translation>
    </message>
    <message>
        <source>the stored settings could not be read (%1); the defaults are used, and the settings are not written over</source>
        <translation>die gespeicherten Einstellungen ließen sich nicht lesen (%1); die Standardwerte werden verwendet und die Einstellungen nicht überschrieben</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>above sea level</source>
        <translation>über Meereshöhe</translation>
    </message>
    <message>
        <source>above start (no start elevation)</source>
        <translation>über Start (keine Starthöhe)</translation>
    </message>
    <message>
        <source>above start</source>
        <translation>über Start</translation>
    </message>
    <message>
        <source>%1 (climb %2)</source>
        <extracomment>The best climb&apos;s average rate and its number in the climbs table: &quot;2.32 m/s (climb 3)&quot;.</extracomment>
        <translation>%1 (Steigphase %2)</translation>
    </message>
    <message>
        <source>%1 (%2 to %3)</source>
        <extracomment>The model sigmas found along a flight: &quot;0.01 (0.001 to 3.2)&quot;.</extracomment>
        <translation>%1 (%2 bis %3)</translation>
    </message>
    <message>
        <source>%1, from the flight</source>
        <extracomment>The model sigma the smoother found: &quot;0.01 (0.001 to 3.2), from the flight&quot;.</extracomment>
        <translation>%1, aus dem Flug</translation>
    </message>
</context>
<context>
    <name>StatisticsView</name>
    <message>
        <source>Log</source>
        <translation>Aufzeichnung</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Takeoff</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Landing</source>
        <translation>Landung</translation>
    </message>
    <message>
        <source>Airtime</source>
        <translation>Flugzeit</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation>Flüge</translation>
    </message>
    <message>
        <source>Rate</source>
        <extracomment>The sample period of the log: &quot;1 s&quot;.</extracomment>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>max Altitude</source>
        <translation>max. Höhe</translation>
    </message>
    <message>
        <source>Model Sigma</source>
        <translation>Modell-Sigma</translation>
    </message>
    <message>
        <source>Altitude</source>
        <extracomment>What the altitude is measured from: &quot;above start&quot;, &quot;above sea level&quot;.</extracomment>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Temperature</source>
        <extracomment>The logger&apos;s temperature, not decoded: &quot;n/a&quot;.</extracomment>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>start Altitude</source>
        <translation>Anfangshöhe</translation>
    </message>
    <message>
        <source>end Altitude</source>
        <translation>Endhöhe</translation>
    </message>
    <message>
        <source>min Vario</source>
        <translation>min. Vario</translation>
    </message>
    <message>
        <source>max Vario</source>
        <translation>max. Vario</translation>
    </message>
    <message>
        <source>avr Vario</source>
        <extracomment>The mean vario of the selection.</extracomment>
        <translation>mittl. Vario</translation>
    </message>
    <message>
        <source>Climbs</source>
        <translation>Steigphasen</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Time climbing</source>
        <translation>Steigzeit</translation>
    </message>
    <message>
        <source>Height gained</source>
        <translation>Höhengewinn</translation>
    </message>
    <message>
        <source>Best climb</source>
        <translation>Bestes Steigen</translation>
    </message>
</context>
</TS>
