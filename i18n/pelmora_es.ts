<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutBox</name>
    <message>
        <source>A sky clock: the band of sky along the sun&apos;s yearly path, as seen from the northern hemisphere, turning with the time of day.</source>
        <translation>Un reloj celeste: la franja del cielo a lo largo del camino anual del Sol, vista desde el hemisferio norte, que gira con la hora del día.</translation>
    </message>
    <message>
        <source>Copyright 2026 The Pelmora developers. Released under the MIT licence.</source>
        <translation>Copyright 2026 Los desarrolladores de Pelmora. Publicado bajo la licencia MIT.</translation>
    </message>
    <message>
        <source>The chart&apos;s text is set in Liberation Sans, under the SIL Open Font License 1.1.</source>
        <translation>El texto del mapa usa la fuente Liberation Sans, bajo la SIL Open Font License 1.1.</translation>
    </message>
</context>
<context>
    <name>ChartActions</name>
    <message>
        <source>&amp;Clock mode</source>
        <translation>Modo &amp;reloj</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Save picture...</source>
        <translation>&amp;Guardar imagen...</translation>
    </message>
    <message>
        <source>C&amp;opy picture</source>
        <translation>&amp;Copiar imagen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation>&amp;Acerca de Pelmora</translation>
    </message>
    <message>
        <source>About Pelmora</source>
        <translation>Acerca de Pelmora</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved: %1.

Any file of that name is as it was.</source>
        <translation>La imagen no se guardó: %1.

Cualquier archivo con ese nombre sigue como estaba.</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Dibujos SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>&amp;Vista previa de impresión...</translation>
    </message>
    <message>
        <source>Pr&amp;int...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
</context>
<context>
    <name>ColourControls</name>
    <message>
        <source>Co&amp;lours</source>
        <translation>Co&amp;lores</translation>
    </message>
    <message>
        <source>&amp;Bright</source>
        <translation>&amp;Brillante</translation>
    </message>
    <message>
        <source>&amp;Night (red)</source>
        <translation>&amp;Noche (rojo)</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Clásico</translation>
    </message>
</context>
<context>
    <name>Form1Window</name>
    <message>
        <source>End the program (asks first).</source>
        <translation>Cierra el programa (pregunta antes).</translation>
    </message>
    <message>
        <source>Switch to simulation mode: the chart turns as fast as it can.</source>
        <translation>Cambiar al modo simulación: el mapa gira tan rápido como puede.</translation>
    </message>
    <message>
        <source>Switch to clock mode: the chart follows the computer&apos;s clock.</source>
        <translation>Cambiar al modo reloj: el mapa sigue el reloj del ordenador.</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Error en tiempo de ejecución «%1»:

