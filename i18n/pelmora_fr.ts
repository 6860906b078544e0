<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutBox</name>
    <message>
        <source>A sky clock: the band of sky along the sun&apos;s yearly path, as seen from the northern hemisphere, turning with the time of day.</source>
        <translation>Une horloge céleste&#xa0;: la bande du ciel le long de la course annuelle du Soleil, vue depuis l&apos;hémisphère Nord, qui tourne avec l&apos;heure du jour.</translation>
    </message>
    <message>
        <source>Copyright 2026 The Pelmora developers. Released under the MIT licence.</source>
        <translation>Copyright 2026 Les développeurs de Pelmora. Publié sous licence MIT.</translation>
    </message>
    <message>
        <source>The chart&apos;s text is set in Liberation Sans, under the SIL Open Font License 1.1.</source>
        <translation>Le texte de la carte est composé en Liberation Sans, sous licence SIL Open Font License 1.1.</translation>
    </message>
</context>
<context>
    <name>ChartActions</name>
    <message>
        <source>&amp;Clock mode</source>
        <translation>Mode &amp;horloge</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>&amp;Save picture...</source>
        <translation>&amp;Enregistrer l&apos;image...</translation>
    </message>
    <message>
        <source>C&amp;opy picture</source>
        <translation>&amp;Copier l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation>À pr&amp;opos de Pelmora</translation>
    </message>
    <message>
        <source>About Pelmora</source>
        <translation>À propos de Pelmora</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved: %1.

Any file of that name is as it was.</source>
        <translation>L&apos;image n&apos;a pas été enregistrée&#xa0;: %1.

Tout fichier de ce nom est resté tel quel.</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Dessins SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>Aperçu a&amp;vant impression...</translation>
    </message>
    <message>
        <source>Pr&amp;int...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
</context>
<context>
    <name>ColourControls</name>
    <message>
        <source>Co&amp;lours</source>
        <translation>Cou&amp;leurs</translation>
    </message>
    <message>
        <source>&amp;Bright</source>
        <translation>&amp;Lumineux</translation>
    </message>
    <message>
        <source>&amp;Night (red)</source>
        <translation>&amp;Nuit (rouge)</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Classique</translation>
    </message>
</context>
<context>
    <name>Form1Window</name>
    <message>
        <source>End the program (asks first).</source>
        <translation>Quitte le programme (après confirmation).</translation>
    </message>
    <message>
        <source>Switch to simulation mode: the chart turns as fast as it can.</source>
        <translation>Passer en mode simulation&#xa0;: la carte tourne aussi vite que possible.</translation>
    </message>
    <message>
        <source>Switch to clock mode: the chart follows the computer&apos;s clock.</source>
        <translation>Passer en mode horloge&#xa0;: la carte suit l&apos;horloge de l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Erreur d&apos;exécution «&#xa0;%1&#xa0;»&#xa0;:

%2</translation>
    </message>
    <message>
        <source>The date of the clock.</source>
        <translation>La date de l&apos;horloge.</translation>
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
        <translation>sur la ligne de base</translation>
    </message>
    <message>
        <source>%1 above the baseline</source>
        <translation>%1 au-dessus de la ligne de base</translation>
    </message>
    <message>
        <source>%1 below the baseline</source>
        <translation>%1 au-dessous de la ligne de base</translation>
    </message>
    <message>
        <source>The title</source>
        <translation>Le titre</translation>
    </message>
    <message>
        <source>The chart&apos;s title: the band of sky along the sun&apos;s yearly path, seen from the northern hemisphere.</source>
        <translation>Le titre de la carte&#xa0;: la bande du ciel le long de la course annuelle du Soleil, vue depuis l&apos;hémisphère Nord.</translation>
    </message>
    <message>
        <source>The chart angle</source>
        <translation>L&apos;angle de la carte</translation>
    </message>
    <message>
        <source>Star at %1, %2.</source>
        <translation>Étoile à %1, %2.</translation>
    </message>
    <message>
        <source>The moon</source>
        <translation>La Lune</translation>
    </message>
    <message>
        <source>The sun</source>
        <translation>Le Soleil</translation>
    </message>
    <message>
        <source>At %1 on the scale, on its yearly path.</source>
        <translation>À %1 sur l&apos;échelle, sur sa course annuelle.</translation>
    </message>
    <message>
        <source>The celestial equator</source>
        <translation>L&apos;équateur céleste</translation>
    </message>
    <message>
        <source>At %1, %2; it crosses the sun&apos;s path at %3 and %4.</source>
        <translation>À %1, %2&#xa0;; il coupe la course du Soleil à %3 et à %4.</translation>
    </message>
    <message>
        <source>The centre marker</source>
        <translation>Le repère central</translation>
    </message>
    <message>
        <source>The &quot;local&quot; read-out gives the scale&apos;s angle here.</source>
        <translation>L&apos;affichage «&#xa0;local&#xa0;» donne l&apos;angle de l&apos;échelle en ce point.</translation>
    </message>
    <message>
        <source>The baseline</source>
        <translation>La ligne de base</translation>
    </message>
    <message>
        <source>The sun&apos;s yearly path with its scale of angles; here %1.</source>
        <translation>La course annuelle du Soleil (l&apos;écliptique) avec son échelle d&apos;angles&#xa0;; ici %1.</translation>
    </message>
    <message>
        <source>Simulation mode. Simulated time %1:%2</source>
        <translation>Mode simulation. Heure simulée %1:%2</translation>
    </message>
    <message>
        <source>Clock mode. %1:%2:%3</source>
        <translation>Mode horloge. %1:%2:%3</translation>
    </message>
    <message>
        <source>, %1 %2 %3</source>
        <translation>, %1 %2 %3</translation>
    </message>
    <message>
        <source>Centre of the chart at %1 degrees.</source>
        <translation>Centre de la carte à %1 degrés.</translation>
    </message>
    <message numerus="yes">
        <source>Next step in %n second(s).</source>
        <translation>
            <numerusform>Prochain pas dans %n seconde.</numerusform>
            <numerusform>Prochain pas dans %n secondes.</numerusform>
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
        <translation>Mintaka (delta Orionis), dans la ceinture d&apos;Orion</translation>
    </message>
    <message>
        <source>Alnilam (epsilon Orionis), in the belt of Orion</source>
        <translation>Alnilam (epsilon Orionis), dans la ceinture d&apos;Orion</translation>
    </message>
    <message>
        <source>Alnitak (zeta Orionis), in the belt of Orion</source>
        <translation>Alnitak (zeta Orionis), dans la ceinture d&apos;Orion</translation>
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
        <translation>Une étoile de la constellation du Centaure (nu ou mu Centauri)</translation>
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
        <translation>jour, mois, année</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nouvelle lune</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>premier croissant</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>premier quartier</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>gibbeuse croissante</translation>
    </message>
    <message>
        <source>full</source>
        <translation>pleine lune</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>gibbeuse décroissante</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>dernier quartier</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>dernier croissant</translation>
    </message>
    <message>
        <source>under a day to full moon</source>
        <translation>moins d&apos;un jour avant la pleine lune</translation>
    </message>
    <message>
        <source>under a day to new moon</source>
        <translation>moins d&apos;un jour avant la nouvelle lune</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) to full moon</source>
        <translation>
            <numerusform>%n jour avant la pleine lune</numerusform>
            <numerusform>%n jours avant la pleine lune</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) to new moon</source>
        <translation>
            <numerusform>%n jour avant la nouvelle lune</numerusform>
            <numerusform>%n jours avant la nouvelle lune</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 % lit, %3</source>
        <extracomment>the phase&apos;s name, how much of the moon is lit in per cent, the time to the next full or new moon</extracomment>
        <translation>%1, éclairée à %2&#xa0;%, %3</translation>
    </message>
    <message>
        <source>Marker at %1 on the baseline: %2.</source>
        <translation>Repère à %1 sur la ligne de base&#xa0;: %2.</translation>
    </message>
    <message>
        <source>At %1 on the scale; %2.</source>
        <translation>À %1 sur l&apos;échelle&#xa0;; %2.</translation>
    </message>
    <message>
        <source>Sun at %1 degrees, moon at %2 degrees, %3.</source>
        <translation>Soleil à %1 degrés, Lune à %2 degrés, %3.</translation>
    </message>
    <message>
        <source>Worked out when the chart starts: how far the time of day lies into its 32-minute span of the turn, halved, in minutes (0 to .5).</source>
        <translation>Calculé au démarrage de la carte&#xa0;: où l&apos;heure du jour se situe dans sa tranche de 32 minutes du tour, divisé par deux, en minutes (0 à 0,5).</translation>
    </message>
    <message>
        <source>The computer&apos;s clock.</source>
        <translation>L&apos;horloge de l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>A simulated time: four minutes for every degree the chart has turned.</source>
        <translation>Une heure simulée&#xa0;: quatre minutes pour chaque degré dont la carte a tourné.</translation>
    </message>
    <message>
        <source>The chart turns as fast as it can be redrawn, a degree every eight steps.</source>
        <translation>La carte tourne aussi vite qu&apos;elle peut être redessinée, d&apos;un degré tous les huit pas.</translation>
    </message>
    <message>
        <source>The moon&apos;s angle on the scale, in degrees (0 to 360).</source>
        <translation>L&apos;angle de la Lune sur l&apos;échelle, en degrés (0 à 360).</translation>
    </message>
    <message>
        <source>The chart angle: the scale&apos;s angle at the left edge, in degrees (1 to 360).</source>
        <translation>L&apos;angle de la carte&#xa0;: l&apos;angle de l&apos;échelle au bord gauche, en degrés (1 à 360).</translation>
    </message>
    <message>
        <source>The seconds the last redraw took, to hundredths.</source>
        <translation>La durée du dernier tracé en secondes, au centième près.</translation>
    </message>
    <message>
        <source>Whole seconds until the chart&apos;s next step, one every 30 seconds.</source>
        <translation>Secondes entières jusqu&apos;au prochain pas de la carte, un toutes les 30 secondes.</translation>
    </message>
    <message>
        <source>The date of the computer&apos;s clock.</source>
        <translation>La date de l&apos;horloge de l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>The scale&apos;s angle at the centre marker, in degrees (the chart angle less 40).</source>
        <translation>L&apos;angle de l&apos;échelle au repère central, en degrés (l&apos;angle de la carte moins 40).</translation>
    </message>
    <message>
        <source>The sun&apos;s angle on the scale, in degrees, from the day of the year.</source>
        <translation>L&apos;angle du Soleil sur l&apos;échelle, en degrés, d&apos;après le jour de l&apos;année.</translation>
    </message>
    <message>
        <source>Red marker at 29°</source>
        <translation>Repère rouge à 29°</translation>
    </message>
    <message>
        <source>a mark of the chart&apos;s own design, just left of Sheratan</source>
        <translation>un repère propre au dessin de la carte, juste à gauche de Sheratan</translation>
    </message>
    <message>
        <source>June solstice point</source>
        <translation>Point du solstice de juin</translation>
    </message>
    <message>
        <source>where the sun stands at the June solstice, farthest north</source>
        <translation>où se trouve le Soleil au solstice de juin, au plus au nord</translation>
    </message>
    <message>
        <source>September equinox point</source>
        <translation>Point de l&apos;équinoxe de septembre</translation>
    </message>
    <message>
        <source>where the sun crosses the celestial equator going south, in September</source>
        <translation>où le Soleil traverse l&apos;équateur céleste vers le sud, en septembre</translation>
    </message>
    <message>
        <source>December solstice point</source>
        <translation>Point du solstice de décembre</translation>
    </message>
    <message>
        <source>where the sun stands at the December solstice, farthest south</source>
        <translation>où se trouve le Soleil au solstice de décembre, au plus au sud</translation>
    </message>
    <message>
        <source>Blue marker at 279°</source>
        <translation>Repère bleu à 279°</translation>
    </message>
    <message>
        <source>a mark of the chart&apos;s own design, in two parts above and below the baseline</source>
        <translation>un repère propre au dessin de la carte, en deux parties au-dessus et au-dessous de la ligne de base</translation>
    </message>
    <message>
        <source>March equinox point</source>
        <translation>Point de l&apos;équinoxe de mars (point vernal)</translation>
    </message>
    <message>
        <source>where the sun crosses the celestial equator going north, in March</source>
        <translation>où le Soleil traverse l&apos;équateur céleste vers le nord, en mars</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercure</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vénus</translation>
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
        <translation>Saturne</translation>
    </message>
    <message>
        <source>Planet at %1 on the scale, magnitude %2.</source>
        <extracomment>a planet&apos;s tip: where it stands on the scale, and its visual magnitude (e.g. -2.4)</extracomment>
        <translation>Planète à %1 sur l&apos;échelle, magnitude %2.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Pelmora Help</source>
        <translation>Aide de Pelmora</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>The help page could not be read: %1</source>
        <translation>Impossible de lire la page d&apos;aide&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>LabelledChart</name>
    <message>
        <source>title</source>
        <translation>titre</translation>
    </message>
    <message>
        <source>time</source>
        <translation>heure</translation>
    </message>
    <message>
        <source>lunar: the moon&apos;s angle</source>
        <translation>lunar&#xa0;: angle de la Lune</translation>
    </message>
    <message>
        <source>chart angle (left edge)</source>
        <translation>angle de la carte (bord gauche)</translation>
    </message>
    <message>
        <source>cycle or update</source>
        <translation>cycle ou update</translation>
    </message>
    <message>
        <source>date</source>
        <translation>date</translation>
    </message>
    <message>
        <source>local: the angle at the centre</source>
        <translation>local&#xa0;: angle au centre</translation>
    </message>
    <message>
        <source>solar: the sun&apos;s angle</source>
        <translation>solar&#xa0;: angle du Soleil</translation>
    </message>
    <message>
        <source>centre marker</source>
        <translation>repère central</translation>
    </message>
    <message>
        <source>the sun&apos;s path and its scale</source>
        <translation>course du Soleil et son échelle</translation>
    </message>
    <message>
        <source>the sun</source>
        <translation>le Soleil</translation>
    </message>
    <message>
        <source>the moon</source>
        <translation>la Lune</translation>
    </message>
    <message>
        <source>a star (Antares)</source>
        <translation>une étoile (Antarès)</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>solstice de décembre</translation>
    </message>
    <message>
        <source>celestial equator</source>
        <translation>équateur céleste</translation>
    </message>
