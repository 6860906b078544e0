<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutBox</name>
    <message>
        <source>A sky clock: the band of sky along the sun&apos;s yearly path, as seen from the northern hemisphere, turning with the time of day.</source>
        <translation>Un orologio celeste: la fascia di cielo lungo il percorso annuale del Sole, vista dall&apos;emisfero boreale, che ruota con l&apos;ora del giorno.</translation>
    </message>
    <message>
        <source>Copyright 2026 The Pelmora developers. Released under the MIT licence.</source>
        <translation>Copyright 2026 Gli sviluppatori di Pelmora. Distribuito con licenza MIT.</translation>
    </message>
    <message>
        <source>The chart&apos;s text is set in Liberation Sans, under the SIL Open Font License 1.1.</source>
        <translation>Il testo della mappa è composto in Liberation Sans, con licenza SIL Open Font License 1.1.</translation>
    </message>
</context>
<context>
    <name>ChartActions</name>
    <message>
        <source>&amp;Clock mode</source>
        <translation>Modalità &amp;orologio</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Schermo intero</translation>
    </message>
    <message>
        <source>&amp;Save picture...</source>
        <translation>Sal&amp;va immagine...</translation>
    </message>
    <message>
        <source>C&amp;opy picture</source>
        <translation>&amp;Copia immagine</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation>&amp;Informazioni su Pelmora</translation>
    </message>
    <message>
        <source>About Pelmora</source>
        <translation>Informazioni su Pelmora</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Salva immagine</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved: %1.

Any file of that name is as it was.</source>
        <translation>L&apos;immagine non è stata salvata: %1.

Un eventuale file con quel nome è rimasto com&apos;era.</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Disegni SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documenti PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>Anteprima &amp;di stampa...</translation>
    </message>
    <message>
        <source>Pr&amp;int...</source>
        <translation>S&amp;tampa...</translation>
    </message>
</context>
<context>
    <name>ColourControls</name>
    <message>
        <source>Co&amp;lours</source>
        <translation>Colo&amp;ri</translation>
    </message>
    <message>
        <source>&amp;Bright</source>
        <translation>&amp;Luminoso</translation>
    </message>
    <message>
        <source>&amp;Night (red)</source>
        <translation>&amp;Notte (rosso)</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Classico</translation>
    </message>
</context>
<context>
    <name>Form1Window</name>
    <message>
        <source>End the program (asks first).</source>
        <translation>Chiude il programma (chiede conferma).</translation>
    </message>
    <message>
        <source>Switch to simulation mode: the chart turns as fast as it can.</source>
        <translation>Passa alla modalità simulazione: la mappa ruota il più velocemente possibile.</translation>
    </message>
    <message>
        <source>Switch to clock mode: the chart follows the computer&apos;s clock.</source>
        <translation>Passa alla modalità orologio: la mappa segue l&apos;orologio del computer.</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Errore di esecuzione «%1»:

%2</translation>
    </message>
    <message>
        <source>The date of the clock.</source>
        <translation>La data dell&apos;orologio.</translation>
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
        <translation>sulla linea di base</translation>
    </message>
    <message>
        <source>%1 above the baseline</source>
        <translation>%1 sopra la linea di base</translation>
    </message>
    <message>
        <source>%1 below the baseline</source>
        <translation>%1 sotto la linea di base</translation>
    </message>
    <message>
        <source>The title</source>
        <translation>Il titolo</translation>
    </message>
    <message>
        <source>The chart&apos;s title: the band of sky along the sun&apos;s yearly path, seen from the northern hemisphere.</source>
        <translation>Il titolo della mappa: la fascia di cielo lungo il percorso annuale del Sole, vista dall&apos;emisfero boreale.</translation>
    </message>
    <message>
        <source>The chart angle</source>
        <translation>L&apos;angolo della mappa</translation>
    </message>
    <message>
        <source>Star at %1, %2.</source>
        <translation>Stella a %1, %2.</translation>
    </message>
    <message>
        <source>The moon</source>
        <translation>La Luna</translation>
    </message>
    <message>
        <source>The sun</source>
        <translation>Il Sole</translation>
    </message>
    <message>
        <source>At %1 on the scale, on its yearly path.</source>
        <translation>A %1 sulla scala, sul suo percorso annuale.</translation>
    </message>
    <message>
        <source>The celestial equator</source>
        <translation>L&apos;equatore celeste</translation>
    </message>
    <message>
        <source>At %1, %2; it crosses the sun&apos;s path at %3 and %4.</source>
        <translation>A %1, %2; interseca il percorso del Sole a %3 e a %4.</translation>
    </message>
    <message>
        <source>The centre marker</source>
        <translation>Il segno centrale</translation>
    </message>
    <message>
        <source>The &quot;local&quot; read-out gives the scale&apos;s angle here.</source>
        <translation>L&apos;indicazione «local» dà l&apos;angolo della scala in questo punto.</translation>
    </message>
    <message>
        <source>The baseline</source>
        <translation>La linea di base</translation>
    </message>
    <message>
        <source>The sun&apos;s yearly path with its scale of angles; here %1.</source>
        <translation>Il percorso annuale del Sole (l&apos;eclittica) con la sua scala degli angoli; qui %1.</translation>
    </message>
    <message>
        <source>Simulation mode. Simulated time %1:%2</source>
        <translation>Modalità simulazione. Ora simulata %1:%2</translation>
    </message>
    <message>
        <source>Clock mode. %1:%2:%3</source>
        <translation>Modalità orologio. %1:%2:%3</translation>
    </message>
    <message>
        <source>, %1 %2 %3</source>
        <translation>, %1 %2 %3</translation>
    </message>
    <message>
        <source>Centre of the chart at %1 degrees.</source>
        <translation>Centro della mappa a %1 gradi.</translation>
    </message>
    <message numerus="yes">
        <source>Next step in %n second(s).</source>
        <translation>
            <numerusform>Prossimo passo tra %n secondo.</numerusform>
            <numerusform>Prossimo passo tra %n secondi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sheratan (beta Arietis)</source>
        <translation>Sheratan (beta Arietis)</translation>
    </message>
    <message>
        <source>Hamal (alpha Arietis)</source>
        <translation>Hamal (alpha Arietis)</translation>
    </message>
    <message>
        <source>41 Arietis</source>
        <translation>41 Arietis</translation>
    </message>
    <message>
        <source>Rigel (beta Orionis)</source>
        <translation>Rigel (beta Orionis)</translation>
    </message>
    <message>
        <source>Capella (alpha Aurigae)</source>
        <translation>Capella (alpha Aurigae)</translation>
    </message>
    <message>
        <source>Aldebaran (alpha Tauri)</source>
        <translation>Aldebaran (alpha Tauri)</translation>
    </message>
    <message>
        <source>Mintaka (delta Orionis), in the belt of Orion</source>
        <translation>Mintaka (delta Orionis), nella cintura di Orione</translation>
    </message>
    <message>
        <source>Alnilam (epsilon Orionis), in the belt of Orion</source>
        <translation>Alnilam (epsilon Orionis), nella cintura di Orione</translation>
    </message>
    <message>
        <source>Alnitak (zeta Orionis), in the belt of Orion</source>
        <translation>Alnitak (zeta Orionis), nella cintura di Orione</translation>
    </message>
    <message>
        <source>Betelgeuse (alpha Orionis)</source>
        <translation>Betelgeuse (alpha Orionis)</translation>
    </message>
    <message>
        <source>Sirius (alpha Canis Majoris)</source>
        <translation>Sirius (alpha Canis Majoris)</translation>
    </message>
    <message>
        <source>Procyon (alpha Canis Minoris)</source>
        <translation>Procyon (alpha Canis Minoris)</translation>
    </message>
    <message>
        <source>Castor (alpha Geminorum)</source>
        <translation>Castor (alpha Geminorum)</translation>
    </message>
    <message>
        <source>Pollux (beta Geminorum)</source>
        <translation>Pollux (beta Geminorum)</translation>
    </message>
    <message>
        <source>Alphard (alpha Hydrae)</source>
        <translation>Alphard (alpha Hydrae)</translation>
    </message>
    <message>
        <source>Regulus (alpha Leonis)</source>
        <translation>Regulus (alpha Leonis)</translation>
    </message>
    <message>
        <source>Algieba (gamma Leonis)</source>
        <translation>Algieba (gamma Leonis)</translation>
    </message>
    <message>
        <source>Zosma (delta Leonis)</source>
        <translation>Zosma (delta Leonis)</translation>
    </message>
    <message>
        <source>Denebola (beta Leonis)</source>
        <translation>Denebola (beta Leonis)</translation>
    </message>
    <message>
        <source>Spica (alpha Virginis)</source>
        <translation>Spica (alpha Virginis)</translation>
    </message>
    <message>
        <source>A star of Centaurus (nu or mu Centauri)</source>
        <translation>Una stella della costellazione del Centauro (nu o mu Centauri)</translation>
    </message>
    <message>
        <source>Arcturus (alpha Bootis)</source>
        <translation>Arcturus (alpha Bootis)</translation>
    </message>
    <message>
        <source>Menkent (theta Centauri)</source>
        <translation>Menkent (theta Centauri)</translation>
    </message>
    <message>
        <source>Antares (alpha Scorpii)</source>
        <translation>Antares (alpha Scorpii)</translation>
    </message>
    <message>
        <source>Vega (alpha Lyrae)</source>
        <translation>Vega (alpha Lyrae)</translation>
    </message>
    <message>
        <source>Altair (alpha Aquilae)</source>
        <translation>Altair (alpha Aquilae)</translation>
    </message>
    <message>
        <source>Deneb (alpha Cygni)</source>
        <translation>Deneb (alpha Cygni)</translation>
    </message>
    <message>
        <source>Fomalhaut (alpha Piscis Austrini)</source>
        <translation>Fomalhaut (alpha Piscis Austrini)</translation>
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
        <translation>giorno, mese, anno</translation>
    </message>
    <message>
        <source>new</source>
        <translation>luna nuova</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>falce crescente</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>primo quarto</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>gibbosa crescente</translation>
    </message>
    <message>
        <source>full</source>
        <translation>luna piena</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>gibbosa calante</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>ultimo quarto</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>falce calante</translation>
    </message>
    <message>
        <source>under a day to full moon</source>
        <translation>meno di un giorno alla luna piena</translation>
    </message>
    <message>
        <source>under a day to new moon</source>
        <translation>meno di un giorno alla luna nuova</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) to full moon</source>
        <translation>
            <numerusform>%n giorno alla luna piena</numerusform>
            <numerusform>%n giorni alla luna piena</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) to new moon</source>
        <translation>
            <numerusform>%n giorno alla luna nuova</numerusform>
            <numerusform>%n giorni alla luna nuova</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 % lit, %3</source>
        <extracomment>the phase&apos;s name, how much of the moon is lit in per cent, the time to the next full or new moon</extracomment>
        <translation>%1, illuminata al %2 %, %3</translation>
    </message>
    <message>
        <source>Marker at %1 on the baseline: %2.</source>
        <translation>Segno a %1 sulla linea di base: %2.</translation>
    </message>
    <message>
        <source>At %1 on the scale; %2.</source>
        <translation>A %1 sulla scala; %2.</translation>
    </message>
    <message>
        <source>Sun at %1 degrees, moon at %2 degrees, %3.</source>
        <translation>Sole a %1 gradi, Luna a %2 gradi, %3.</translation>
    </message>
    <message>
        <source>Worked out when the chart starts: how far the time of day lies into its 32-minute span of the turn, halved, in minutes (0 to .5).</source>
        <translation>Calcolato all&apos;avvio della mappa: quanto l&apos;ora del giorno è avanzata nel suo intervallo di 32 minuti del giro, dimezzato, in minuti (da 0 a 0,5).</translation>
    </message>
    <message>
        <source>The computer&apos;s clock.</source>
        <translation>L&apos;orologio del computer.</translation>
    </message>
    <message>
        <source>A simulated time: four minutes for every degree the chart has turned.</source>
        <translation>Un&apos;ora simulata: quattro minuti per ogni grado di rotazione della mappa.</translation>
    </message>
    <message>
        <source>The chart turns as fast as it can be redrawn, a degree every eight steps.</source>
        <translation>La mappa ruota alla velocità con cui può essere ridisegnata, un grado ogni otto passi.</translation>
    </message>
    <message>
        <source>The moon&apos;s angle on the scale, in degrees (0 to 360).</source>
        <translation>L&apos;angolo della Luna sulla scala, in gradi (da 0 a 360).</translation>
    </message>
    <message>
        <source>The chart angle: the scale&apos;s angle at the left edge, in degrees (1 to 360).</source>
        <translation>L&apos;angolo della mappa: l&apos;angolo della scala al bordo sinistro, in gradi (da 1 a 360).</translation>
    </message>
    <message>
        <source>The seconds the last redraw took, to hundredths.</source>
        <translation>I secondi impiegati dall&apos;ultimo ridisegno, al centesimo.</translation>
    </message>
    <message>
        <source>Whole seconds until the chart&apos;s next step, one every 30 seconds.</source>
        <translation>Secondi interi fino al prossimo passo della mappa, uno ogni 30 secondi.</translation>
    </message>
    <message>
        <source>The date of the computer&apos;s clock.</source>
        <translation>La data dell&apos;orologio del computer.</translation>
    </message>
    <message>
        <source>The scale&apos;s angle at the centre marker, in degrees (the chart angle less 40).</source>
        <translation>L&apos;angolo della scala al segno centrale, in gradi (l&apos;angolo della mappa meno 40).</translation>
    </message>
    <message>
        <source>The sun&apos;s angle on the scale, in degrees, from the day of the year.</source>
        <translation>L&apos;angolo del Sole sulla scala, in gradi, in base al giorno dell&apos;anno.</translation>
    </message>
    <message>
        <source>Red marker at 29°</source>
        <translation>Segno rosso a 29°</translation>
    </message>
    <message>
        <source>a mark of the chart&apos;s own design, just left of Sheratan</source>
        <translation>un segno proprio del disegno della mappa, appena a sinistra di Sheratan</translation>
    </message>
    <message>
        <source>June solstice point</source>
        <translation>Punto del solstizio di giugno</translation>
    </message>
    <message>
        <source>where the sun stands at the June solstice, farthest north</source>
        <translation>dove si trova il Sole al solstizio di giugno, il più a nord</translation>
    </message>
    <message>
        <source>September equinox point</source>
        <translation>Punto dell&apos;equinozio di settembre</translation>
    </message>
    <message>
        <source>where the sun crosses the celestial equator going south, in September</source>
        <translation>dove il Sole attraversa l&apos;equatore celeste verso sud, a settembre</translation>
    </message>
    <message>
        <source>December solstice point</source>
        <translation>Punto del solstizio di dicembre</translation>
    </message>
    <message>
        <source>where the sun stands at the December solstice, farthest south</source>
        <translation>dove si trova il Sole al solstizio di dicembre, il più a sud</translation>
    </message>
    <message>
        <source>Blue marker at 279°</source>
        <translation>Segno blu a 279°</translation>
    </message>
    <message>
        <source>a mark of the chart&apos;s own design, in two parts above and below the baseline</source>
        <translation>un segno proprio del disegno della mappa, in due parti sopra e sotto la linea di base</translation>
    </message>
    <message>
        <source>March equinox point</source>
        <translation>Punto dell&apos;equinozio di marzo (punto vernale)</translation>
    </message>
    <message>
        <source>where the sun crosses the celestial equator going north, in March</source>
        <translation>dove il Sole attraversa l&apos;equatore celeste verso nord, a marzo</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venere</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Giove</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturno</translation>
    </message>
    <message>
        <source>Planet at %1 on the scale, magnitude %2.</source>
        <extracomment>a planet&apos;s tip: where it stands on the scale, and its visual magnitude (e.g. -2.4)</extracomment>
        <translation>Pianeta a %1 sulla scala, magnitudine %2.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Pelmora Help</source>
        <translation>Guida di Pelmora</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>The help page could not be read: %1</source>
        <translation>Impossibile leggere la pagina della guida: %1</translation>
    </message>