%2</translation>
    </message>
    <message>
        <source>The date of the clock.</source>
        <translation>La fecha del reloj.</translation>
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
        <translation>sobre la línea base</translation>
    </message>
    <message>
        <source>%1 above the baseline</source>
        <translation>%1 por encima de la línea base</translation>
    </message>
    <message>
        <source>%1 below the baseline</source>
        <translation>%1 por debajo de la línea base</translation>
    </message>
    <message>
        <source>The title</source>
        <translation>El título</translation>
    </message>
    <message>
        <source>The chart&apos;s title: the band of sky along the sun&apos;s yearly path, seen from the northern hemisphere.</source>
        <translation>El título del mapa: la franja del cielo a lo largo del camino anual del Sol, vista desde el hemisferio norte.</translation>
    </message>
    <message>
        <source>The chart angle</source>
        <translation>El ángulo del mapa</translation>
    </message>
    <message>
        <source>Star at %1, %2.</source>
        <translation>Estrella a %1, %2.</translation>
    </message>
    <message>
        <source>The moon</source>
        <translation>La Luna</translation>
    </message>
    <message>
        <source>The sun</source>
        <translation>El Sol</translation>
    </message>
    <message>
        <source>At %1 on the scale, on its yearly path.</source>
        <translation>A %1 en la escala, en su camino anual.</translation>
    </message>
    <message>
        <source>The celestial equator</source>
        <translation>El ecuador celeste</translation>
    </message>
    <message>
        <source>At %1, %2; it crosses the sun&apos;s path at %3 and %4.</source>
        <translation>A %1, %2; corta el camino del Sol a %3 y a %4.</translation>
    </message>
    <message>
        <source>The centre marker</source>
        <translation>La marca central</translation>
    </message>
    <message>
        <source>The &quot;local&quot; read-out gives the scale&apos;s angle here.</source>
        <translation>La lectura «local» da el ángulo de la escala en este punto.</translation>
    </message>
    <message>
        <source>The baseline</source>
        <translation>La línea base</translation>
    </message>
    <message>
        <source>The sun&apos;s yearly path with its scale of angles; here %1.</source>
        <translation>El camino anual del Sol (la eclíptica) con su escala de ángulos; aquí %1.</translation>
    </message>
    <message>
        <source>Simulation mode. Simulated time %1:%2</source>
        <translation>Modo simulación. Hora simulada %1:%2</translation>
    </message>
    <message>
        <source>Clock mode. %1:%2:%3</source>
        <translation>Modo reloj. %1:%2:%3</translation>
    </message>
    <message>
        <source>, %1 %2 %3</source>
        <translation>, %1 %2 %3</translation>
    </message>
    <message>
        <source>Centre of the chart at %1 degrees.</source>
        <translation>Centro del mapa a %1 grados.</translation>
    </message>
    <message numerus="yes">
        <source>Next step in %n second(s).</source>
        <translation>
            <numerusform>Próximo paso en %n segundo.</numerusform>
            <numerusform>Próximo paso en %n segundos.</numerusform>
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
        <translation>Mintaka (delta Orionis), en el cinturón de Orión</translation>
    </message>
    <message>
        <source>Alnilam (epsilon Orionis), in the belt of Orion</source>
        <translation>Alnilam (epsilon Orionis), en el cinturón de Orión</translation>
    </message>
    <message>
        <source>Alnitak (zeta Orionis), in the belt of Orion</source>
        <translation>Alnitak (zeta Orionis), en el cinturón de Orión</translation>
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
        <translation>Una estrella de la constelación de Centauro (nu o mu Centauri)</translation>
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
        <translation>día, mes, año</translation>
    </message>
    <message>
        <source>new</source>
        <translation>luna nueva</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>creciente</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>cuarto creciente</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>gibosa creciente</translation>
    </message>
    <message>
        <source>full</source>
        <translation>luna llena</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>gibosa menguante</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>cuarto menguante</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>menguante</translation>
    </message>
    <message>
        <source>under a day to full moon</source>
        <translation>menos de un día para la luna llena</translation>
    </message>
    <message>
        <source>under a day to new moon</source>
        <translation>menos de un día para la luna nueva</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) to full moon</source>
        <translation>
            <numerusform>%n día para la luna llena</numerusform>
            <numerusform>%n días para la luna llena</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) to new moon</source>
        <translation>
            <numerusform>%n día para la luna nueva</numerusform>
            <numerusform>%n días para la luna nueva</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 % lit, %3</source>
        <extracomment>the phase&apos;s name, how much of the moon is lit in per cent, the time to the next full or new moon</extracomment>
        <translation>%1, iluminada al %2 %, %3</translation>
    </message>
    <message>
        <source>Marker at %1 on the baseline: %2.</source>
        <translation>Marca a %1 sobre la línea base: %2.</translation>
    </message>
    <message>
        <source>At %1 on the scale; %2.</source>
        <translation>A %1 en la escala; %2.</translation>
    </message>
    <message>
        <source>Sun at %1 degrees, moon at %2 degrees, %3.</source>
        <translation>Sol a %1 grados, Luna a %2 grados, %3.</translation>
    </message>
    <message>
        <source>Worked out when the chart starts: how far the time of day lies into its 32-minute span of the turn, halved, in minutes (0 to .5).</source>
        <translation>Calculado al iniciar el mapa: cuánto ha avanzado la hora del día dentro de su tramo de 32 minutos del giro, dividido entre dos, en minutos (de 0 a 0,5).</translation>
    </message>
    <message>
        <source>The computer&apos;s clock.</source>
        <translation>El reloj del ordenador.</translation>
    </message>
    <message>
        <source>A simulated time: four minutes for every degree the chart has turned.</source>
        <translation>Una hora simulada: cuatro minutos por cada grado que ha girado el mapa.</translation>
    </message>
    <message>
        <source>The chart turns as fast as it can be redrawn, a degree every eight steps.</source>
        <translation>El mapa gira tan rápido como puede redibujarse, un grado cada ocho pasos.</translation>
    </message>
    <message>
        <source>The moon&apos;s angle on the scale, in degrees (0 to 360).</source>
        <translation>El ángulo de la Luna en la escala, en grados (de 0 a 360).</translation>
    </message>
    <message>
        <source>The chart angle: the scale&apos;s angle at the left edge, in degrees (1 to 360).</source>
        <translation>El ángulo del mapa: el ángulo de la escala en el borde izquierdo, en grados (de 1 a 360).</translation>
    </message>
    <message>
        <source>The seconds the last redraw took, to hundredths.</source>
        <translation>Los segundos que tardó el último redibujado, en centésimas.</translation>
    </message>
    <message>
        <source>Whole seconds until the chart&apos;s next step, one every 30 seconds.</source>
        <translation>Segundos enteros hasta el próximo paso del mapa, uno cada 30 segundos.</translation>
    </message>
    <message>
        <source>The date of the computer&apos;s clock.</source>
        <translation>La fecha del reloj del ordenador.</translation>
    </message>
    <message>
        <source>The scale&apos;s angle at the centre marker, in degrees (the chart angle less 40).</source>
        <translation>El ángulo de la escala en la marca central, en grados (el ángulo del mapa menos 40).</translation>
    </message>
    <message>
        <source>The sun&apos;s angle on the scale, in degrees, from the day of the year.</source>
        <translation>El ángulo del Sol en la escala, en grados, según el día del año.</translation>
    </message>
    <message>
        <source>Red marker at 29°</source>
        <translation>Marca roja a 29°</translation>
    </message>
    <message>
        <source>a mark of the chart&apos;s own design, just left of Sheratan</source>
        <translation>una marca propia del diseño del mapa, justo a la izquierda de Sheratan</translation>
    </message>
    <message>
        <source>June solstice point</source>
        <translation>Punto del solsticio de junio</translation>
    </message>
    <message>
        <source>where the sun stands at the June solstice, farthest north</source>
        <translation>donde está el Sol en el solsticio de junio, lo más al norte</translation>
    </message>
    <message>
        <source>September equinox point</source>
        <translation>Punto del equinoccio de septiembre</translation>
    </message>
    <message>
        <source>where the sun crosses the celestial equator going south, in September</source>
        <translation>donde el Sol cruza el ecuador celeste hacia el sur, en septiembre</translation>
    </message>
    <message>
        <source>December solstice point</source>
        <translation>Punto del solsticio de diciembre</translation>
    </message>
    <message>
        <source>where the sun stands at the December solstice, farthest south</source>
        <translation>donde está el Sol en el solsticio de diciembre, lo más al sur</translation>
    </message>
    <message>
        <source>Blue marker at 279°</source>
        <translation>Marca azul a 279°</translation>
    </message>
    <message>
        <source>a mark of the chart&apos;s own design, in two parts above and below the baseline</source>
        <translation>una marca propia del diseño del mapa, en dos partes por encima y por debajo de la línea base</translation>
    </message>
    <message>
        <source>March equinox point</source>
        <translation>Punto del equinoccio de marzo (punto vernal)</translation>
    </message>
    <message>
        <source>where the sun crosses the celestial equator going north, in March</source>
        <translation>donde el Sol cruza el ecuador celeste hacia el norte, en marzo</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Júpiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturno</translation>
    </message>
    <message>
        <source>Planet at %1 on the scale, magnitude %2.</source>
        <extracomment>a planet&apos;s tip: where it stands on the scale, and its visual magnitude (e.g. -2.4)</extracomment>
        <translation>Planeta a %1 en la escala, magnitud %2.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Pelmora Help</source>
        <translation>Ayuda de Pelmora</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>The help page could not be read: %1</source>
        <translation>No se pudo leer la página de ayuda: %1</translation>
    </message>
