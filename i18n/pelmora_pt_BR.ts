<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutBox</name>
    <message>
        <source>A sky clock: the band of sky along the sun&apos;s yearly path, as seen from the northern hemisphere, turning with the time of day.</source>
        <translation>Um relógio celeste: a faixa do céu ao longo do caminho anual do Sol, vista do hemisfério norte, girando com a hora do dia.</translation>
    </message>
    <message>
        <source>Copyright 2026 The Pelmora developers. Released under the MIT licence.</source>
        <translation>Copyright 2026 Os desenvolvedores do Pelmora. Distribuído sob a licença MIT.</translation>
    </message>
    <message>
        <source>The chart&apos;s text is set in Liberation Sans, under the SIL Open Font License 1.1.</source>
        <translation>O texto do mapa usa a fonte Liberation Sans, sob a SIL Open Font License 1.1.</translation>
    </message>
</context>
<context>
    <name>ChartActions</name>
    <message>
        <source>&amp;Clock mode</source>
        <translation>Modo &amp;relógio</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Tela cheia</translation>
    </message>
    <message>
        <source>&amp;Save picture...</source>
        <translation>&amp;Salvar imagem...</translation>
    </message>
    <message>
        <source>C&amp;opy picture</source>
        <translation>&amp;Copiar imagem</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation>S&amp;obre o Pelmora</translation>
    </message>
    <message>
        <source>About Pelmora</source>
        <translation>Sobre o Pelmora</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Salvar imagem</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved: %1.

Any file of that name is as it was.</source>
        <translation>A imagem não foi salva: %1.

Qualquer arquivo com esse nome continua como estava.</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Desenhos SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>&amp;Visualizar impressão...</translation>
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
        <translation>Cor&amp;es</translation>
    </message>
    <message>
        <source>&amp;Bright</source>
        <translation>&amp;Brilhante</translation>
    </message>
    <message>
        <source>&amp;Night (red)</source>
        <translation>&amp;Noturno (vermelho)</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Clássico</translation>
    </message>
</context>
<context>
    <name>Form1Window</name>
    <message>
        <source>End the program (asks first).</source>
        <translation>Encerra o programa (pergunta antes).</translation>
    </message>
    <message>
        <source>Switch to simulation mode: the chart turns as fast as it can.</source>
        <translation>Mudar para o modo simulação: o mapa gira o mais rápido que puder.</translation>
    </message>
    <message>
        <source>Switch to clock mode: the chart follows the computer&apos;s clock.</source>
        <translation>Mudar para o modo relógio: o mapa acompanha o relógio do computador.</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Erro em tempo de execução &quot;%1&quot;:

%2</translation>
    </message>
    <message>
        <source>The date of the clock.</source>
        <translation>A data do relógio.</translation>
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
        <translation>sobre a linha de base</translation>
    </message>
    <message>
        <source>%1 above the baseline</source>
        <translation>%1 acima da linha de base</translation>
    </message>
    <message>
        <source>%1 below the baseline</source>
        <translation>%1 abaixo da linha de base</translation>
    </message>
    <message>
        <source>The title</source>
        <translation>O título</translation>
    </message>
    <message>
        <source>The chart&apos;s title: the band of sky along the sun&apos;s yearly path, seen from the northern hemisphere.</source>
        <translation>O título do mapa: a faixa do céu ao longo do caminho anual do Sol, vista do hemisfério norte.</translation>
    </message>
    <message>
        <source>The chart angle</source>
        <translation>O ângulo do mapa</translation>
    </message>
    <message>
        <source>Star at %1, %2.</source>
        <translation>Estrela em %1, %2.</translation>
    </message>
    <message>
        <source>The moon</source>
        <translation>A Lua</translation>
    </message>
    <message>
        <source>The sun</source>
        <translation>O Sol</translation>
    </message>
    <message>
        <source>At %1 on the scale, on its yearly path.</source>
        <translation>Em %1 na escala, no seu caminho anual.</translation>
    </message>
    <message>
        <source>The celestial equator</source>
        <translation>O equador celeste</translation>
    </message>
    <message>
        <source>At %1, %2; it crosses the sun&apos;s path at %3 and %4.</source>
        <translation>Em %1, %2; cruza o caminho do Sol em %3 e em %4.</translation>
    </message>
    <message>
        <source>The centre marker</source>
        <translation>O marcador central</translation>
    </message>
    <message>
        <source>The &quot;local&quot; read-out gives the scale&apos;s angle here.</source>
        <translation>A leitura &quot;local&quot; dá o ângulo da escala neste ponto.</translation>
    </message>
    <message>
        <source>The baseline</source>
        <translation>A linha de base</translation>
    </message>
    <message>
        <source>The sun&apos;s yearly path with its scale of angles; here %1.</source>
        <translation>O caminho anual do Sol (a eclíptica) com sua escala de ângulos; aqui %1.</translation>
    </message>
    <message>
        <source>Simulation mode. Simulated time %1:%2</source>
        <translation>Modo simulação. Hora simulada %1:%2</translation>
    </message>
    <message>
        <source>Clock mode. %1:%2:%3</source>
        <translation>Modo relógio. %1:%2:%3</translation>
    </message>
    <message>
        <source>, %1 %2 %3</source>
        <translation>, %1 %2 %3</translation>
    </message>
    <message>
        <source>Centre of the chart at %1 degrees.</source>
        <translation>Centro do mapa em %1 graus.</translation>
    </message>
    <message numerus="yes">
        <source>Next step in %n second(s).</source>
        <translation>
            <numerusform>Próximo passo em %n segundo.</numerusform>
            <numerusform>Próximo passo em %n segundos.</numerusform>
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
        <translation>Mintaka (delta Orionis), no Cinturão de Órion</translation>
    </message>
    <message>
        <source>Alnilam (epsilon Orionis), in the belt of Orion</source>
        <translation>Alnilam (epsilon Orionis), no Cinturão de Órion</translation>
    </message>
    <message>
        <source>Alnitak (zeta Orionis), in the belt of Orion</source>
        <translation>Alnitak (zeta Orionis), no Cinturão de Órion</translation>
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
        <translation>Uma estrela da constelação do Centauro (nu ou mu Centauri)</translation>
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
        <translation>dia, mês, ano</translation>
    </message>
    <message>
        <source>new</source>
        <translation>lua nova</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>crescente</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>quarto crescente</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>crescente gibosa</translation>
    </message>
    <message>
        <source>full</source>
        <translation>lua cheia</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>minguante gibosa</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>quarto minguante</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>minguante</translation>
    </message>
    <message>
        <source>under a day to full moon</source>
        <translation>menos de um dia para a lua cheia</translation>
    </message>
    <message>
        <source>under a day to new moon</source>
        <translation>menos de um dia para a lua nova</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) to full moon</source>
        <translation>
            <numerusform>%n dia para a lua cheia</numerusform>
            <numerusform>%n dias para a lua cheia</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) to new moon</source>
        <translation>
            <numerusform>%n dia para a lua nova</numerusform>
            <numerusform>%n dias para a lua nova</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 % lit, %3</source>
        <extracomment>the phase&apos;s name, how much of the moon is lit in per cent, the time to the next full or new moon</extracomment>
        <translation>%1, %2 % iluminada, %3</translation>
    </message>
    <message>
        <source>Marker at %1 on the baseline: %2.</source>
        <translation>Marcador em %1 na linha de base: %2.</translation>
    </message>
    <message>
        <source>At %1 on the scale; %2.</source>
        <translation>Em %1 na escala; %2.</translation>
    </message>
    <message>
        <source>Sun at %1 degrees, moon at %2 degrees, %3.</source>
        <translation>Sol em %1 graus, Lua em %2 graus, %3.</translation>
    </message>
    <message>
        <source>Worked out when the chart starts: how far the time of day lies into its 32-minute span of the turn, halved, in minutes (0 to .5).</source>
        <translation>Calculado ao iniciar o mapa: quanto a hora do dia já avançou no seu intervalo de 32 minutos do giro, dividido por dois, em minutos (de 0 a 0,5).</translation>
    </message>
    <message>
        <source>The computer&apos;s clock.</source>
        <translation>O relógio do computador.</translation>
    </message>
    <message>
        <source>A simulated time: four minutes for every degree the chart has turned.</source>
        <translation>Uma hora simulada: quatro minutos para cada grau que o mapa girou.</translation>
    </message>
    <message>
        <source>The chart turns as fast as it can be redrawn, a degree every eight steps.</source>
        <translation>O mapa gira tão rápido quanto pode ser redesenhado, um grau a cada oito passos.</translation>
    </message>
    <message>
        <source>The moon&apos;s angle on the scale, in degrees (0 to 360).</source>
        <translation>O ângulo da Lua na escala, em graus (de 0 a 360).</translation>
    </message>
    <message>
        <source>The chart angle: the scale&apos;s angle at the left edge, in degrees (1 to 360).</source>
        <translation>O ângulo do mapa: o ângulo da escala na borda esquerda, em graus (de 1 a 360).</translation>
    </message>
    <message>
        <source>The seconds the last redraw took, to hundredths.</source>
        <translation>Os segundos que o último redesenho levou, em centésimos.</translation>
    </message>
    <message>
        <source>Whole seconds until the chart&apos;s next step, one every 30 seconds.</source>
        <translation>Segundos inteiros até o próximo passo do mapa, um a cada 30 segundos.</translation>
    </message>
    <message>
        <source>The date of the computer&apos;s clock.</source>
        <translation>A data do relógio do computador.</translation>
    </message>
    <message>
        <source>The scale&apos;s angle at the centre marker, in degrees (the chart angle less 40).</source>
        <translation>O ângulo da escala no marcador central, em graus (o ângulo do mapa menos 40).</translation>
    </message>
    <message>
        <source>The sun&apos;s angle on the scale, in degrees, from the day of the year.</source>
        <translation>O ângulo do Sol na escala, em graus, a partir do dia do ano.</translation>
    </message>
    <message>
        <source>Red marker at 29°</source>
        <translation>Marcador vermelho em 29°</translation>
    </message>
    <message>
        <source>a mark of the chart&apos;s own design, just left of Sheratan</source>
        <translation>uma marca do próprio desenho do mapa, logo à esquerda de Sheratan</translation>
    </message>
    <message>
        <source>June solstice point</source>
        <translation>Ponto do solstício de junho</translation>
    </message>
    <message>
        <source>where the sun stands at the June solstice, farthest north</source>
        <translation>onde o Sol está no solstício de junho, o mais ao norte</translation>
    </message>
    <message>
        <source>September equinox point</source>
        <translation>Ponto do equinócio de setembro</translation>
    </message>
    <message>
        <source>where the sun crosses the celestial equator going south, in September</source>
        <translation>onde o Sol cruza o equador celeste rumo ao sul, em setembro</translation>
    </message>
    <message>
        <source>December solstice point</source>
        <translation>Ponto do solstício de dezembro</translation>
    </message>
    <message>
        <source>where the sun stands at the December solstice, farthest south</source>
        <translation>onde o Sol está no solstício de dezembro, o mais ao sul</translation>
    </message>
    <message>
        <source>Blue marker at 279°</source>
        <translation>Marcador azul em 279°</translation>
    </message>
    <message>
        <source>a mark of the chart&apos;s own design, in two parts above and below the baseline</source>
        <translation>uma marca do próprio desenho do mapa, em duas partes acima e abaixo da linha de base</translation>
    </message>
    <message>
        <source>March equinox point</source>
        <translation>Ponto do equinócio de março (ponto vernal)</translation>
    </message>
    <message>
        <source>where the sun crosses the celestial equator going north, in March</source>
        <translation>onde o Sol cruza o equador celeste rumo ao norte, em março</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercúrio</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vênus</translation>
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
        <translation>Planeta em %1 na escala, magnitude %2.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Pelmora Help</source>
        <translation>Ajuda do Pelmora</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>The help page could not be read: %1</source>
        <translation>Não foi possível ler a página de ajuda: %1</translation>
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
        <translation>lunar: ângulo da Lua</translation>
    </message>
    <message>
        <source>chart angle (left edge)</source>
        <translation>ângulo do mapa (borda esquerda)</translation>
    </message>
    <message>
        <source>cycle or update</source>
        <translation>cycle ou update</translation>
    </message>
    <message>
        <source>date</source>
        <translation>data</translation>
    </message>
    <message>
        <source>local: the angle at the centre</source>
        <translation>local: ângulo no centro</translation>
    </message>
    <message>
        <source>solar: the sun&apos;s angle</source>
        <translation>solar: ângulo do Sol</translation>
    </message>
    <message>
        <source>centre marker</source>
        <translation>marcador central</translation>
    </message>
    <message>
        <source>the sun&apos;s path and its scale</source>
        <translation>caminho do Sol e sua escala</translation>
    </message>
    <message>
        <source>the sun</source>
        <translation>o Sol</translation>
    </message>
    <message>
        <source>the moon</source>
        <translation>a Lua</translation>
    </message>
    <message>
        <source>a star (Antares)</source>
        <translation>uma estrela (Antares)</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>solstício de dezembro</translation>
    </message>
    <message>
        <source>celestial equator</source>
        <translation>equador celeste</translation>
    </message>
