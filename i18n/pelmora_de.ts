<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>A sky clock: the band of sky along the sun&apos;s yearly path, as seen from the northern hemisphere, turning with the time of day.</source>
        <translation>Eine Himmelsuhr: das Band des Himmels entlang der jährlichen Bahn der Sonne, von der Nordhalbkugel aus gesehen, das sich mit der Tageszeit dreht.</translation>
    </message>
    <message>
        <source>Copyright 2026 The Pelmora developers. Released under the MIT licence.</source>
        <translation>Copyright 2026 Die Pelmora-Entwickler. Veröffentlicht unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>The chart&apos;s text is set in Liberation Sans, under the SIL Open Font License 1.1.</source>
        <translation>Die Schrift der Karte ist Liberation Sans, unter der SIL Open Font License 1.1.</translation>
    </message>
</context>
<context>
    <name>ChartActions</name>
    <message>
        <source>&amp;Clock mode</source>
        <translation>&amp;Uhrmodus</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Save picture...</source>
        <translation>Bild &amp;speichern...</translation>
    </message>
    <message>
        <source>C&amp;opy picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation>&amp;Über Pelmora</translation>
    </message>
    <message>
        <source>About Pelmora</source>
        <translation>Über Pelmora</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved: %1.

Any file of that name is as it was.</source>
        <translation>Das Bild wurde nicht gespeichert: %1.

Eine Datei dieses Namens ist unverändert.</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>SVG-Zeichnungen (*.svg)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>Druckvo&amp;rschau...</translation>
    </message>
    <message>
        <source>Pr&amp;int...</source>
        <translation>&amp;Drucken...</translation>
    </message>
</context>
<context>
    <name>ColourControls</name>
    <message>
        <source>Co&amp;lours</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>&amp;Bright</source>
        <translation>&amp;Hell</translation>
    </message>
    <message>
        <source>&amp;Night (red)</source>
        <translation>&amp;Nacht (rot)</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Klassisch</translation>
    </message>
</context>
<context>
    <name>Form1Window</name>
    <message>
        <source>End the program (asks first).</source>
        <translation>Beendet das Programm (mit Rückfrage).</translation>
    </message>
    <message>
        <source>Switch to simulation mode: the chart turns as fast as it can.</source>
        <translation>Zum Simulationsmodus wechseln: Die Karte dreht sich so schnell, wie sie kann.</translation>
    </message>
    <message>
        <source>Switch to clock mode: the chart follows the computer&apos;s clock.</source>
        <translation>Zum Uhrmodus wechseln: Die Karte folgt der Uhr des Computers.</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Laufzeitfehler „%1“:

%2</translation>
    </message>
    <message>
        <source>The date of the clock.</source>
        <translation>Das Datum der Uhr.</translation>
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <source>%1°</source>
        <translation>%1°</translation>
    </message>
    <message>
        <source>on the baseline</source>
        <translation>auf der Grundlinie</translation>
    </message>
    <message>
        <source>%1 above the baseline</source>
        <translation>%1 über der Grundlinie</translation>
    </message>
    <message>
        <source>%1 below the baseline</source>
        <translation>%1 unter der Grundlinie</translation>
    </message>
    <message>
        <source>The title</source>
        <translation>Der Titel</translation>
    </message>
    <message>
        <source>The chart&apos;s title: the band of sky along the sun&apos;s yearly path, seen from the northern hemisphere.</source>
        <translation>Der Titel der Karte: das Band des Himmels entlang der jährlichen Bahn der Sonne, von der Nordhalbkugel aus gesehen.</translation>
    </message>
    <message>
        <source>The chart angle</source>
        <translation>Der Kartenwinkel</translation>
    </message>
    <message>
        <source>Star at %1, %2.</source>
        <translation>Stern bei %1, %2.</translation>
    </message>
    <message>
        <source>The moon</source>
        <translation>Der Mond</translation>
    </message>
    <message>
        <source>The sun</source>
        <translation>Die Sonne</translation>
    </message>
    <message>
        <source>At %1 on the scale, on its yearly path.</source>
        <translation>Bei %1 auf der Skala, auf ihrer jährlichen Bahn.</translation>
    </message>
    <message>
        <source>The celestial equator</source>
        <translation>Der Himmelsäquator</translation>
    </message>
    <message>
        <source>At %1, %2; it crosses the sun&apos;s path at %3 and %4.</source>
        <translation>Bei %1, %2; er schneidet die Bahn der Sonne bei %3 und %4.</translation>
    </message>
    <message>
        <source>The centre marker</source>
        <translation>Die Mittelmarke</translation>
    </message>
    <message>
        <source>The &quot;local&quot; read-out gives the scale&apos;s angle here.</source>
        <translation>Die Anzeige „local“ gibt den Winkel der Skala an dieser Stelle an.</translation>
    </message>
    <message>
        <source>The baseline</source>
        <translation>Die Grundlinie</translation>
    </message>
    <message>
        <source>The sun&apos;s yearly path with its scale of angles; here %1.</source>
        <translation>Die jährliche Bahn der Sonne (die Ekliptik) mit ihrer Winkelskala; hier %1.</translation>
    </message>
    <message>
        <source>Simulation mode. Simulated time %1:%2</source>
        <translation>Simulationsmodus. Simulierte Zeit %1:%2</translation>
    </message>
    <message>
        <source>Clock mode. %1:%2:%3</source>
        <translation>Uhrmodus. %1:%2:%3</translation>
    </message>
    <message>
        <source>, %1 %2 %3</source>
        <translation>, %1. %2 %3</translation>
    </message>
    <message>
        <source>Centre of the chart at %1 degrees.</source>
        <translation>Mitte der Karte bei %1 Grad.</translation>
    </message>
    <message numerus="yes">
        <source>Next step in %n second(s).</source>
        <translation>
            <numerusform>Nächster Schritt in %n Sekunde.</numerusform>
            <numerusform>Nächster Schritt in %n Sekunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sheratan (beta Arietis)</source>
        <translation>Sheratan (Beta Arietis)</translation>
    </message>
    <message>
        <source>Hamal (alpha Arietis)</source>
        <translation>Hamal (Alpha Arietis)</translation>
    </message>
    <message>
        <source>41 Arietis</source>
        <translation>41 Arietis</translation>
    </message>
    <message>
        <source>Rigel (beta Orionis)</source>
        <translation>Rigel (Beta Orionis)</translation>
    </message>
    <message>
        <source>Capella (alpha Aurigae)</source>
        <translation>Capella (Alpha Aurigae)</translation>
    </message>
    <message>
        <source>Aldebaran (alpha Tauri)</source>
        <translation>Aldebaran (Alpha Tauri)</translation>
    </message>
    <message>
        <source>Mintaka (delta Orionis), in the belt of Orion</source>
        <translation>Mintaka (Delta Orionis), im Gürtel des Orion</translation>
    </message>
    <message>
        <source>Alnilam (epsilon Orionis), in the belt of Orion</source>
        <translation>Alnilam (Epsilon Orionis), im Gürtel des Orion</translation>
    </message>
    <message>
        <source>Alnitak (zeta Orionis), in the belt of Orion</source>
        <translation>Alnitak (Zeta Orionis), im Gürtel des Orion</translation>
    </message>
    <message>
        <source>Betelgeuse (alpha Orionis)</source>
        <translation>Betelgeuse (Alpha Orionis)</translation>
    </message>
    <message>
        <source>Sirius (alpha Canis Majoris)</source>
        <translation>Sirius (Alpha Canis Majoris)</translation>
    </message>
    <message>
        <source>Procyon (alpha Canis Minoris)</source>
        <translation>Procyon (Alpha Canis Minoris)</translation>
    </message>
    <message>
        <source>Castor (alpha Geminorum)</source>
        <translation>Castor (Alpha Geminorum)</translation>
    </message>
    <message>
        <source>Pollux (beta Geminorum)</source>
        <translation>Pollux (Beta Geminorum)</translation>
    </message>
    <message>
        <source>Alphard (alpha Hydrae)</source>
        <translation>Alphard (Alpha Hydrae)</translation>
    </message>
    <message>
        <source>Regulus (alpha Leonis)</source>
        <translation>Regulus (Alpha Leonis)</translation>
    </message>
    <message>
        <source>Algieba (gamma Leonis)</source>
        <translation>Algieba (Gamma Leonis)</translation>
    </message>
    <message>
        <source>Zosma (delta Leonis)</source>
        <translation>Zosma (Delta Leonis)</translation>
    </message>
    <message>
        <source>Denebola (beta Leonis)</source>
        <translation>Denebola (Beta Leonis)</translation>
    </message>
    <message>
        <source>Spica (alpha Virginis)</source>
        <translation>Spica (Alpha Virginis)</translation>
    </message>
    <message>
        <source>A star of Centaurus (nu or mu Centauri)</source>
        <translation>Ein Stern im Sternbild Zentaur (Ny oder My Centauri)</translation>
    </message>
    <message>
        <source>Arcturus (alpha Bootis)</source>
        <translation>Arcturus (Alpha Bootis)</translation>
    </message>
    <message>
        <source>Menkent (theta Centauri)</source>
        <translation>Menkent (Theta Centauri)</translation>
    </message>
    <message>
        <source>Antares (alpha Scorpii)</source>
        <translation>Antares (Alpha Scorpii)</translation>
    </message>
    <message>
        <source>Vega (alpha Lyrae)</source>
        <translation>Vega (Alpha Lyrae)</translation>
    </message>
    <message>
        <source>Altair (alpha Aquilae)</source>
        <translation>Altair (Alpha Aquilae)</translation>
    </message>
    <message>
        <source>Deneb (alpha Cygni)</source>
        <translation>Deneb (Alpha Cygni)</translation>
    </message>
    <message>
        <source>Fomalhaut (alpha Piscis Austrini)</source>
        <translation>Fomalhaut (Alpha Piscis Austrini)</translation>
    </message>
    <message>
        <source>Gamma Piscium</source>
        <translation>Gamma Piscium</translation>
    </message>
    <message>
        <source>Iota Piscium</source>
        <translation>Iota Piscium</translation>
    </message>
    <message>
        <source>Omega Piscium</source>
        <translation>Omega Piscium</translation>
    </message>
    <message>
        <source>day, month, year</source>
        <translation>Tag, Monat, Jahr</translation>
    </message>
    <message>
        <source>new</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>zunehmende Sichel</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>erstes Viertel</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>zunehmender Dreiviertelmond</translation>
    </message>
    <message>
        <source>full</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>abnehmender Dreiviertelmond</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>letztes Viertel</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>abnehmende Sichel</translation>
    </message>
    <message>
        <source>under a day to full moon</source>
        <translation>weniger als ein Tag bis Vollmond</translation>
    </message>
    <message>
        <source>under a day to new moon</source>
        <translation>weniger als ein Tag bis Neumond</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) to full moon</source>
        <translation>
            <numerusform>%n Tag bis Vollmond</numerusform>
            <numerusform>%n Tage bis Vollmond</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) to new moon</source>
        <translation>
            <numerusform>%n Tag bis Neumond</numerusform>
            <numerusform>%n Tage bis Neumond</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 % lit, %3</source>
        <extracomment>the phase&apos;s name, how much of the moon is lit in per cent, the time to the next full or new moon</extracomment>
        <translation>%1, zu %2 % beleuchtet, %3</translation>
    </message>
    <message>
        <source>Marker at %1 on the baseline: %2.</source>
        <translation>Marke bei %1 auf der Grundlinie: %2.</translation>
    </message>
    <message>
        <source>At %1 on the scale; %2.</source>
        <translation>Bei %1 auf der Skala; %2.</translation>
    </message>
    <message>
        <source>Sun at %1 degrees, moon at %2 degrees, %3.</source>
        <translation>Sonne bei %1 Grad, Mond bei %2 Grad, %3.</translation>
    </message>
    <message>
        <source>Worked out when the chart starts: how far the time of day lies into its 32-minute span of the turn, halved, in minutes (0 to .5).</source>
        <translation>Beim Start der Karte berechnet: wie weit die Tageszeit in ihrem 32-Minuten-Abschnitt der Drehung liegt, halbiert, in Minuten (0 bis 0,5).</translation>
    </message>
    <message>
        <source>The computer&apos;s clock.</source>
        <translation>Die Uhr des Computers.</translation>
    </message>
    <message>
        <source>A simulated time: four minutes for every degree the chart has turned.</source>
        <translation>Eine simulierte Zeit: vier Minuten für jedes Grad, um das sich die Karte gedreht hat.</translation>
    </message>
    <message>
        <source>The chart turns as fast as it can be redrawn, a degree every eight steps.</source>
        <translation>Die Karte dreht sich so schnell, wie sie neu gezeichnet werden kann, ein Grad alle acht Schritte.</translation>
    </message>
    <message>
        <source>The moon&apos;s angle on the scale, in degrees (0 to 360).</source>
        <translation>Der Winkel des Mondes auf der Skala, in Grad (0 bis 360).</translation>
    </message>
    <message>
        <source>The chart angle: the scale&apos;s angle at the left edge, in degrees (1 to 360).</source>
        <translation>Der Kartenwinkel: der Winkel der Skala am linken Rand, in Grad (1 bis 360).</translation>
    </message>
    <message>
        <source>The seconds the last redraw took, to hundredths.</source>
        <translation>Die Sekunden, die das letzte Neuzeichnen dauerte, auf Hundertstel.</translation>
    </message>
    <message>
        <source>Whole seconds until the chart&apos;s next step, one every 30 seconds.</source>
        <translation>Ganze Sekunden bis zum nächsten Schritt der Karte, einer alle 30 Sekunden.</translation>
    </message>
    <message>
        <source>The date of the computer&apos;s clock.</source>
        <translation>Das Datum der Computeruhr.</translation>
    </message>
    <message>
        <source>The scale&apos;s angle at the centre marker, in degrees (the chart angle less 40).</source>
        <translation>Der Winkel der Skala an der Mittelmarke, in Grad (der Kartenwinkel minus 40).</translation>
    </message>
    <message>
        <source>The sun&apos;s angle on the scale, in degrees, from the day of the year.</source>
        <translation>Der Winkel der Sonne auf der Skala, in Grad, aus dem Tag des Jahres.</translation>
    </message>
    <message>
        <source>Red marker at 29°</source>
        <translation>Rote Marke bei 29°</translation>
    </message>
    <message>
        <source>a mark of the chart&apos;s own design, just left of Sheratan</source>
        <translation>eine Marke aus dem Entwurf der Karte, knapp links von Sheratan</translation>
    </message>
    <message>
        <source>June solstice point</source>
        <translation>Solstitialpunkt im Juni</translation>
    </message>
    <message>
        <source>where the sun stands at the June solstice, farthest north</source>
        <translation>wo die Sonne zur Sonnenwende im Juni steht, am weitesten im Norden</translation>
    </message>
    <message>
        <source>September equinox point</source>
        <translation>Äquinoktialpunkt im September (Herbstpunkt)</translation>
    </message>
    <message>
        <source>where the sun crosses the celestial equator going south, in September</source>
        <translation>wo die Sonne im September den Himmelsäquator nach Süden überquert</translation>
    </message>
    <message>
        <source>December solstice point</source>
        <translation>Solstitialpunkt im Dezember</translation>
    </message>
    <message>
        <source>where the sun stands at the December solstice, farthest south</source>
        <translation>wo die Sonne zur Sonnenwende im Dezember steht, am weitesten im Süden</translation>
    </message>
    <message>
        <source>Blue marker at 279°</source>
        <translation>Blaue Marke bei 279°</translation>
    </message>
    <message>
        <source>a mark of the chart&apos;s own design, in two parts above and below the baseline</source>
        <translation>eine Marke aus dem Entwurf der Karte, in zwei Teilen über und unter der Grundlinie</translation>
    </message>
    <message>
        <source>March equinox point</source>
        <translation>Äquinoktialpunkt im März (Frühlingspunkt)</translation>
    </message>
    <message>
        <source>where the sun crosses the celestial equator going north, in March</source>
        <translation>wo die Sonne im März den Himmelsäquator nach Norden überquert</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Merkur</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>Planet at %1 on the scale, magnitude %2.</source>
        <extracomment>a planet&apos;s tip: where it stands on the scale, and its visual magnitude (e.g. -2.4)</extracomment>
        <translation>Planet bei %1 auf der Skala, Helligkeit %2 mag.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Pelmora Help</source>
        <translation>Pelmora-Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>The help page could not be read: %1</source>
        <translation>Die Hilfeseite konnte nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>LabelledChart</name>
    <message>
        <source>title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>lunar: the moon&apos;s angle</source>
        <translation>lunar: Winkel des Mondes</translation>
    </message>
    <message>
        <source>chart angle (left edge)</source>
        <translation>Kartenwinkel (linker Rand)</translation>
    </message>
    <message>
        <source>cycle or update</source>
        <translation>cycle oder update</translation>
    </message>
    <message>
        <source>date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>local: the angle at the centre</source>
        <translation>local: Winkel in der Mitte</translation>
    </message>
    <message>
        <source>solar: the sun&apos;s angle</source>
        <translation>solar: Winkel der Sonne</translation>
    </message>
    <message>
        <source>centre marker</source>
        <translation>Mittelmarke</translation>
    </message>
    <message>
        <source>the sun&apos;s path and its scale</source>
        <translation>Sonnenbahn (Ekliptik) mit Skala</translation>
    </message>
    <message>
        <source>the sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>the moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>a star (Antares)</source>
        <translation>ein Stern (Antares)</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>Solstitium im Dezember</translation>
    </message>
    <message>
        <source>celestial equator</source>
        <translation>Himmelsäquator</translation>
    </message>