</context>
<context>
    <name>MomentDialog</name>
    <message>
        <source>Go to a moment</source>
        <translation>Aller à un moment</translation>
    </message>
    <message>
        <source>&amp;Date and local time, YYYY-MM-DD HH:MM:SS (years 1000 to 9999); the clock runs on from there:</source>
        <translation>&amp;Date et heure locale, AAAA-MM-JJ HH:MM:SS (années 1000 à 9999)&#xa0;; l&apos;horloge repart de là&#xa0;:</translation>
    </message>
    <message>
        <source>Date and local time</source>
        <translation>Date et heure locale</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>A&amp;ller</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Maintenant</translation>
    </message>
    <message>
        <source>Back to the computer&apos;s clock</source>
        <translation>Revenir à l&apos;horloge de l&apos;ordinateur</translation>
    </message>
</context>
<context>
    <name>PictureWidget</name>
    <message>
        <source>Sky chart</source>
        <translation>Carte du ciel</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>%1 could not be removed</source>
        <translation>%1 n&apos;a pas pu être supprimé</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>le dossier %1 n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>Pelmora preferences</source>
        <translation>Préférences de Pelmora</translation>
    </message>
    <message>
        <source>In simulation mode, as designed</source>
        <translation>En mode simulation, comme prévu</translation>
    </message>
    <message>
        <source>In clock mode</source>
        <translation>En mode horloge</translation>
    </message>
    <message>
        <source>In the mode it had when it ended</source>
        <translation>Dans le mode où il a été quitté</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrage</translation>
    </message>
    <message>
        <source>Classic (as designed)</source>
        <translation>Classique (comme prévu)</translation>
    </message>
    <message>
        <source>Bright (dark colours lightened)</source>
        <translation>Lumineux (couleurs sombres éclaircies)</translation>
    </message>
    <message>
        <source>Night (all red, for the dark)</source>
        <translation>Nuit (tout en rouge, pour l&apos;obscurité)</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Couleurs</translation>
    </message>
    <message>
        <source>Start at &amp;login, in clock mode</source>
        <translation>Lancer à l&apos;&amp;ouverture de session, en mode horloge</translation>
    </message>
    <message>
        <source>Start at login could not be changed: %1</source>
        <translation>Le lancement à l&apos;ouverture de session n&apos;a pas pu être modifié&#xa0;: %1</translation>
    </message>
    <message>
        <source>P&amp;references...</source>
        <translation>Préfé&amp;rences...</translation>
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
        <translation>%1 (le fuseau horaire n’a pas de lieu)</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Date&#xa0;: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Heure&#xa0;: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Lieu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sky: %1</source>
        <translation>Ciel&#xa0;: %1</translation>
    </message>
    <message>
        <source>the true sky at this place</source>
        <translation>le ciel réel en ce lieu</translation>
    </message>
    <message>
        <source>as designed (mean places, local mean time)</source>
        <translation>tel que conçu (positions moyennes, temps moyen local)</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>The chart was not printed: %1.</source>
        <translation>La carte n&apos;a pas été imprimée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>the printer %1 cannot be used</source>
        <translation>l&apos;imprimante %1 ne peut pas être utilisée</translation>
    </message>
    <message>
        <source>the file %1 could not be written</source>
        <translation>le fichier %1 n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>the printer %1 did not take it</source>
        <translation>l&apos;imprimante %1 ne l&apos;a pas accepté</translation>
    </message>
    <message>
        <source>Print the chart</source>
        <translation>Imprimer la carte</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
