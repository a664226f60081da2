<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Nivra is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.

Nivra is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for more details.

You should have received a copy of the GNU General Public License along with Nivra (the file COPYING). If not, see &lt;https://www.gnu.org/licenses/&gt;.</source>
        <extracomment>the GPL&apos;s notice: the licence itself (COPYING) stays in English</extracomment>
        <translation>Nivra est un logiciel libre&#xa0;: vous pouvez le redistribuer et/ou le modifier selon les termes de la GNU General Public License telle que publiée par la Free Software Foundation, soit la version 3 de la Licence, soit (à votre choix) toute version ultérieure.

Nivra est distribué dans l’espoir qu’il sera utile, mais SANS AUCUNE GARANTIE&#xa0;; sans même la garantie implicite de QUALITÉ MARCHANDE ou d’ADÉQUATION À UN USAGE PARTICULIER. Consultez la GNU General Public License pour plus de détails.

Vous devriez avoir reçu une copie de la GNU General Public License avec Nivra (le fichier COPYING). Si ce n’est pas le cas, consultez &lt;https://www.gnu.org/licenses/&gt;.</translation>
    </message>
    <message>
        <source>Nivra is built on these libraries, with thanks to their authors:

muparser %1, the formula parser: Copyright (C) 2004-2022 Ingo Berg. MIT licence.
pugixml %2, the XML reader: Copyright (C) 2006-2022 Arseny Kapoulkine. MIT licence.
Qt %3, the window toolkit: Copyright (C) 2016-2022 The Qt Company Ltd. Used under the GNU Lesser General Public License version 3.

The MIT licence of muparser and pugixml:

%4</source>
        <extracomment>%1, %2 and %3 are version numbers, %4 the MIT licence&apos;s text (in English)</extracomment>
        <translation>Nivra repose sur ces bibliothèques, avec nos remerciements à leurs auteurs&#xa0;:

muparser %1, l’analyseur de formules&#xa0;: Copyright (C) 2004-2022 Ingo Berg. Licence MIT.
pugixml %2, le lecteur XML&#xa0;: Copyright (C) 2006-2022 Arseny Kapoulkine. Licence MIT.
Qt %3, la boîte à outils des fenêtres&#xa0;: Copyright (C) 2016-2022 The Qt Company Ltd. Utilisé selon les termes de la GNU Lesser General Public License version 3.

La licence MIT de muparser et de pugixml&#xa0;:

%4</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&lt;b&gt;Nivra %1&lt;/b&gt;&lt;br&gt;The flights of the Brixo altimeter logger: downloaded, shown, measured and kept.&lt;br&gt;Copyright (C) 2026 The Nivra developers</source>
        <translation>&lt;b&gt;Nivra %1&lt;/b&gt;&lt;br&gt;Les vols de l’altimètre enregistreur Brixo&#xa0;: téléchargés, affichés, mesurés et conservés.&lt;br&gt;Copyright (C) 2026 Les développeurs de Nivra</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Libraries</source>
        <translation>Bibliothèques</translation>
    </message>
    <message>
        <source>Supported devices list:</source>
        <translation>Liste des appareils pris en charge&#xa0;:</translation>
    </message>
    <message>
        <source>Configuration: the built-in document.</source>
        <translation>Configuration&#xa0;: le document intégré.</translation>
    </message>
    <message>
        <source>Configuration: %1</source>
        <translation>Configuration&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ChartPicture</name>
    <message>
        <source>Takeoff</source>
        <comment>chart mark</comment>
        <translation>Décollage</translation>
    </message>
    <message>
        <source>Landing</source>
        <comment>chart mark</comment>
        <translation>Atterrissage</translation>
    </message>
</context>
<context>
    <name>ChartScene</name>
    <message>
        <source>Time</source>
        <comment>legend title of the mouse&apos;s time read-out</comment>
        <translation>Temps</translation>
    </message>
</context>
<context>
    <name>ChartSeries</name>
    <message>
        <source>Alt</source>
        <extracomment>The altitude curve&apos;s name in the legend and on its axis: &quot;Alt [m]&quot;.</extracomment>
        <translation>Alt</translation>
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
        <translation>Style du graphique</translation>
    </message>
    <message>
        <source>Chart</source>
        <comment>colour entry: the chart&apos;s own default colour</comment>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Aligned to zero</source>
        <translation>Aligné sur zéro</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Object</source>
        <comment>the list of the chart&apos;s series</comment>
        <translation>Objet</translation>
    </message>
</context>
<context>
    <name>ClimbsView</name>
    <message>
        <source>Climb</source>
        <comment>column: the number of a climb</comment>
        <translation>Ascendance</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>column: the time a climb starts</comment>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <comment>column: the time a climb ends</comment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <comment>column: how long a climb lasts</comment>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Gain [%1]</source>
        <comment>column: height gained, %1 the length unit</comment>
        <translation>Gain [%1]</translation>
    </message>
    <message>
        <source>Average [%1]</source>
        <comment>column: average climb rate, %1 the speed unit</comment>
        <translation>Moyenne [%1]</translation>
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
        <translation>Plus de couleurs</translation>
    </message>
    <message>
        <source>Automatic</source>
        <comment>default colour</comment>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Plus de couleurs...</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare Flights</source>
        <translation>Comparer des vols</translation>
    </message>
    <message>
        <source>Align by:</source>
        <translation>Aligner sur&#xa0;:</translation>
    </message>
    <message>
        <source>Takeoff</source>
        <translation>Décollage</translation>
    </message>
    <message>
        <source>Log start</source>
        <translation>Début de l’enregistrement</translation>
    </message>
    <message>
        <source>Highest point</source>
        <translation>Point le plus haut</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Every flight needs its time flown (Log Properties)</source>
        <translation>Chaque vol doit avoir son heure de vol (Propriétés de l’enregistrement)</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>above takeoff</source>
        <translation>au-dessus du déco</translation>
    </message>
    <message>
        <source>above sea level</source>
        <translation>au-dessus de la mer</translation>
    </message>
    <message>
        <source>Earlier</source>
        <extracomment>moves the flight chosen in the table back in time</extracomment>
        <translation>Plus tôt</translation>
    </message>
    <message>
        <source>Later</source>
        <extracomment>moves the flight chosen in the table on in time</extracomment>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Reset offsets</source>
        <translation>Remettre à zéro</translation>
    </message>
    <message>
        <source>The flight chosen in the table, 10 s earlier (1 s with Shift)</source>
        <translation>Le vol choisi dans le tableau, 10 s plus tôt (1 s avec Maj)</translation>
    </message>
    <message>
        <source>The flight chosen in the table, 10 s later (1 s with Shift)</source>
        <translation>Le vol choisi dans le tableau, 10 s plus tard (1 s avec Maj)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>The table as text, TAB-separated, for a spreadsheet</source>
        <translation>Le tableau en texte, séparé par des tabulations, pour un tableur</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation>Enregistrer l’image...</translation>
    </message>
    <message>
        <source>The chart as shown, as a JPEG or PNG file</source>
        <translation>Le graphique tel qu’affiché, en fichier JPEG ou PNG</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>JPEG Files (*.jpg);;PNG Files (*.png)</source>
        <translation>Fichiers JPEG (*.jpg);;Fichiers PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be written to %1:
%2</source>
        <translation>L’image n’a pas pu être écrite dans %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>The table could not be written to %1:
%2</source>
        <translation>Le tableau n’a pas pu être écrit dans %1&#xa0;:
%2</translation>
    </message>
</context>
<context>
    <name>ComparisonPicture</name>
    <message>
        <source>Height above sea level</source>
        <translation>Hauteur sur mer</translation>
    </message>
    <message>
        <source>Height above takeoff</source>
        <translation>Hauteur sur déco</translation>
    </message>
    <message>
        <source>%1 (vario)</source>
        <extracomment>the legend&apos;s name of a flight&apos;s vario curve; %1 is the flight&apos;s label</extracomment>
        <translation>%1 (vario)</translation>
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
        <translation>Date</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Airtime</source>
        <translation>Temps de vol</translation>
    </message>
    <message>
        <source>Highest point</source>
        <translation>Point le plus haut</translation>
    </message>
    <message>
        <source>Height gained</source>
        <translation>Gain de hauteur</translation>
    </message>
    <message>
        <source>Climbs</source>
        <translation>Ascendances</translation>
    </message>
    <message>
        <source>Best climb</source>
        <translation>Meilleure ascendance</translation>
    </message>
    <message>
        <source>Average climb</source>
        <translation>Ascendance moyenne</translation>
    </message>
    <message>
        <source>Selection gain</source>
        <extracomment>the height gained over the stretch selected in the chart</extracomment>
        <translation>Gain de la sélection</translation>
    </message>
    <message>
        <source>Selection vario</source>
        <extracomment>the mean vario over the stretch selected in the chart</extracomment>
        <translation>Vario de la sélection</translation>
    </message>