</context>
<context>
    <name>LabelledChart</name>
    <message>
        <source>title</source>
        <translation>titolo</translation>
    </message>
    <message>
        <source>time</source>
        <translation>ora</translation>
    </message>
    <message>
        <source>lunar: the moon&apos;s angle</source>
        <translation>lunar: angolo della Luna</translation>
    </message>
    <message>
        <source>chart angle (left edge)</source>
        <translation>angolo della mappa (bordo sinistro)</translation>
    </message>
    <message>
        <source>cycle or update</source>
        <translation>cycle o update</translation>
    </message>
    <message>
        <source>date</source>
        <translation>data</translation>
    </message>
    <message>
        <source>local: the angle at the centre</source>
        <translation>local: angolo al centro</translation>
    </message>
    <message>
        <source>solar: the sun&apos;s angle</source>
        <translation>solar: angolo del Sole</translation>
    </message>
    <message>
        <source>centre marker</source>
        <translation>segno centrale</translation>
    </message>
    <message>
        <source>the sun&apos;s path and its scale</source>
        <translation>percorso del Sole e sua scala</translation>
    </message>
    <message>
        <source>the sun</source>
        <translation>il Sole</translation>
    </message>
    <message>
        <source>the moon</source>
        <translation>la Luna</translation>
    </message>
    <message>
        <source>a star (Antares)</source>
        <translation>una stella (Antares)</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>solstizio di dicembre</translation>
    </message>
    <message>
        <source>celestial equator</source>
        <translation>equatore celeste</translation>
    </message>