</context>
<context>
    <name>MomentDialog</name>
    <message>
        <source>Go to a moment</source>
        <translation>Zu einem Zeitpunkt gehen</translation>
    </message>
    <message>
        <source>&amp;Date and local time, YYYY-MM-DD HH:MM:SS (years 1000 to 9999); the clock runs on from there:</source>
        <translation>&amp;Datum und Ortszeit, JJJJ-MM-TT HH:MM:SS (Jahre 1000 bis 9999); die Uhr läuft von dort aus weiter:</translation>
    </message>
    <message>
        <source>Date and local time</source>
        <translation>Datum und Ortszeit</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Los</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Jetzt</translation>
    </message>
    <message>
        <source>Back to the computer&apos;s clock</source>
        <translation>Zurück zur Uhr des Computers</translation>
    </message>
</context>
<context>
    <name>PictureWidget</name>
    <message>
        <source>Sky chart</source>
        <translation>Himmelskarte</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>%1 could not be removed</source>
        <translation>%1 konnte nicht entfernt werden</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Pelmora preferences</source>
        <translation>Pelmora-Einstellungen</translation>
    </message>
    <message>
        <source>In simulation mode, as designed</source>
        <translation>Im Simulationsmodus, wie vorgesehen</translation>
    </message>
    <message>
        <source>In clock mode</source>
        <translation>Im Uhrmodus</translation>
    </message>
    <message>
        <source>In the mode it had when it ended</source>
        <translation>Im Modus, in dem es beendet wurde</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Classic (as designed)</source>
        <translation>Klassisch (wie vorgesehen)</translation>
    </message>
    <message>
        <source>Bright (dark colours lightened)</source>
        <translation>Hell (dunkle Farben aufgehellt)</translation>
    </message>
    <message>
        <source>Night (all red, for the dark)</source>
        <translation>Nacht (ganz in Rot, für die Dunkelheit)</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>Start at &amp;login, in clock mode</source>
        <translation>Bei der &amp;Anmeldung starten, im Uhrmodus</translation>
    </message>
    <message>
        <source>Start at login could not be changed: %1</source>
        <translation>Der Start bei der Anmeldung konnte nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>P&amp;references...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