</context>
<context>
    <name>LabelledChart</name>
    <message>
        <source>title</source>
        <translation>título</translation>
    </message>
    <message>
        <source>time</source>
        <translation>hora</translation>
    </message>
    <message>
        <source>lunar: the moon&apos;s angle</source>
        <translation>lunar: ángulo de la Luna</translation>
    </message>
    <message>
        <source>chart angle (left edge)</source>
        <translation>ángulo del mapa (borde izquierdo)</translation>
    </message>
    <message>
        <source>cycle or update</source>
        <translation>cycle o update</translation>
    </message>
    <message>
        <source>date</source>
        <translation>fecha</translation>
    </message>
    <message>
        <source>local: the angle at the centre</source>
        <translation>local: ángulo en el centro</translation>
    </message>
    <message>
        <source>solar: the sun&apos;s angle</source>
        <translation>solar: ángulo del Sol</translation>
    </message>
    <message>
        <source>centre marker</source>
        <translation>marca central</translation>
    </message>
    <message>
        <source>the sun&apos;s path and its scale</source>
        <translation>camino del Sol y su escala</translation>
    </message>
    <message>
        <source>the sun</source>
        <translation>el Sol</translation>
    </message>
    <message>
        <source>the moon</source>
        <translation>la Luna</translation>
    </message>
    <message>
        <source>a star (Antares)</source>
        <translation>una estrella (Antares)</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>solsticio de diciembre</translation>
    </message>
    <message>
        <source>celestial equator</source>
        <translation>ecuador celeste</translation>
    </message>