</context>
<context>
    <name>Download</name>
    <message>
        <source>its raw readings jump from %1 to %2 between samples %3 and %4: the records look shifted by a byte lost on the line</source>
        <translation>ses valeurs brutes sautent de %1 à %2 entre les points %3 et %4&#xa0;: les enregistrements semblent décalés d’un octet perdu sur la ligne</translation>
    </message>
</context>
<context>
    <name>DownloadDialog</name>
    <message>
        <source>Data download</source>
        <translation>Téléchargement des données</translation>
    </message>
    <message>
        <source>Plug connector to Brixo and power it on.</source>
        <translation>Branchez le connecteur au Brixo et allumez-le.</translation>
    </message>
    <message>
        <source>Flight</source>
        <translation>Vol</translation>
    </message>
    <message>
        <source>Rate</source>
        <comment>the time between two samples of a log</comment>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>The flight&apos;s number in the logger&apos;s memory</source>
        <translation>Le numéro du vol dans la mémoire de l’enregistreur</translation>
    </message>
    <message>
        <source>The time between two samples</source>
        <translation>Le temps entre deux échantillons</translation>
    </message>
    <message>
        <source>Hours, minutes and seconds (estimated)</source>
        <translation>Heures, minutes et secondes (estimation)</translation>
    </message>
    <message>
        <source>Whether the flight looks damaged</source>
        <translation>Si le vol semble endommagé</translation>
    </message>
    <message>
        <source>The day these flights were flown: the logger has no clock</source>
        <translation>Le jour où ces vols ont été effectués&#xa0;: l’enregistreur n’a pas d’horloge</translation>
    </message>
    <message>
        <source>where they were flown</source>
        <translation>où ils ont été effectués</translation>
    </message>
    <message>
        <source>Flown on:</source>
        <translation>Date du vol&#xa0;:</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>Site&#xa0;:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Data transfer in progress</source>
        <translation>Transfert des données en cours</translation>
    </message>
    <message>
        <source>%1 bytes has been received</source>
        <translation>%1 octets reçus</translation>
    </message>
    <message>
        <source>No data has arrived for %1 seconds. Check the cable, or Cancel.</source>
        <extracomment>&quot;Cancel&quot; is the dialog&apos;s button</extracomment>
        <translation>Aucune donnée reçue depuis %1 secondes. Vérifiez le câble, ou cliquez sur Annuler.</translation>
    </message>
    <message>
        <source>Unable to open COM port</source>
        <translation>Impossible d’ouvrir le port COM</translation>
    </message>
    <message>
        <source>Memory image</source>
        <translation>Image mémoire</translation>
    </message>
    <message>
        <source>In the logbook already: downloaded before</source>
        <translation>Déjà dans le carnet de vol&#xa0;: téléchargé auparavant</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>endommagé</translation>
    </message>
    <message>
        <source>Flight %1 looks damaged: %2</source>
        <extracomment>%1 is the flight&apos;s number, %2 what is wrong with it</extracomment>
        <translation>Le vol %1 semble endommagé&#xa0;: %2</translation>
    </message>
    <message>
        <source>The connection to the logger was lost.</source>
        <translation>La connexion avec l’enregistreur a été perdue.</translation>
    </message>
    <message numerus="yes">
        <source>The %n flight(s) listed were not taken over.</source>
        <extracomment>English: &quot;The flight listed was not taken over.&quot; for one, &quot;The %n flights listed were not taken over.&quot; else</extracomment>
        <translation>
            <numerusform>%n vol listé n’a pas été récupéré.</numerusform>
            <numerusform>Les %n vols listés n’ont pas été récupérés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was taken over.</source>
        <translation>Rien n’a été récupéré.</translation>
    </message>
    <message>
        <source>%1 Check the cable and download again.
(%2)</source>
        <extracomment>%1 says what was not taken over (a sentence); %2 is why the connection was lost</extracomment>
        <translation>%1 Vérifiez le câble et relancez le téléchargement.
(%2)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>To save log in Brixo memory switch it off immediately</source>
        <translation>Pour conserver l’enregistrement dans la mémoire du Brixo, éteignez-le immédiatement</translation>
    </message>
    <message>
        <source>Switching the logger off now keeps these flights in its memory too.</source>
        <translation>Éteindre l’enregistreur maintenant conserve aussi ces vols dans sa mémoire.</translation>
    </message>
    <message>
        <source>The memory ends inside a flight: that flight is missing from the list.</source>
        <translation>La mémoire s’arrête au milieu d’un vol&#xa0;: ce vol manque dans la liste.</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Alt Files (*.alt)</source>
        <translation>Fichiers Alt (*.alt)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>JPEG Files (*.jpg)</source>
        <translation>Fichiers JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>The title of the file dialog of Export (a log, or a stretch of the log shown)</extracomment>
        <translation>Exporter</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>%1 is %2, not a regular file; nothing was written</source>
        <extracomment>%1 is a file&apos;s path, %2 what it is: &quot;a folder&quot;, &quot;a named pipe (FIFO)&quot;</extracomment>
        <translation>%1 est %2, pas un fichier ordinaire&#xa0;; rien n’a été écrit</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>aucun nom de fichier indiqué</translation>
    </message>
    <message>
        <source>the folder %1 is not writable (%2)</source>
        <translation>le dossier %1 n’est pas accessible en écriture (%2)</translation>
    </message>
    <message>
        <source>a regular file</source>
        <extracomment>what a path names, said in &quot;%1 is a folder, not a regular file&quot;</extracomment>
        <translation>un fichier ordinaire</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>un tube nommé (FIFO)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un périphérique en mode caractère</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un périphérique en mode bloc</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>un lien symbolique</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>pas un fichier</translation>
    </message>
    <message>
        <source>it is %1, not a regular file</source>
        <translation>c’est %1, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>no file is open for writing</source>
        <translation>aucun fichier n’est ouvert en écriture</translation>
    </message>
</context>
<context>
    <name>FlightReport</name>
    <message>
        <source>Date</source>
        <comment>when the flight was flown</comment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Site</source>
        <comment>where the flight was flown</comment>
        <translation>Site</translation>
    </message>
    <message>
        <source>Start elevation</source>
        <translation>Altitude du décollage</translation>
    </message>
    <message>
        <source>Device</source>
        <comment>the logger that recorded the flight</comment>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Duration</source>
        <comment>length of the log</comment>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Rate</source>
        <comment>sample rate of the log</comment>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>max Altitude</source>
        <translation>Altitude max</translation>
    </message>
    <message>
        <source>Altitude</source>
        <comment>what the altitudes are measured from</comment>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Model Sigma</source>
        <translation>Sigma du modèle</translation>
    </message>
    <message>
        <source>Log</source>
        <comment>section: statistics of the recorded log</comment>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Takeoff</source>
        <translation>Décollage</translation>
    </message>
    <message>
        <source>Landing</source>
        <translation>Atterrissage</translation>
    </message>
    <message>
        <source>Airtime</source>
        <translation>Temps de vol</translation>
    </message>
    <message>
        <source>Flights</source>
        <comment>number of flights</comment>
        <translation>Vols</translation>
    </message>
    <message>
        <source>Climbs</source>
        <comment>section</comment>
        <translation>Ascendances</translation>
    </message>
    <message>
        <source>Count</source>
        <comment>number of climbs</comment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Time climbing</source>
        <translation>Temps en ascendance</translation>
    </message>
    <message>
        <source>Height gained</source>
        <translation>Gain de hauteur</translation>
    </message>
    <message>
        <source>Best climb</source>
        <translation>Meilleure ascendance</translation>
    </message>
    <message>
        <source>Climb</source>
        <comment>column: the climb&apos;s number</comment>
        <translation>Ascendance</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>column: when the climb began</comment>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <comment>column: when the climb ended</comment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <comment>column: how long the climb lasted</comment>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Gain [%1]</source>
        <comment>column: height gained; %1 is the length unit</comment>
        <translation>Gain [%1]</translation>
    </message>
    <message>
        <source>Average [%1]</source>
        <comment>column: average climb rate; %1 is the speed unit</comment>
        <translation>Moyenne [%1]</translation>
    </message>
    <message>
        <source>Max [%1]</source>
        <comment>column: highest climb rate; %1 is the speed unit</comment>
        <translation>Max [%1]</translation>
    </message>
    <message>
        <source>Takeoff %1, Landing %2</source>
        <comment>the times of a flight&apos;s takeoff and landing</comment>
        <translation>Décollage %1, atterrissage %2</translation>
    </message>
    <message>
        <source>the report could not be made in memory</source>
        <translation>le rapport n’a pas pu être créé en mémoire</translation>
    </message>
    <message>
        <source>the report could not be drawn</source>
        <translation>le rapport n’a pas pu être dessiné</translation>
    </message>