</context>
<context>
    <name>SkyControls</name>
    <message>
        <source>The local sidereal time at the centre marker, in whole degrees.</source>
        <translation>Le temps sidéral local au repère central, en degrés entiers.</translation>
    </message>
    <message>
        <source> (the time zone has no place)</source>
        <translation> (le fuseau horaire n’a pas de lieu)</translation>
    </message>
    <message>
        <source>S&amp;ky</source>
        <translation>C&amp;iel</translation>
    </message>
    <message>
        <source>&amp;As designed</source>
        <translation>&amp;Tel que conçu</translation>
    </message>
    <message>
        <source>&amp;True sky for my place</source>
        <translation>Le ciel &amp;réel de mon lieu</translation>
    </message>
    <message>
        <source>&amp;Place...</source>
        <translation>&amp;Lieu...</translation>
    </message>
    <message>
        <source>The true sky at %1.</source>
        <translation>Le ciel réel à %1.</translation>
    </message>
    <message>
        <source>The sky as designed (mean places, local mean time).</source>
        <translation>Le ciel tel que conçu (positions moyennes, temps moyen local).</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>The computer&apos;s time zone has no place in the zone database: 0° N, 0° E stands in. Choose a city or give your place.</source>
        <translation>Le fuseau horaire de l’ordinateur n’a pas de lieu dans la base des fuseaux horaires : 0° N, 0° E en tient lieu. Choisissez une ville ou indiquez votre lieu.</translation>
    </message>
    <message>
        <source>Search the cities</source>
        <translation>Rechercher une ville</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>Villes</translation>
    </message>
    <message>
        <source>&amp;Latitude (north +):</source>
        <translation>&amp;Latitude (nord +) :</translation>
    </message>
    <message>
        <source>L&amp;ongitude (east +):</source>
        <translation>L&amp;ongitude (est +) :</translation>
    </message>
</context>
<context>
    <name>TimeControls</name>
    <message>
        <source>&amp;Go to a moment...</source>
        <translation>Aller à un &amp;moment...</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>Mainte&amp;nant</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>Pa&amp;use</translation>
    </message>
    <message>
        <source>One &amp;step</source>
        <translation>Un pa&amp;s</translation>
    </message>
    <message>
        <source>The clock is not the computer&apos;s: it was set to %1 and runs on from there (Home goes back to now).</source>
        <translation>L&apos;horloge n&apos;est pas celle de l&apos;ordinateur&#xa0;: elle a été réglée sur %1 et repart de là (Début revient au présent).</translation>
    </message>
</context>
</TS>