</context>
<context>
    <name>PrintedPage</name>
    <message>
        <source>%1° N</source>
        <translation>%1° N</translation>
    </message>
    <message>
        <source>%1° S</source>
        <translation>%1° S</translation>
    </message>
    <message>
        <source>%1° E</source>
        <translation>%1° O</translation>
    </message>
    <message>
        <source>%1° W</source>
        <translation>%1° W</translation>
    </message>
    <message>
        <source>%1 (the time zone has no place)</source>
        <translation>%1 (die Zeitzone hat keinen Ort)</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Uhrzeit: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Ort: %1</translation>
    </message>
    <message>
        <source>Sky: %1</source>
        <translation>Himmel: %1</translation>
    </message>
    <message>
        <source>the true sky at this place</source>
        <translation>der wahre Himmel an diesem Ort</translation>
    </message>
    <message>
        <source>as designed (mean places, local mean time)</source>
        <translation>wie entworfen (mittlere Örter, mittlere Ortszeit)</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>The chart was not printed: %1.</source>
        <translation>Die Karte wurde nicht gedruckt: %1.</translation>
    </message>
    <message>
        <source>the printer %1 cannot be used</source>
        <translation>der Drucker %1 kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>the file %1 could not be written</source>
        <translation>die Datei %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the printer %1 did not take it</source>
        <translation>der Drucker %1 hat den Auftrag nicht angenommen</translation>
    </message>
    <message>
        <source>Print the chart</source>
        <translation>Karte drucken</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