</context>
<context>
    <name>ImageStore</name>
    <message>
        <source>the memory image could not be written: the folder %1 cannot be made</source>
        <translation>l’image mémoire n’a pas pu être écrite&#xa0;: impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>the memory image could not be written to %1: %2</source>
        <translation>l’image mémoire n’a pas pu être écrite dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the memory image could not be written again to %1: %2</source>
        <translation>l’image mémoire n’a pas pu être réécrite dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>LogFile</name>
    <message>
        <source>cannot open the file: %1</source>
        <translation>impossible d’ouvrir le fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>not a log file: the first 16 lines are not all &quot; 13&quot;</source>
        <translation>pas un fichier d’enregistrements&#xa0;: les 16 premières lignes ne sont pas toutes «&#xa0;13&#xa0;»</translation>
    </message>
    <message>
        <source>not a log file: the word after the preamble is not zero</source>
        <translation>pas un fichier d’enregistrements&#xa0;: le mot qui suit le préambule n’est pas nul</translation>
    </message>
    <message>
        <source>%1: no log was read</source>
        <translation>%1&#xa0;: aucun enregistrement n’a été lu</translation>
    </message>
    <message>
        <source>the configuration knows no device %1 (nor the fallback device 59): no log was read</source>
        <translation>la configuration ne connaît pas l’appareil %1 (ni l’appareil de repli 59)&#xa0;: aucun enregistrement n’a été lu</translation>
    </message>
    <message>
        <source>the file ends inside log %1, so that log is incomplete (its last, partial record was dropped)</source>
        <translation>le fichier s’arrête au milieu de l’enregistrement %1, qui est donc incomplet (son dernier point, partiel, a été écarté)</translation>
    </message>
    <message>
        <source>the file ends inside log %1, so that log is incomplete</source>
        <translation>le fichier s’arrête au milieu de l’enregistrement %1, qui est donc incomplet</translation>
    </message>
    <message>
        <source>the file ends inside the header of log %1, so that log is missing</source>
        <translation>le fichier s’arrête dans l’en-tête de l’enregistrement %1, qui manque donc</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the file ends after %1 of the 16 &quot; 13&quot; lines that open a log file</source>
        <translation>le fichier s’arrête après %1 des 16 lignes «&#xa0;13&#xa0;» qui ouvrent un fichier d’enregistrements</translation>
    </message>
    <message>
        <source>the file ends right after the 16 &quot; 13&quot; lines that open a log file</source>
        <translation>le fichier s’arrête juste après les 16 lignes «&#xa0;13&#xa0;» qui ouvrent un fichier d’enregistrements</translation>
    </message>
</context>
<context>
    <name>LogPropertiesDialog</name>
    <message>
        <source>Log Properties</source>
        <translation>Propriétés de l’enregistrement</translation>
    </message>
    <message>
        <source>feet above sea level</source>
        <translation>pieds au-dessus du niveau de la mer</translation>
    </message>
    <message>
        <source>metres above sea level</source>
        <translation>mètres au-dessus du niveau de la mer</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durée&#xa0;:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>Site&#xa0;:</translation>
    </message>
    <message>
        <source>Start elevation (%1):</source>
        <extracomment>%1 is the unit of length, &quot;m&quot; or &quot;ft&quot;</extracomment>
        <translation>Altitude du décollage (%1)&#xa0;:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Commentaire&#xa0;:</translation>
    </message>
    <message>
        <source>The start elevation is feet above sea level from %1 to %2, not &quot;%3&quot;.</source>
        <extracomment>%1 and %2: the lowest and highest start elevation allowed; %3: the text typed</extracomment>
        <translation>L’altitude du décollage s’indique en pieds au-dessus du niveau de la mer, de %1 à %2, et non «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>The start elevation is metres above sea level from %1 to %2, not &quot;%3&quot;.</source>
        <extracomment>%1 and %2: the lowest and highest start elevation allowed; %3: the text typed</extracomment>
        <translation>L’altitude du décollage s’indique en mètres au-dessus du niveau de la mer, de %1 à %2, et non «&#xa0;%3&#xa0;».</translation>
    </message>
</context>
<context>
    <name>LogTree</name>
    <message>
        <source>Duration %1, a sample every %2</source>
        <translation>Durée %1, un échantillon toutes les %2</translation>
    </message>