</context>
<context>
    <name>MomentDialog</name>
    <message>
        <source>Go to a moment</source>
        <translation>Vai a un momento</translation>
    </message>
    <message>
        <source>&amp;Date and local time, YYYY-MM-DD HH:MM:SS (years 1000 to 9999); the clock runs on from there:</source>
        <translation>&amp;Data e ora locale, AAAA-MM-GG HH:MM:SS (anni dal 1000 al 9999); l&apos;orologio riparte da lì:</translation>
    </message>
    <message>
        <source>Date and local time</source>
        <translation>Data e ora locale</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Vai</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>Adess&amp;o</translation>
    </message>
    <message>
        <source>Back to the computer&apos;s clock</source>
        <translation>Torna all&apos;orologio del computer</translation>
    </message>
</context>
<context>
    <name>PictureWidget</name>
    <message>
        <source>Sky chart</source>
        <translation>Mappa del cielo</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>%1 could not be removed</source>
        <translation>impossibile rimuovere %1</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>Pelmora preferences</source>
        <translation>Preferenze di Pelmora</translation>
    </message>
    <message>
        <source>In simulation mode, as designed</source>
        <translation>In modalità simulazione, come previsto</translation>
    </message>
    <message>
        <source>In clock mode</source>
        <translation>In modalità orologio</translation>
    </message>
    <message>
        <source>In the mode it had when it ended</source>
        <translation>Nella modalità in cui è stato chiuso</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Avvio</translation>
    </message>
    <message>
        <source>Classic (as designed)</source>
        <translation>Classico (come previsto)</translation>
    </message>
    <message>
        <source>Bright (dark colours lightened)</source>
        <translation>Luminoso (colori scuri schiariti)</translation>
    </message>
    <message>
        <source>Night (all red, for the dark)</source>
        <translation>Notte (tutto rosso, per il buio)</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Colori</translation>
    </message>
    <message>
        <source>Start at &amp;login, in clock mode</source>
        <translation>Avvia al &amp;login, in modalità orologio</translation>
    </message>
    <message>
        <source>Start at login could not be changed: %1</source>
        <translation>Impossibile modificare l&apos;avvio al login: %1</translation>
    </message>
    <message>
        <source>P&amp;references...</source>
        <translation>Pre&amp;ferenze...</translation>
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
        <translation>%1° E</translation>
    </message>
    <message>
        <source>%1° W</source>
        <translation>%1° O</translation>
    </message>
    <message>
        <source>%1 (the time zone has no place)</source>
        <translation>%1 (il fuso orario non ha un luogo)</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Ora: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Luogo: %1</translation>
    </message>
    <message>
        <source>Sky: %1</source>
        <translation>Cielo: %1</translation>
    </message>
    <message>
        <source>the true sky at this place</source>
        <translation>il cielo reale in questo luogo</translation>
    </message>
    <message>
        <source>as designed (mean places, local mean time)</source>
        <translation>come progettato (posizioni medie, tempo medio locale)</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>The chart was not printed: %1.</source>
        <translation>La mappa non è stata stampata: %1.</translation>
    </message>
    <message>
        <source>the printer %1 cannot be used</source>
        <translation>la stampante %1 non può essere usata</translation>
    </message>
    <message>
        <source>the file %1 could not be written</source>
        <translation>non è stato possibile scrivere il file %1</translation>
    </message>
    <message>
        <source>the printer %1 did not take it</source>
        <translation>la stampante %1 non ha accettato il lavoro</translation>
    </message>
    <message>
        <source>Print the chart</source>
        <translation>Stampa la mappa</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