</context>
<context>
    <name>MomentDialog</name>
    <message>
        <source>Go to a moment</source>
        <translation>Ir a un momento</translation>
    </message>
    <message>
        <source>&amp;Date and local time, YYYY-MM-DD HH:MM:SS (years 1000 to 9999); the clock runs on from there:</source>
        <translation>&amp;Fecha y hora local, AAAA-MM-DD HH:MM:SS (años 1000 a 9999); el reloj sigue desde ahí:</translation>
    </message>
    <message>
        <source>Date and local time</source>
        <translation>Fecha y hora local</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Ir</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Ahora</translation>
    </message>
    <message>
        <source>Back to the computer&apos;s clock</source>
        <translation>Volver al reloj del ordenador</translation>
    </message>
</context>
<context>
    <name>PictureWidget</name>
    <message>
        <source>Sky chart</source>
        <translation>Mapa del cielo</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>%1 could not be removed</source>
        <translation>no se pudo eliminar %1</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>no se pudo crear la carpeta %1</translation>
    </message>
    <message>
        <source>Pelmora preferences</source>
        <translation>Preferencias de Pelmora</translation>
    </message>
    <message>
        <source>In simulation mode, as designed</source>
        <translation>En modo simulación, como se diseñó</translation>
    </message>
    <message>
        <source>In clock mode</source>
        <translation>En modo reloj</translation>
    </message>
    <message>
        <source>In the mode it had when it ended</source>
        <translation>En el modo en que se cerró</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Inicio</translation>
    </message>
    <message>
        <source>Classic (as designed)</source>
        <translation>Clásico (como se diseñó)</translation>
    </message>
    <message>
        <source>Bright (dark colours lightened)</source>
        <translation>Brillante (colores oscuros aclarados)</translation>
    </message>
    <message>
        <source>Night (all red, for the dark)</source>
        <translation>Noche (todo en rojo, para la oscuridad)</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Colores</translation>
    </message>
    <message>
        <source>Start at &amp;login, in clock mode</source>
        <translation>Iniciar al &amp;entrar en la sesión, en modo reloj</translation>
    </message>
    <message>
        <source>Start at login could not be changed: %1</source>
        <translation>No se pudo cambiar el inicio al entrar en la sesión: %1</translation>
    </message>
    <message>
        <source>P&amp;references...</source>
        <translation>Pre&amp;ferencias...</translation>
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
        <translation>%1 (la zona horaria no tiene lugar)</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Hora: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Lugar: %1</translation>
    </message>
    <message>
        <source>Sky: %1</source>
        <translation>Cielo: %1</translation>
    </message>
    <message>
        <source>the true sky at this place</source>
        <translation>el cielo real en este lugar</translation>
    </message>
    <message>
        <source>as designed (mean places, local mean time)</source>
        <translation>como se diseñó (posiciones medias, hora media local)</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>The chart was not printed: %1.</source>
        <translation>El mapa no se imprimió: %1.</translation>
    </message>
    <message>
        <source>the printer %1 cannot be used</source>
        <translation>no se puede usar la impresora %1</translation>
    </message>
    <message>
        <source>the file %1 could not be written</source>
        <translation>no se pudo escribir el archivo %1</translation>
    </message>
    <message>
        <source>the printer %1 did not take it</source>
        <translation>la impresora %1 no aceptó el trabajo</translation>
    </message>
    <message>
        <source>Print the chart</source>
        <translation>Imprimir el mapa</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