</context>
<context>
    <name>Logbook</name>
    <message>
        <source>the logbook has no flight %1</source>
        <translation>le carnet de vol n’a pas de vol %1</translation>
    </message>
    <message>
        <source>there is no folder for user data</source>
        <translation>il n’y a pas de dossier pour les données de l’utilisateur</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>%1 is not an SQLite database; it was left as it is</source>
        <translation>%1 n’est pas une base de données SQLite&#xa0;; elle a été laissée telle quelle</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is missing (on Debian: the package libqt6sql6-sqlite)</source>
        <translation>le pilote SQLite de Qt est absent (sous Debian&#xa0;: le paquet libqt6sql6-sqlite)</translation>
    </message>
</context>
<context>
    <name>LogbookView</name>
    <message>
        <source>Filter: name, site, date ...</source>
        <translation>Filtre&#xa0;: nom, site, date...</translation>
    </message>
    <message>
        <source>From</source>
        <extracomment>the first and the last day flown shown</extracomment>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>any</source>
        <extracomment>a day not chosen: no bound</extracomment>
        <translation>indifférent</translation>
    </message>
    <message>
        <source>The first day flown to show; &quot;any&quot; shows all</source>
        <extracomment>&quot;any&quot; as the day is shown when none is chosen</extracomment>
        <translation>Le premier jour de vol à afficher&#xa0;; «&#xa0;indifférent&#xa0;» affiche tous les vols</translation>
    </message>
    <message>
        <source>The last day flown to show; &quot;any&quot; shows all</source>
        <extracomment>&quot;any&quot; as the day is shown when none is chosen</extracomment>
        <translation>Le dernier jour de vol à afficher&#xa0;; «&#xa0;indifférent&#xa0;» affiche tous les vols</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation>Vols</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Rate</source>
        <comment>the time between two samples of a log</comment>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Airtime</source>
        <translation>Temps de vol</translation>
    </message>
    <message>
        <source>Max altitude</source>
        <translation>Altitude max</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Téléchargé</translation>
    </message>
    <message>
        <source>When it was flown, as you gave it; in grey, the day it was downloaded, where you gave none</source>
        <translation>La date du vol, telle que vous l’avez indiquée&#xa0;; en gris, le jour du téléchargement, si vous n’en avez indiqué aucune</translation>
    </message>
    <message>
        <source>How long the logger was on</source>
        <translation>Durée de fonctionnement de l’enregistreur</translation>
    </message>
    <message>
        <source>From takeoff to landing, every flight of the log</source>
        <translation>Du décollage à l’atterrissage, tous les vols de l’enregistrement</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>The flights chosen side by side (Ctrl+K)</source>
        <translation>Les vols choisis, côte à côte (Ctrl+K)</translation>
    </message>
    <message>
        <source>Export Logbook...</source>
        <translation>Exporter le carnet...</translation>
    </message>
    <message>
        <source>The flights shown, as a CSV table</source>
        <translation>Les vols affichés, en tableau CSV</translation>
    </message>
    <message>
        <source>Max altitude [%1]</source>
        <extracomment>%1 is the unit of length, &quot;m&quot; or &quot;ft&quot;</extracomment>
        <translation>Altitude max [%1]</translation>
    </message>
    <message>
        <source>Downloaded on this day; the day flown was not given</source>
        <translation>Téléchargé ce jour-là&#xa0;; la date du vol n’a pas été indiquée</translation>
    </message>
    <message>
        <source>The logger-on time: the altitude of this log could not be analysed for its takeoffs and landings</source>
        <translation>Durée de fonctionnement de l’enregistreur&#xa0;: l’altitude de cet enregistrement n’a pas pu être analysée pour trouver ses décollages et atterrissages</translation>
    </message>
    <message>
        <source>With the takeoff and landing marks you corrected</source>
        <translation>Avec les marques de décollage et d’atterrissage que vous avez corrigées</translation>
    </message>
    <message numerus="yes">
        <source>%n log(s)</source>
        <extracomment>the logs shown, in the logbook&apos;s totals; English: &quot;1 log&quot;, &quot;2 logs&quot;</extracomment>
        <translation>
            <numerusform>%n enregistrement</numerusform>
            <numerusform>%n enregistrements</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n flight(s)</source>
        <extracomment>the flights in the logs shown, in the logbook&apos;s totals; English: &quot;1 flight&quot;, &quot;2 flights&quot;</extracomment>
        <translation>
            <numerusform>%n vol</numerusform>
            <numerusform>%n vols</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, airtime %3</source>
        <extracomment>%1: the logs (&quot;3 logs&quot;), %2: their flights (&quot;5 flights&quot;), %3: their airtime in hours:minutes:seconds</extracomment>
        <translation>%1, %2, temps de vol %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The chart shows part of the flight. Which part goes on paper?</source>
        <translation>Le graphique montre une partie du vol. Quelle partie imprimer&#xa0;?</translation>
    </message>
    <message>
        <source>The view as shown</source>
        <translation>La vue telle qu’affichée</translation>
    </message>
    <message>
        <source>The whole flight</source>
        <translation>Le vol entier</translation>
    </message>
    <message>
        <source>Preferences: %1.</source>
        <translation>Préférences&#xa0;: %1.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Download	Ctrl+N</source>
        <translation>&amp;Télécharger	Ctrl+N</translation>
    </message>
    <message>
        <source>Download flights from the logger
Download</source>
        <translation>Télécharger les vols de l’enregistreur
Télécharger</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Ouvrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open a log file (.alt)
Open</source>
        <translation>Ouvrir un fichier d’enregistrements (.alt)
Ouvrir</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save all logs of the list to a log file (.alt)
Save As</source>
        <translation>Sauvegarder tous les enregistrements de la liste dans un fichier d’enregistrements (.alt)
Enregistrer sous</translation>
    </message>
    <message>
        <source>&amp;Import Memory Image...</source>
        <translation>&amp;Importer une image mémoire...</translation>
    </message>
    <message>
        <source>Show the flights of a memory image saved by an earlier download
Import Memory Image</source>
        <translation>Afficher les vols d’une image mémoire sauvegardée lors d’un téléchargement précédent
Importer une image mémoire</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Im&amp;primer...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimer le document actif
Imprimer</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Afficher des pages entières
Aperçu avant impression</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Configuration de l’impression...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Changer d’imprimante et les options d’impression
Configuration de l’impression</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation>Exporter en P&amp;DF...</translation>
    </message>
    <message>
        <source>Write the report of the log shown as a PDF file
Export as PDF</source>
        <translation>Écrire le rapport de l’enregistrement affiché dans un fichier PDF
Exporter en PDF</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit Nivra; asks first when downloaded logs are not saved
Exit</source>
        <translation>Quitter Nivra&#xa0;; demande d’abord confirmation si des enregistrements téléchargés ne sont pas sauvegardés
Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Aff&amp;ichage</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barre d’&amp;outils</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Afficher ou masquer la barre d’outils
Barre d’outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d’é&amp;tat</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Afficher ou masquer la barre d’état
Barre d’état</translation>
    </message>
    <message>
        <source>&amp;Logs</source>
        <translation>En&amp;registrements</translation>
    </message>
    <message>
        <source>Show or hide the Logs pane
Toggle Logs</source>
        <translation>Afficher ou masquer le volet Enregistrements
Enregistrements</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>Change the port, the units, the filters and the colours
Preferences</source>
        <translation>Changer le port, les unités, les filtres et les couleurs
Préférences</translation>
    </message>
    <message>
        <source>Pre&amp;vious view</source>
        <translation>&amp;Vue précédente</translation>
    </message>
    <message>
        <source>Return to last view
Previous view</source>
        <translation>Revenir à la vue précédente
Vue précédente</translation>
    </message>
    <message>
        <source>&amp;Next view</source>
        <translation>Vue &amp;suivante</translation>
    </message>
    <message>
        <source>Go further on view stack
Next view</source>
        <translation>Avancer dans la pile des vues
Vue suivante</translation>
    </message>
    <message>
        <source>&amp;Whole flight</source>
        <translation>Vol &amp;entier</translation>
    </message>
    <message>
        <source>Show the whole log in the chart
Whole flight</source>
        <translation>Afficher tout l’enregistrement dans le graphique
Vol entier</translation>
    </message>
    <message>
        <source>&amp;Clear labels</source>
        <translation>E&amp;ffacer les étiquettes</translation>
    </message>
    <message>
        <source>Remove every label from the chart
Clear labels</source>
        <translation>Retirer toutes les étiquettes du graphique
Effacer les étiquettes</translation>
    </message>
    <message>
        <source>Show cli&amp;mbs</source>
        <translation>Afficher les &amp;ascendances</translation>
    </message>
    <message>
        <source>Shade the climbs of the log in the chart
Show climbs</source>
        <translation>Ombrer les ascendances de l’enregistrement dans le graphique
Afficher les ascendances</translation>
    </message>
    <message>
        <source>&amp;Fit heights to view</source>
        <translation>Adapter les &amp;hauteurs à la vue</translation>
    </message>
    <message>
        <source>The heights of the chart fit what is in view after a zoom or a pan</source>
        <translation>Les hauteurs du graphique s’adaptent à ce qui est visible après un zoom ou un déplacement</translation>
    </message>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>Co&amp;mparer...</translation>
    </message>
    <message>
        <source>Show the logs chosen in the Logs list, or the flights chosen in the Logbook, side by side
Compare</source>
        <translation>Afficher côte à côte les enregistrements choisis dans la liste Enregistrements, ou les vols choisis dans le carnet de vol
Comparer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Quick Guide</source>
        <translation>&amp;Guide rapide</translation>
    </message>
    <message>
        <source>First steps, reading the chart, climbs, the logbook and every key</source>
        <translation>Premiers pas, lecture du graphique, ascendances, carnet de vol et toutes les touches</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>Every key and mouse gesture of Nivra</source>
        <translation>Toutes les touches et tous les gestes de souris de Nivra</translation>
    </message>
    <message>
        <source>&amp;About Nivra...</source>
        <translation>À &amp;propos de Nivra...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright
À propos</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Rebuild the chart and the statistics of the log shown
Refresh</source>
        <translation>Reconstruire le graphique et les statistiques de l’enregistrement affiché
Actualiser</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Hide the pane</source>
        <translation>Masquer le volet</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Climbs</source>
        <translation>Ascendances</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>Logbook</source>
        <translation>Carnet de vol</translation>
    </message>
    <message>
        <source>Download flights from your Brixo, or open an .alt file</source>
        <translation>Téléchargez les vols de votre Brixo, ou ouvrez un fichier .alt</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Propriétés...</translation>
    </message>
    <message>
        <source>Delete %1?
It is not saved in a file or kept in the logbook, and would be lost.</source>
        <translation>Supprimer %1&#xa0;?
Il n’est ni sauvegardé dans un fichier ni conservé dans le carnet de vol, et serait perdu.</translation>
    </message>
    <message>
        <source>The corrected takeoff and landing could not be kept in the logbook:
%1</source>
        <translation>Le décollage et l’atterrissage corrigés n’ont pas pu être conservés dans le carnet de vol&#xa0;:
%1</translation>
    </message>
    <message>
        <source>There is not enough memory to export the log to %1.</source>
        <translation>Mémoire insuffisante pour exporter l’enregistrement vers %1.</translation>
    </message>
    <message>
        <source>The log could not be exported to %1:
%2</source>
        <translation>L’enregistrement n’a pas pu être exporté vers %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>the log holds no altitude samples</source>
        <translation>l’enregistrement ne contient aucun échantillon d’altitude</translation>
    </message>
    <message>
        <source>The table in %1 was written without some of the shown series:</source>
        <translation>Le tableau dans %1 a été écrit sans certaines des séries affichées&#xa0;:</translation>
    </message>
    <message>
        <source>the log holds too few samples to draw</source>
        <translation>l’enregistrement contient trop peu d’échantillons pour être dessiné</translation>
    </message>
    <message>
        <source>a picture of %1 x %2 pixels cannot be made</source>
        <translation>une image de %1 x %2 pixels ne peut pas être créée</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Ouvrir ce document</translation>
    </message>
    <message>
        <source>The logbook is read only: %1.</source>
        <translation>Le carnet de vol est en lecture seule&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The logbook cannot be used: %1</source>
        <translation>Le carnet de vol est inutilisable&#xa0;: %1</translation>
    </message>
    <message>
        <source>The logbook cannot be read: %1</source>
        <translation>Le carnet de vol ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>The climbs could not be found: %1</source>
        <translation>Les ascendances n’ont pas pu être trouvées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Export Logbook</source>
        <translation>Exporter le carnet de vol</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The logbook could not be exported to %1:
%2</source>
        <translation>Le carnet de vol n’a pas pu être exporté vers %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>The day flown and the site could not be noted in the logbook: %1</source>
        <translation>La date du vol et le site n’ont pas pu être notés dans le carnet de vol&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1
The flights are not kept: save them with File &gt; Save As.</source>
        <translation>%1
Les vols ne sont pas conservés&#xa0;: enregistrez-les avec Fichier &gt; Enregistrer sous.</translation>
    </message>
    <message>
        <source>The logbook is read only: %1.
Save the flights with File &gt; Save As.</source>
        <translation>Le carnet de vol est en lecture seule&#xa0;: %1.
Enregistrez les vols avec Fichier &gt; Enregistrer sous.</translation>
    </message>
    <message>
        <source>The download could not be kept in the logbook: %1
Save the flights with File &gt; Save As.</source>
        <translation>Le téléchargement n’a pas pu être conservé dans le carnet de vol&#xa0;: %1
Enregistrez les vols avec Fichier &gt; Enregistrer sous.</translation>
    </message>
    <message>
        <source>The logbook cannot be read: %1
The log is shown without what was noted about it there (heights above the start, its own name).</source>
        <translation>Le carnet de vol ne peut pas être lu&#xa0;: %1
L’enregistrement est affiché sans ce qui y avait été noté à son sujet (hauteurs au-dessus du décollage, son propre nom).</translation>
    </message>
    <message>
        <source>%1
The log&apos;s properties cannot be kept.</source>
        <translation>%1
Les propriétés de l’enregistrement ne peuvent pas être conservées.</translation>
    </message>
    <message>
        <source>The log could not be added to the logbook:
%1</source>
        <translation>L’enregistrement n’a pas pu être ajouté au carnet de vol&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The log&apos;s properties could not be kept:
%1</source>
        <translation>Les propriétés de l’enregistrement n’ont pas pu être conservées&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Flight %1 could not be read from the logbook:
%2</source>
        <translation>Le vol %1 n’a pas pu être lu dans le carnet de vol&#xa0;:
%2</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>il a disparu</translation>
    </message>
    <message>
        <source>flights from the logbook</source>
        <translation>vols du carnet de vol</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>The title of the file dialog that exports flights of the logbook</extracomment>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Alt Files (*.alt)</source>
        <translation>Fichiers Alt (*.alt)</translation>
    </message>
    <message>
        <source>The flights could not be exported to %1:
%2</source>
        <translation>Les vols n’ont pas pu être exportés vers %1&#xa0;:
%2</translation>
    </message>
    <message numerus="yes">
        <source>Delete these %n flight(s) from the logbook?
The memory images they came from stay on disk and can be imported again.</source>
        <extracomment>English: &quot;Delete this flight from the logbook?...&quot; for one, &quot;Delete these %n flights from the logbook?...&quot; for more.</extracomment>
        <translation>
            <numerusform>Supprimer %n vol du carnet de vol&#xa0;?
L’image mémoire dont il provient reste sur le disque et peut être importée à nouveau.</numerusform>
            <numerusform>Supprimer ces %n vols du carnet de vol&#xa0;?
Les images mémoire dont ils proviennent restent sur le disque et peuvent être importées à nouveau.</numerusform>
        </translation>
    </message>
    <message>
        <source>The flights could not be deleted:
%1</source>
        <translation>Les vols n’ont pas pu être supprimés&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Import Memory Image</source>
        <translation>Importer une image mémoire</translation>
    </message>
    <message>
        <source>Memory Images (*.mem)</source>
        <translation>Images mémoire (*.mem)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 cannot be read:
%2</source>
        <translation>%1 ne peut pas être lu&#xa0;:
%2</translation>
    </message>
    <message>
        <source>%1 is empty: it holds no memory image of the logger.</source>
        <translation>%1 est vide&#xa0;: il ne contient aucune image mémoire de l’enregistreur.</translation>
    </message>
    <message>
        <source>%1 is no memory image of the logger: it is larger than %2 MiB.</source>
        <translation>%1 n’est pas une image mémoire de l’enregistreur&#xa0;: il dépasse %2 Mio.</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>%1 ne peut pas être importé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Choose 2 to 20 logs in the Logs list (Ctrl and a click), or flights in the Logbook, to compare them.</source>
        <translation>Choisissez de 2 à 20 enregistrements dans la liste Enregistrements (Ctrl et un clic), ou des vols dans le carnet de vol, pour les comparer.</translation>
    </message>
    <message>
        <source>Flight %1 cannot be compared: %2</source>
        <translation>Le vol %1 ne peut pas être comparé&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is no longer in the logbook</source>
        <translation>il n’est plus dans le carnet de vol</translation>
    </message>
    <message>
        <source>Flight %1</source>
        <translation>Vol %1</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>the file&apos;s name is not valid UTF-8 text, so Nivra cannot be sure to name that file; rename it and try again</source>
        <translation>le nom du fichier n’est pas un texte UTF-8 valide, Nivra ne peut donc pas être sûr de désigner ce fichier&#xa0;; renommez-le et réessayez</translation>
    </message>
    <message>
        <source>Save the downloaded logs?</source>
        <translation>Sauvegarder les enregistrements téléchargés&#xa0;?</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The title of the file dialog of File &gt; Open</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>not enough memory to open %1</source>
        <translation>mémoire insuffisante pour ouvrir %1</translation>
    </message>
    <message>
        <source>This is not a Brixo log (.alt) file:
%1

(%2)</source>
        <translation>Ce n’est pas un fichier d’enregistrement Brixo (.alt)&#xa0;:
%1

(%2)</translation>
    </message>
    <message>
        <source>%1 could not be opened:
%2</source>
        <translation>%1 n’a pas pu être ouvert&#xa0;:
%2</translation>
    </message>
    <message>
        <source>%1 was opened, but %2.</source>
        <translation>%1 a été ouvert, mais %2.</translation>
    </message>
    <message>
        <source>Save As</source>
        <extracomment>The title of the file dialog of File &gt; Save As</extracomment>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>There is not enough memory to save the logs to %1.</source>
        <translation>Mémoire insuffisante pour sauvegarder les enregistrements dans %1.</translation>
    </message>
    <message>
        <source>The logs could not be saved to %1:
%2</source>
        <translation>Les enregistrements n’ont pas pu être sauvegardés dans %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Nivra - %1 (logs deleted, not saved)</source>
        <translation>Nivra - %1 (enregistrements supprimés, non sauvegardés)</translation>
    </message>
    <message>
        <source>There is not enough memory to show this log.</source>
        <translation>Mémoire insuffisante pour afficher cet enregistrement.</translation>
    </message>
    <message>
        <source>Takeoff here</source>
        <translation>Décollage ici</translation>
    </message>
    <message>
        <source>Landing here</source>
        <translation>Atterrissage ici</translation>
    </message>
    <message>
        <source>Reset to found</source>
        <translation>Revenir aux points détectés</translation>
    </message>
    <message>
        <source>Unable to open COM port.<byte value="xd"/>
Check your preferences.</source>
        <translation>Impossible d’ouvrir le port COM.</translation>
    </message>
    <message>
        <source>The logger&apos;s cable seems not to be plugged in: this computer has no USB serial port at the moment. Plug the cable in and choose Download again.</source>
        <translation>Le câble de l’enregistreur ne semble pas branché&#xa0;: cet ordinateur n’a aucun port série USB pour le moment. Branchez le câble et choisissez à nouveau Télécharger.</translation>
    </message>
    <message>
        <source>There is not enough memory to take over the downloaded flights.</source>
        <translation>Mémoire insuffisante pour récupérer les vols téléchargés.</translation>
    </message>
    <message>
        <source>The data received holds no logger signature; the logs were left as they were.</source>
        <translation>Les données reçues ne contiennent aucune signature d’enregistreur&#xa0;; les enregistrements ont été laissés tels quels.</translation>
    </message>
    <message>
        <source>downloaded logs, kept in the logbook</source>
        <translation>enregistrements téléchargés, conservés dans le carnet de vol</translation>
    </message>
    <message>
        <source>downloaded logs, not saved yet</source>
        <translation>enregistrements téléchargés, pas encore sauvegardés</translation>
    </message>
    <message>
        <source>The preferences could not be stored:
%1</source>
        <translation>Les préférences n’ont pas pu être enregistrées&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The preferences were stored, but %1</source>
        <translation>Les préférences ont été enregistrées, mais %1</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>The report could not be printed: the printer could not be started.</source>
        <translation>Le rapport n’a pas pu être imprimé&#xa0;: l’imprimante n’a pas pu être démarrée.</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be written to %1:
%2</source>
        <translation>Le rapport n’a pas pu être écrit dans %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>The report was written to %1</source>
        <translation>Le rapport a été écrit dans %1</translation>
    </message>
    <message numerus="yes">
        <source>Finding the climbs of %n flight(s)...</source>
        <translation>
            <numerusform>Recherche des ascendances de %n vol...</numerusform>
            <numerusform>Recherche des ascendances de %n vols...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finding the climbs: %1 of %n flight(s)</source>
        <translation>
            <numerusform>Recherche des ascendances&#xa0;: %1 sur %n vol</numerusform>
            <numerusform>Recherche des ascendances&#xa0;: %1 sur %n vols</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n flight(s) exported to %1</source>
        <translation>
            <numerusform>%n vol exporté vers %1</numerusform>
            <numerusform>%n vols exportés vers %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the downloaded flights look damaged; they were kept as they came.</source>
        <translation>
            <numerusform>%n des vols téléchargés semble endommagé&#xa0;; il a été conservé tel quel.</numerusform>
            <numerusform>%n des vols téléchargés semblent endommagés&#xa0;; ils ont été conservés tels quels.</numerusform>
        </translation>
    </message>
    <message>
        <source>Log %1</source>
        <extracomment>a log&apos;s name when the pilot gave none: %1 is its number and length, &quot; 1 (00:04:10)&quot;</extracomment>
        <translation>Enregistrement %1</translation>
    </message>
</context>
<context>
    <name>Palette</name>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marron</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>olive</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>there is no picture of the chart to write</source>
        <translation>il n’y a aucune image du graphique à écrire</translation>
    </message>
    <message>
        <source>the picture could not be encoded: no buffer for it</source>
        <translation>l’image n’a pas pu être encodée&#xa0;: pas de tampon disponible</translation>
    </message>
    <message>
        <source>the picture could not be encoded: %1</source>
        <translation>l’image n’a pas pu être encodée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PortHelp</name>
    <message>
        <source>The user must be a member of the group &quot;%1&quot; that owns %2.</source>
        <translation>L’utilisateur doit être membre du groupe «&#xa0;%1&#xa0;», propriétaire de %2.</translation>
    </message>
    <message>
        <source>On Debian: sudo adduser %1 %2, then log out and back in.</source>
        <translation>Sous Debian&#xa0;: sudo adduser %1 %2, puis fermez la session et rouvrez-la.</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <extracomment>a program that holds the port, and its process number: &quot;ModemManager (process 812)&quot;</extracomment>
        <translation>%1 (processus %2)</translation>
    </message>
    <message>
        <source>a program</source>
        <translation>un programme</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>the last two of the programs that hold the port: &quot;ModemManager (process 812) and brltty (process 77)&quot;</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>The braille display service brltty is running: it takes USB serial adapters it mistakes for braille displays (many with a CH340 or CP210x chip), and their port disappears. Without a braille display, stop it and keep it stopped: sudo systemctl stop brltty-udev.service brltty.service; sudo systemctl mask brltty-udev.service brltty.service (or remove it: sudo apt remove brltty). Then plug the cable in again.</source>
        <translation>Le service d’afficheur braille brltty est actif&#xa0;: il s’empare des adaptateurs série USB qu’il prend pour des afficheurs braille (beaucoup ont une puce CH340 ou CP210x), et leur port disparaît. Sans afficheur braille, arrêtez-le durablement&#xa0;: sudo systemctl stop brltty-udev.service brltty.service&#xa0;; sudo systemctl mask brltty-udev.service brltty.service (ou supprimez-le&#xa0;: sudo apt remove brltty). Puis rebranchez le câble.</translation>
    </message>
    <message>
        <source>ModemManager is running: it probes a serial port that appears for a modem, holding it for some seconds. Wait a moment and try again. Without a mobile modem, stop it: sudo systemctl stop ModemManager.service; sudo systemctl disable ModemManager.service.</source>
        <translation>ModemManager est actif&#xa0;: il sonde tout port série qui apparaît à la recherche d’un modem et le garde quelques secondes. Patientez un instant et réessayez. Sans modem mobile, arrêtez-le&#xa0;: sudo systemctl stop ModemManager.service&#xa0;; sudo systemctl disable ModemManager.service.</translation>
    </message>
    <message>
        <source>The user is a member of the group &quot;%1&quot; that owns %2, but this login began before: log out and back in.</source>
        <translation>L’utilisateur est membre du groupe «&#xa0;%1&#xa0;», propriétaire de %2, mais cette session a commencé avant&#xa0;: fermez la session et rouvrez-la.</translation>
    </message>
    <message>
        <source>The port is in use by another program.</source>
        <translation>Le port est utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>The port is in use by another program: %1.</source>
        <translation>Le port est utilisé par un autre programme&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Close it and try again.</source>
        <translation>Fermez-le et réessayez.</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>Port COM</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Débit (bauds)</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>metric</source>
        <translation>métrique</translation>
    </message>
    <message>
        <source>imperial</source>
        <translation>impérial</translation>
    </message>
    <message>
        <source>Vario unit</source>
        <translation>Unité du vario</translation>
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
        <translation>Altitude</translation>
    </message>
    <message>
        <source>above start</source>
        <translation>au-dessus du déco</translation>
    </message>
    <message>
        <source>above sea level</source>
        <translation>au-dessus de la mer</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
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
        <translation>Durée min. d’enregistrement</translation>
    </message>
    <message>
        <source>Kalman filtering</source>
        <translation>Filtrage de Kalman</translation>
    </message>
    <message>
        <source>Measurement Sigma</source>
        <translation>Sigma de mesure</translation>
    </message>
    <message>
        <source>Model Sigma from the flight</source>
        <translation>Sigma du modèle d’après le vol</translation>
    </message>
    <message>
        <source>Model Sigma</source>
        <translation>Sigma du modèle</translation>
    </message>
    <message>
        <source>Vario</source>
        <translation>Vario</translation>
    </message>
    <message>
        <source>Polynomial filtering</source>
        <translation>Filtrage polynomial</translation>
    </message>
    <message>
        <source>Median filter</source>
        <translation>Filtre médian</translation>
    </message>
    <message>
        <source>Image</source>
        <extracomment>the picture saved of the chart</extracomment>
        <translation>Image</translation>
    </message>
    <message>
        <source>Width</source>
        <extracomment>of the picture, in pixels</extracomment>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <extracomment>of the picture, in pixels</extracomment>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Climbs</source>
        <translation>Ascendances</translation>
    </message>
    <message>
        <source>Threshold (m/s)</source>
        <extracomment>the least climb rate that counts as a climb</extracomment>
        <translation>Seuil (m/s)</translation>
    </message>
    <message>
        <source>Shortest climb (s)</source>
        <translation>Ascendance la plus courte (s)</translation>
    </message>
    <message>
        <source>Longest pause (s)</source>
        <extracomment>the longest stretch without climbing inside one climb</extracomment>
        <translation>Pause la plus longue (s)</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Alignment</source>
        <extracomment>how the series&apos; axis is scaled</extracomment>
        <translation>Alignement</translation>
    </message>
    <message>
        <source>auto</source>
        <extracomment>alignment of a series&apos; axis: to its values</extracomment>
        <translation>auto</translation>
    </message>
    <message>
        <source>to zero</source>
        <extracomment>alignment of a series&apos; axis: from zero</extracomment>
        <translation>sur zéro</translation>
    </message>
    <message>
        <source>custom</source>
        <extracomment>alignment of a series&apos; axis: between &quot;Custom Min&quot; and &quot;Custom Max&quot;</extracomment>
        <translation>personnalisé</translation>
    </message>
    <message>
        <source>Custom Min</source>
        <translation>Min personnalisé</translation>
    </message>
    <message>
        <source>Custom Max</source>
        <translation>Max personnalisé</translation>
    </message>
    <message>
        <source>from each flight</source>
        <translation>d’après chaque vol</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The language of Nivra&apos;s window; a change applies when Nivra starts next</source>
        <translation>La langue de la fenêtre de Nivra&#xa0;; un changement s’applique au prochain démarrage de Nivra</translation>
    </message>
    <message>
        <source>The language changes when Nivra starts next.</source>
        <translation>La langue changera au prochain démarrage de Nivra.</translation>
    </message>
</context>
<context>
    <name>QuickGuideDialog</name>
    <message>
        <source>Quick Guide</source>
        <translation>Guide rapide</translation>
    </message>
    <message>
        <source>Your first download</source>
        <translation>Votre premier téléchargement</translation>
    </message>
    <message>
        <source>Plug the Brixo&apos;s cable in and choose &lt;b&gt;File &amp;gt; Download&lt;/b&gt;. Power the logger on when the
dialog asks: its memory arrives, and the flights in it are listed. Uncheck those you do not want
and choose &lt;b&gt;Close&lt;/b&gt;. The flights are kept in the logbook at once; save them to an .alt file
with &lt;b&gt;File &amp;gt; Save As&lt;/b&gt; if you want a file of them too. Set the logger&apos;s port in
&lt;b&gt;View &amp;gt; Preferences&lt;/b&gt; when the download cannot find it.</source>
        <extracomment>A paragraph of the Quick Guide, in HTML: keep the &lt;b&gt; marks and write &quot;&amp;gt;&quot; for &quot;&gt;&quot;; its line breaks do not show.</extracomment>
        <translation>Branchez le câble du Brixo et choisissez &lt;b&gt;Fichier &amp;gt; Télécharger&lt;/b&gt;. Allumez l’enregistreur quand la
boîte de dialogue le demande&#xa0;: sa mémoire arrive, et les vols qu’elle contient sont listés. Décochez ceux dont vous ne voulez pas
et choisissez &lt;b&gt;Fermer&lt;/b&gt;. Les vols sont aussitôt conservés dans le carnet de vol&#xa0;; enregistrez-les dans un fichier .alt
avec &lt;b&gt;Fichier &amp;gt; Enregistrer sous&lt;/b&gt; si vous voulez aussi en avoir un fichier. Réglez le port de l’enregistreur dans
&lt;b&gt;Affichage &amp;gt; Préférences&lt;/b&gt; si le téléchargement ne le trouve pas.</translation>
    </message>
    <message>
        <source>Reading the chart</source>
        <translation>Lire le graphique</translation>
    </message>
    <message>
        <source>The altitude and the vario (the climb rate) are drawn over one time axis; the legend names
each curve, and a click on its name hides it or shows it. Move the mouse over the chart to read
the values at that moment. Drag across the chart to select a stretch: its statistics appear under
&lt;b&gt;Selection&lt;/b&gt;. Click on a curve to place a label. Zoom with the mouse wheel or the + and - keys,
move along the flight by dragging the time axis or with the arrow keys, and see the whole flight
with &lt;b&gt;Home&lt;/b&gt;.</source>
        <extracomment>A paragraph of the Quick Guide, in HTML: keep the &lt;b&gt; marks and write &quot;&amp;gt;&quot; for &quot;&gt;&quot;; its line breaks do not show.</extracomment>
        <translation>L’altitude et le vario (le taux de montée) sont tracés sur un même axe du temps&#xa0;; la légende nomme
chaque courbe, et un clic sur son nom la masque ou l’affiche. Déplacez la souris sur le graphique pour lire
les valeurs à cet instant. Faites glisser la souris sur le graphique pour sélectionner une portion&#xa0;: ses statistiques apparaissent sous
&lt;b&gt;Sélection&lt;/b&gt;. Cliquez sur une courbe pour placer une étiquette. Zoomez avec la molette de la souris ou les touches + et -,
déplacez-vous le long du vol en faisant glisser l’axe du temps ou avec les touches fléchées, et affichez le vol entier
avec &lt;b&gt;Origine&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Climbs</source>
        <translation>Ascendances</translation>
    </message>
    <message>
        <source>Stretches where you climbed are shaded in the chart and listed in the &lt;b&gt;Climbs&lt;/b&gt; tab with
their height gained and average climb. A click on a climb selects it in the chart. How strong and
how long a climb must be is set in the preferences.</source>
        <extracomment>A paragraph of the Quick Guide, in HTML: keep the &lt;b&gt; marks and write &quot;&amp;gt;&quot; for &quot;&gt;&quot;; its line breaks do not show.</extracomment>
        <translation>Les portions où vous êtes monté sont ombrées dans le graphique et listées dans l’onglet &lt;b&gt;Ascendances&lt;/b&gt; avec
leur gain de hauteur et leur ascendance moyenne. Un clic sur une ascendance la sélectionne dans le graphique. La force et
la durée minimales d’une ascendance se règlent dans les préférences.</translation>
    </message>
    <message>
        <source>The logbook</source>
        <translation>Le carnet de vol</translation>
    </message>
    <message>
        <source>Every flight ever downloaded is in the &lt;b&gt;Logbook&lt;/b&gt; tab, newest first, whether or not it
was saved to a file. Type in its filter box to find flights by name, site or date; give a flight
its name, site, date flown and start elevation with &lt;b&gt;Properties&lt;/b&gt; (the right mouse button on a
log). Takeoff and landing are found by themselves; the chart&apos;s menu corrects them. The download
asks the day the flights were flown and the site, since the logger has no clock.</source>
        <extracomment>A paragraph of the Quick Guide, in HTML: keep the &lt;b&gt; marks and write &quot;&amp;gt;&quot; for &quot;&gt;&quot;; its line breaks do not show.</extracomment>
        <translation>Tout vol téléchargé figure dans l’onglet &lt;b&gt;Carnet de vol&lt;/b&gt;, le plus récent en premier, qu’il ait été
enregistré dans un fichier ou non. Tapez dans sa zone de filtre pour trouver des vols par nom, site ou date&#xa0;; donnez à un vol
son nom, son site, sa date de vol et son altitude du décollage avec &lt;b&gt;Propriétés&lt;/b&gt; (bouton droit de la souris sur un
enregistrement). Le décollage et l’atterrissage sont détectés automatiquement&#xa0;; le menu du graphique permet de les corriger. Le téléchargement
demande le jour des vols et le site, car l’enregistreur n’a pas d’horloge.</translation>
    </message>
    <message>
        <source>The logbook&apos;s &lt;b&gt;Statistics&lt;/b&gt; tab adds up the flights shown by year and month, site or device:
airtime, the highest point, the height gained in climbs, the best climb and the days flown.
&lt;b&gt;Export Logbook...&lt;/b&gt; writes them as a table for a spreadsheet.</source>
        <extracomment>A paragraph of the Quick Guide, in HTML: keep the &lt;b&gt; marks and write &quot;&amp;gt;&quot; for &quot;&gt;&quot;; its line breaks do not show.</extracomment>
        <translation>L’onglet &lt;b&gt;Statistiques&lt;/b&gt; du carnet de vol totalise les vols affichés par année et mois, site ou appareil&#xa0;:
temps de vol, point le plus haut, gain de hauteur en ascendance, meilleure ascendance et jours de vol.
&lt;b&gt;Exporter le carnet de vol...&lt;/b&gt; les écrit sous forme de tableau pour un tableur.</translation>
    </message>
    <message>
        <source>Flights side by side</source>
        <translation>Vols côte à côte</translation>
    </message>
    <message>
        <source>Choose two or more flights in the Logbook (or logs in the Logs list, with Ctrl and a click) and
press &lt;b&gt;Compare&lt;/b&gt; (Ctrl+K): their heights over one time axis, lined up by their takeoffs (or
their starts, highest points or clock times), with their numbers in a table beneath.</source>
        <extracomment>A paragraph of the Quick Guide, in HTML: keep the &lt;b&gt; marks and write &quot;&amp;gt;&quot; for &quot;&gt;&quot;; its line breaks do not show.</extracomment>
        <translation>Choisissez deux vols ou plus dans le carnet de vol (ou des enregistrements dans la liste Enregistrements, avec Ctrl et un clic) et
appuyez sur &lt;b&gt;Comparer&lt;/b&gt; (Ctrl+K)&#xa0;: leurs hauteurs sur un même axe du temps, alignées sur leurs décollages (ou
leurs débuts, leurs points les plus hauts ou leurs heures), avec leurs chiffres dans un tableau en dessous.</translation>
    </message>
    <message>
        <source>On paper</source>
        <translation>Sur papier</translation>
    </message>
    <message>
        <source>&lt;b&gt;File &amp;gt; Print...&lt;/b&gt;, &lt;b&gt;Print Preview&lt;/b&gt; and &lt;b&gt;Export as PDF...&lt;/b&gt; make a report of the