</context>
<context>
    <name>MomentDialog</name>
    <message>
        <source>Go to a moment</source>
        <translation>Ir para um momento</translation>
    </message>
    <message>
        <source>&amp;Date and local time, YYYY-MM-DD HH:MM:SS (years 1000 to 9999); the clock runs on from there:</source>
        <translation>&amp;Data e hora local, AAAA-MM-DD HH:MM:SS (anos de 1000 a 9999); o relógio continua a partir daí:</translation>
    </message>
    <message>
        <source>Date and local time</source>
        <translation>Data e hora local</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Ir</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Agora</translation>
    </message>
    <message>
        <source>Back to the computer&apos;s clock</source>
        <translation>Voltar ao relógio do computador</translation>
    </message>
</context>
<context>
    <name>PictureWidget</name>
    <message>
        <source>Sky chart</source>
        <translation>Mapa do céu</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>%1 could not be removed</source>
        <translation>não foi possível remover %1</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>não foi possível criar a pasta %1</translation>
    </message>
    <message>
        <source>Pelmora preferences</source>
        <translation>Preferências do Pelmora</translation>
    </message>
    <message>
        <source>In simulation mode, as designed</source>
        <translation>No modo simulação, como projetado</translation>
    </message>
    <message>
        <source>In clock mode</source>
        <translation>No modo relógio</translation>
    </message>
    <message>
        <source>In the mode it had when it ended</source>
        <translation>No modo em que foi encerrado</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Início</translation>
    </message>
    <message>
        <source>Classic (as designed)</source>
        <translation>Clássico (como projetado)</translation>
    </message>
    <message>
        <source>Bright (dark colours lightened)</source>
        <translation>Brilhante (cores escuras clareadas)</translation>
    </message>
    <message>
        <source>Night (all red, for the dark)</source>
        <translation>Noturno (tudo em vermelho, para o escuro)</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Cores</translation>
    </message>
    <message>
        <source>Start at &amp;login, in clock mode</source>
        <translation>Iniciar ao fazer &amp;login, no modo relógio</translation>
    </message>
    <message>
        <source>Start at login could not be changed: %1</source>
        <translation>Não foi possível alterar o início ao fazer login: %1</translation>
    </message>
    <message>
        <source>P&amp;references...</source>
        <translation>&amp;Preferências...</translation>
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
        <translation>%1° L</translation>
    </message>
    <message>
        <source>%1° W</source>
        <translation>%1° O</translation>
    </message>
    <message>
        <source>%1 (the time zone has no place)</source>
        <translation>%1 (o fuso horário não tem lugar)</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Data: %1</translation>
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
        <translation>Céu: %1</translation>
    </message>
    <message>
        <source>the true sky at this place</source>
        <translation>o céu real neste lugar</translation>
    </message>
    <message>
        <source>as designed (mean places, local mean time)</source>
        <translation>como projetado (posições médias, hora média local)</translation>
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
        <translation>O mapa não foi impresso: %1.</translation>
    </message>
    <message>
        <source>the printer %1 cannot be used</source>
        <translation>a impressora %1 não pode ser usada</translation>
    </message>
    <message>
        <source>the file %1 could not be written</source>
        <translation>não foi possível gravar o arquivo %1</translation>
    </message>
    <message>
        <source>the printer %1 did not take it</source>
        <translation>a impressora %1 não aceitou o trabalho</translation>
    </message>
    <message>
        <source>Print the chart</source>
        <translation>Imprimir o mapa</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Visualizar impressão</translation>
    </message>