</context>
<context>
    <name>SkyControls</name>
    <message>
        <source>The local sidereal time at the centre marker, in whole degrees.</source>
        <translation>Die lokale Sternzeit an der Mittelmarke, in ganzen Grad.</translation>
    </message>
    <message>
        <source> (the time zone has no place)</source>
        <translation> (die Zeitzone hat keinen Ort)</translation>
    </message>
    <message>
        <source>S&amp;ky</source>
        <translation>Hi&amp;mmel</translation>
    </message>
    <message>
        <source>&amp;As designed</source>
        <translation>Wie &amp;entworfen</translation>
    </message>
    <message>
        <source>&amp;True sky for my place</source>
        <translation>&amp;Wahrer Himmel für meinen Ort</translation>
    </message>
    <message>
        <source>&amp;Place...</source>
        <translation>&amp;Ort...</translation>
    </message>
    <message>
        <source>The true sky at %1.</source>
        <translation>Der wahre Himmel bei %1.</translation>
    </message>
    <message>
        <source>The sky as designed (mean places, local mean time).</source>
        <translation>Der Himmel wie entworfen (mittlere Örter, mittlere Ortszeit).</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>The computer&apos;s time zone has no place in the zone database: 0° N, 0° E stands in. Choose a city or give your place.</source>
        <translation>Die Zeitzone des Computers hat keinen Ort in der Zeitzonendatenbank: 0° N, 0° E steht dafür. Wählen Sie eine Stadt oder geben Sie Ihren Ort an.</translation>
    </message>
    <message>
        <source>Search the cities</source>
        <translation>Städte durchsuchen</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>Städte</translation>
    </message>
    <message>
        <source>&amp;Latitude (north +):</source>
        <translation>&amp;Breite (Nord +):</translation>
    </message>
    <message>
        <source>L&amp;ongitude (east +):</source>
        <translation>&amp;Länge (Ost +):</translation>
    </message>
</context>
<context>
    <name>TimeControls</name>
    <message>
        <source>&amp;Go to a moment...</source>
        <translation>Zu einem &amp;Zeitpunkt gehen...</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Jetzt</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>One &amp;step</source>
        <translation>Einen Schr&amp;itt</translation>
    </message>
    <message>
        <source>The clock is not the computer&apos;s: it was set to %1 and runs on from there (Home goes back to now).</source>
        <translation>Die Uhr ist nicht die des Computers: Sie wurde auf %1 gestellt und läuft von dort aus weiter (Pos1 führt zurück zur Gegenwart).</translation>
    </message>
</context>
</TS>