flight shown: your notes, the chart, the statistics and the climbs.</source>
        <extracomment>A paragraph of the Quick Guide, in HTML: keep the &lt;b&gt; marks and write &quot;&amp;gt;&quot; for &quot;&gt;&quot;; its line breaks do not show.</extracomment>
        <translation>&lt;b&gt;Fichier &amp;gt; Imprimer...&lt;/b&gt;, &lt;b&gt;Aperçu avant impression&lt;/b&gt; et &lt;b&gt;Exporter en PDF...&lt;/b&gt; créent un rapport du
vol affiché&#xa0;: vos notes, le graphique, les statistiques et les ascendances.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Gauche, Droite</translation>
    </message>
    <message>
        <source>Move along the flight</source>
        <translation>Se déplacer le long du vol</translation>
    </message>
    <message>
        <source>+, -</source>
        <translation>+, -</translation>
    </message>
    <message>
        <source>Zoom in, zoom out</source>
        <translation>Zoom avant, zoom arrière</translation>
    </message>
    <message>
        <source>Mouse wheel</source>
        <translation>Molette de la souris</translation>
    </message>
    <message>
        <source>Zoom around the mouse</source>
        <translation>Zoomer autour de la souris</translation>
    </message>
    <message>
        <source>Ctrl+drag in the time axis</source>
        <translation>Ctrl+glisser dans l’axe du temps</translation>
    </message>
    <message>
        <source>Zoom to the stretch dragged over</source>
        <translation>Zoomer sur la portion parcourue</translation>
    </message>
    <message>
        <source>Drag in the time axis</source>
        <translation>Glisser dans l’axe du temps</translation>
    </message>
    <message>
        <source>Drag in the chart</source>
        <translation>Glisser dans le graphique</translation>
    </message>
    <message>
        <source>Select a stretch</source>
        <translation>Sélectionner une portion</translation>
    </message>
    <message>
        <source>Click on a curve</source>
        <translation>Cliquer sur une courbe</translation>
    </message>
    <message>
        <source>Place a label</source>
        <translation>Placer une étiquette</translation>
    </message>
    <message>
        <source>Shift+F10, Menu</source>
        <translation>Maj+F10, Menu</translation>
    </message>
    <message>
        <source>The menu of the chart or the list that has the focus</source>
        <translation>Le menu du graphique ou de la liste qui a le focus</translation>
    </message>