</context>
<context>
    <name>SkyControls</name>
    <message>
        <source>The local sidereal time at the centre marker, in whole degrees.</source>
        <translation>O tempo sideral local no marcador central, em graus inteiros.</translation>
    </message>
    <message>
        <source> (the time zone has no place)</source>
        <translation> (o fuso horário não tem lugar)</translation>
    </message>
    <message>
        <source>S&amp;ky</source>
        <translation>C&amp;éu</translation>
    </message>
    <message>
        <source>&amp;As designed</source>
        <translation>&amp;Como projetado</translation>
    </message>
    <message>
        <source>&amp;True sky for my place</source>
        <translation>O céu &amp;real do meu lugar</translation>
    </message>
    <message>
        <source>&amp;Place...</source>
        <translation>&amp;Lugar...</translation>
    </message>
    <message>
        <source>The true sky at %1.</source>
        <translation>O céu real em %1.</translation>
    </message>
    <message>
        <source>The sky as designed (mean places, local mean time).</source>
        <translation>O céu como projetado (posições médias, hora média local).</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>The computer&apos;s time zone has no place in the zone database: 0° N, 0° E stands in. Choose a city or give your place.</source>
        <translation>O fuso horário do computador não tem lugar no banco de dados de fusos horários: usa-se 0° N, 0° E. Escolha uma cidade ou informe o seu lugar.</translation>
    </message>
    <message>
        <source>Search the cities</source>
        <translation>Pesquisar cidades</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>Cidades</translation>
    </message>
    <message>
        <source>&amp;Latitude (north +):</source>
        <translation>&amp;Latitude (norte +):</translation>
    </message>
    <message>
        <source>L&amp;ongitude (east +):</source>
        <translation>L&amp;ongitude (leste +):</translation>
    </message>
</context>
<context>
    <name>TimeControls</name>
    <message>
        <source>&amp;Go to a moment...</source>
        <translation>Ir para um &amp;momento...</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Agora</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>Pa&amp;usar</translation>
    </message>
    <message>
        <source>One &amp;step</source>
        <translation>Um passo à &amp;frente</translation>
    </message>
    <message>
        <source>The clock is not the computer&apos;s: it was set to %1 and runs on from there (Home goes back to now).</source>
        <translation>O relógio não é o do computador: foi ajustado para %1 e continua a partir daí (Home volta ao momento atual).</translation>
    </message>
</context>
</TS>