</context>
<context>
    <name>SkyControls</name>
    <message>
        <source>The local sidereal time at the centre marker, in whole degrees.</source>
        <translation>El tiempo sidéreo local en la marca central, en grados enteros.</translation>
    </message>
    <message>
        <source> (the time zone has no place)</source>
        <translation> (la zona horaria no tiene lugar)</translation>
    </message>
    <message>
        <source>S&amp;ky</source>
        <translation>C&amp;ielo</translation>
    </message>
    <message>
        <source>&amp;As designed</source>
        <translation>&amp;Como se diseñó</translation>
    </message>
    <message>
        <source>&amp;True sky for my place</source>
        <translation>El cielo &amp;real de mi lugar</translation>
    </message>
    <message>
        <source>&amp;Place...</source>
        <translation>&amp;Lugar...</translation>
    </message>
    <message>
        <source>The true sky at %1.</source>
        <translation>El cielo real en %1.</translation>
    </message>
    <message>
        <source>The sky as designed (mean places, local mean time).</source>
        <translation>El cielo como se diseñó (posiciones medias, hora media local).</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>The computer&apos;s time zone has no place in the zone database: 0° N, 0° E stands in. Choose a city or give your place.</source>
        <translation>La zona horaria del ordenador no tiene lugar en la base de datos de zonas: se usa 0° N, 0° E. Elija una ciudad o indique su lugar.</translation>
    </message>
    <message>
        <source>Search the cities</source>
        <translation>Buscar ciudades</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>Ciudades</translation>
    </message>
    <message>
        <source>&amp;Latitude (north +):</source>
        <translation>&amp;Latitud (norte +):</translation>
    </message>
    <message>
        <source>L&amp;ongitude (east +):</source>
        <translation>L&amp;ongitud (este +):</translation>
    </message>
</context>
<context>
    <name>TimeControls</name>
    <message>
        <source>&amp;Go to a moment...</source>
        <translation>Ir a un &amp;momento...</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>Ah&amp;ora</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>Pa&amp;usa</translation>
    </message>
    <message>
        <source>One &amp;step</source>
        <translation>U&amp;n paso</translation>
    </message>
    <message>
        <source>The clock is not the computer&apos;s: it was set to %1 and runs on from there (Home goes back to now).</source>
        <translation>El reloj no es el del ordenador: se puso en %1 y sigue desde ahí (Inicio vuelve al momento actual).</translation>
    </message>
</context>
</TS>