</context>
<context>
    <name>Season</name>
    <message>
        <source>%1 (downloaded)</source>
        <extracomment>a flight dated by its download, no day flown given: &quot;2026-12-07 (downloaded)&quot;</extracomment>
        <translation>%1 (téléchargé)</translation>
    </message>
    <message>
        <source>(no site)</source>
        <extracomment>the group of the flights with no site noted</extracomment>
        <translation>(sans site)</translation>
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
        <translation>Grouper par&#xa0;:</translation>
    </message>
    <message>
        <source>Year and month</source>
        <translation>Année et mois</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation>Vols</translation>
    </message>
    <message>
        <source>Airtime</source>
        <translation>Temps de vol</translation>
    </message>
    <message>
        <source>Longest</source>
        <extracomment>the longest flight&apos;s airtime</extracomment>
        <translation>Plus long</translation>
    </message>
    <message>
        <source>Highest</source>
        <extracomment>the highest point reached</extracomment>
        <translation>Plus haut</translation>
    </message>
    <message>
        <source>Height gained</source>
        <translation>Gain de hauteur</translation>
    </message>
    <message>
        <source>Best climb</source>
        <translation>Meilleure ascendance</translation>
    </message>
    <message>
        <source>Days</source>
        <extracomment>the days flown</extracomment>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Above sea level where the flight has a start elevation, else above its start</source>
        <translation>Au-dessus du niveau de la mer si le vol a une altitude du décollage, sinon au-dessus de son décollage</translation>
    </message>
    <message>
        <source>In the climbs of the flights</source>
        <translation>Dans les ascendances des vols</translation>
    </message>
    <message>
        <source>The strongest average of a climb, and its flight</source>
        <translation>La plus forte moyenne d’une ascendance, et son vol</translation>
    </message>
    <message>
        <source>Airtime in hours</source>
        <translation>Temps de vol en heures</translation>
    </message>
    <message>
        <source>%1 %2 above start</source>
        <extracomment>%1 is a height, %2 its unit (&quot;m&quot; or &quot;ft&quot;)</extracomment>
        <translation>%1 %2 au-dessus du décollage</translation>
    </message>
    <message>
        <source>%1 %2 (%3 not analysed)</source>
        <extracomment>%1 is a height, %2 its unit (&quot;m&quot; or &quot;ft&quot;), %3 the number of flights whose climbs are not known</extracomment>
        <translation>%1 %2 (%3 non analysés)</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>no port is chosen</source>
        <translation>aucun port n’est choisi</translation>
    </message>
    <message>
        <source>the port went away (%1)</source>
        <translation>le port a disparu (%1)</translation>
    </message>
    <message>
        <source>%1 overrun error</source>
        <translation>%1 erreur de dépassement</translation>
    </message>
    <message>
        <source>%1 overrun errors</source>
        <translation>%1 erreurs de dépassement</translation>
    </message>
    <message>
        <source>%1 buffer overrun</source>
        <translation>%1 débordement de tampon</translation>
    </message>
    <message>
        <source>%1 buffer overruns</source>
        <translation>%1 débordements de tampon</translation>
    </message>
    <message>
        <source>%1 framing error</source>
        <translation>%1 erreur de trame</translation>
    </message>
    <message>
        <source>%1 framing errors</source>
        <translation>%1 erreurs de trame</translation>
    </message>
    <message>
        <source>%1 parity error</source>
        <translation>%1 erreur de parité</translation>
    </message>
    <message>
        <source>%1 parity errors</source>
        <translation>%1 erreurs de parité</translation>
    </message>
    <message>
        <source>%1 break</source>
        <translation>%1 signal break</translation>
    </message>
    <message>
        <source>%1 breaks</source>
        <translation>%1 signaux break</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>the port counted %1 during the transfer</source>
        <translation>le port a compté %1 pendant le transfert</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the stored %1 is no finite number; its default %2 is used</source>
        <translation>la valeur enregistrée %1 n’est pas un nombre fini&#xa0;; sa valeur par défaut %2 est utilisée</translation>
    </message>
    <message>
        <source>the stored settings could not be read (%1); the defaults are used, and the settings are not written over</source>
        <translation>les réglages enregistrés n’ont pas pu être lus (%1)&#xa0;; les valeurs par défaut sont utilisées et les réglages ne sont pas écrasés</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>above sea level</source>
        <translation>au-dessus du niveau de la mer</translation>
    </message>
    <message>
        <source>above start (no start elevation)</source>
        <translation>au-dessus du décollage (sans altitude du décollage)</translation>
    </message>
    <message>
        <source>above start</source>
        <translation>au-dessus du décollage</translation>
    </message>
    <message>
        <source>%1 (climb %2)</source>
        <extracomment>The best climb&apos;s average rate and its number in the climbs table: &quot;2.32 m/s (climb 3)&quot;.</extracomment>
        <translation>%1 (ascendance %2)</translation>
    </message>
    <message>
        <source>%1 (%2 to %3)</source>
        <extracomment>The model sigmas found along a flight: &quot;0.01 (0.001 to 3.2)&quot;.</extracomment>
        <translation>%1 (%2 à %3)</translation>
    </message>
    <message>
        <source>%1, from the flight</source>
        <extracomment>The model sigma the smoother found: &quot;0.01 (0.001 to 3.2), from the flight&quot;.</extracomment>
        <translation>%1, d’après le vol</translation>
    </message>