</context>
<context>
    <name>SkyControls</name>
    <message>
        <source>The local sidereal time at the centre marker, in whole degrees.</source>
        <translation>Il tempo siderale locale al segno centrale, in gradi interi.</translation>
    </message>
    <message>
        <source> (the time zone has no place)</source>
        <translation> (il fuso orario non ha un luogo)</translation>
    </message>
    <message>
        <source>S&amp;ky</source>
        <translation>Cie&amp;lo</translation>
    </message>
    <message>
        <source>&amp;As designed</source>
        <translation>&amp;Come progettato</translation>
    </message>
    <message>
        <source>&amp;True sky for my place</source>
        <translation>Il cielo &amp;reale del mio luogo</translation>
    </message>
    <message>
        <source>&amp;Place...</source>
        <translation>&amp;Luogo...</translation>
    </message>
    <message>
        <source>The true sky at %1.</source>
        <translation>Il cielo reale a %1.</translation>
    </message>
    <message>
        <source>The sky as designed (mean places, local mean time).</source>
        <translation>Il cielo come progettato (posizioni medie, tempo medio locale).</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Luogo</translation>
    </message>
    <message>
        <source>The computer&apos;s time zone has no place in the zone database: 0° N, 0° E stands in. Choose a city or give your place.</source>
        <translation>Il fuso orario del computer non ha un luogo nel database dei fusi orari: si usa 0° N, 0° E. Scegli una città o indica il tuo luogo.</translation>
    </message>
    <message>
        <source>Search the cities</source>
        <translation>Cerca le città</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>&amp;Latitude (north +):</source>
        <translation>&amp;Latitudine (nord +):</translation>
    </message>
    <message>
        <source>L&amp;ongitude (east +):</source>
        <translation>L&amp;ongitudine (est +):</translation>
    </message>
</context>
<context>
    <name>TimeControls</name>
    <message>
        <source>&amp;Go to a moment...</source>
        <translation>Vai a un &amp;momento...</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Adesso</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>One &amp;step</source>
        <translation>U&amp;n passo</translation>
    </message>
    <message>
        <source>The clock is not the computer&apos;s: it was set to %1 and runs on from there (Home goes back to now).</source>
        <translation>L&apos;orologio non è quello del computer: è stato impostato su %1 e prosegue da lì (Home torna all&apos;ora attuale).</translation>
    </message>
</context>
</TS>