</context>
<context>
    <name>StatisticsView</name>
    <message>
        <source>Log</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Takeoff</source>
        <translation>Décollage</translation>
    </message>
    <message>
        <source>Landing</source>
        <translation>Atterrissage</translation>
    </message>
    <message>
        <source>Airtime</source>
        <translation>Temps de vol</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation>Vols</translation>
    </message>
    <message>
        <source>Rate</source>
        <extracomment>The sample period of the log: &quot;1 s&quot;.</extracomment>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>max Altitude</source>
        <translation>Altitude max</translation>
    </message>
    <message>
        <source>Model Sigma</source>
        <translation>Sigma du modèle</translation>
    </message>
    <message>
        <source>Altitude</source>
        <extracomment>What the altitude is measured from: &quot;above start&quot;, &quot;above sea level&quot;.</extracomment>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Temperature</source>
        <extracomment>The logger&apos;s temperature, not decoded: &quot;n/a&quot;.</extracomment>
        <translation>Température</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>n/d</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>start Altitude</source>
        <translation>Altitude début</translation>
    </message>
    <message>
        <source>end Altitude</source>
        <translation>Altitude fin</translation>
    </message>
    <message>
        <source>min Vario</source>
        <translation>Vario min</translation>
    </message>
    <message>
        <source>max Vario</source>
        <translation>Vario max</translation>
    </message>
    <message>
        <source>avr Vario</source>
        <extracomment>The mean vario of the selection.</extracomment>
        <translation>Vario moy.</translation>
    </message>
    <message>
        <source>Climbs</source>
        <translation>Ascendances</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Time climbing</source>
        <translation>Temps en ascendance</translation>
    </message>
    <message>
        <source>Height gained</source>
        <translation>Gain de hauteur</translation>
    </message>
    <message>
        <source>Best climb</source>
        <translation>Meilleure ascendance</translation>
    </message>
</context>
</TS>
