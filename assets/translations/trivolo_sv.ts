<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>CardNames</name>
    <message>
        <source>one %1 %2 square</source>
        <translation>en %1 %2 kvadrat</translation>
    </message>
    <message>
        <source>one %1 %2 circle</source>
        <translation>en %1 %2 cirkel</translation>
    </message>
    <message>
        <source>one %1 %2 triangle</source>
        <translation>en %1 %2 triangel</translation>
    </message>
    <message>
        <source>two %1 %2 squares</source>
        <translation>två %1 %2 kvadrater</translation>
    </message>
    <message>
        <source>two %1 %2 circles</source>
        <translation>två %1 %2 cirklar</translation>
    </message>
    <message>
        <source>two %1 %2 triangles</source>
        <translation>två %1 %2 trianglar</translation>
    </message>
    <message>
        <source>three %1 %2 squares</source>
        <translation>tre %1 %2 kvadrater</translation>
    </message>
    <message>
        <source>three %1 %2 circles</source>
        <translation>tre %1 %2 cirklar</translation>
    </message>
    <message>
        <source>three %1 %2 triangles</source>
        <translation>tre %1 %2 trianglar</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one square</comment>
        <translation>blå</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one circle</comment>
        <translation>blå</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one triangle</comment>
        <translation>blå</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two squares</comment>
        <translation>blå</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two circles</comment>
        <translation>blå</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two triangles</comment>
        <translation>blå</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three squares</comment>
        <translation>blå</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three circles</comment>
        <translation>blå</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three triangles</comment>
        <translation>blå</translation>
    </message>
    <message>
        <source>green</source>
        <comment>one square</comment>
        <translation>grön</translation>
    </message>
    <message>
        <source>green</source>
        <comment>one circle</comment>
        <translation>grön</translation>
    </message>
    <message>
        <source>green</source>
        <comment>one triangle</comment>
        <translation>grön</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two squares</comment>
        <translation>gröna</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two circles</comment>
        <translation>gröna</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two triangles</comment>
        <translation>gröna</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three squares</comment>
        <translation>gröna</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three circles</comment>
        <translation>gröna</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three triangles</comment>
        <translation>gröna</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one square</comment>
        <translation>röd</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one circle</comment>
        <translation>röd</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one triangle</comment>
        <translation>röd</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two squares</comment>
        <translation>röda</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two circles</comment>
        <translation>röda</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two triangles</comment>
        <translation>röda</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three squares</comment>
        <translation>röda</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three circles</comment>
        <translation>röda</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three triangles</comment>
        <translation>röda</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one square</comment>
        <translation>svart</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one circle</comment>
        <translation>svart</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one triangle</comment>
        <translation>svart</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two squares</comment>
        <translation>svarta</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two circles</comment>
        <translation>svarta</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two triangles</comment>
        <translation>svarta</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three squares</comment>
        <translation>svarta</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three circles</comment>
        <translation>svarta</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three triangles</comment>
        <translation>svarta</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one square</comment>
        <translation>orange</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one circle</comment>
        <translation>orange</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one triangle</comment>
        <translation>orange</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two squares</comment>
        <translation>orange</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two circles</comment>
        <translation>orange</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two triangles</comment>
        <translation>orange</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three squares</comment>
        <translation>orange</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three circles</comment>
        <translation>orange</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three triangles</comment>
        <translation>orange</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one square</comment>
        <translation>tom</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one circle</comment>
        <translation>tom</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one triangle</comment>
        <translation>tom</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two squares</comment>
        <translation>tomma</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two circles</comment>
        <translation>tomma</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two triangles</comment>
        <translation>tomma</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three squares</comment>
        <translation>tomma</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three circles</comment>
        <translation>tomma</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three triangles</comment>
        <translation>tomma</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one square</comment>
        <translation>fylld</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one circle</comment>
        <translation>fylld</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one triangle</comment>
        <translation>fylld</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two squares</comment>
        <translation>fyllda</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two circles</comment>
        <translation>fyllda</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two triangles</comment>
        <translation>fyllda</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three squares</comment>
        <translation>fyllda</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three circles</comment>
        <translation>fyllda</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three triangles</comment>
        <translation>fyllda</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one square</comment>
        <translation>streckad</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one circle</comment>
        <translation>streckad</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one triangle</comment>
        <translation>streckad</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two squares</comment>
        <translation>streckade</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two circles</comment>
        <translation>streckade</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two triangles</comment>
        <translation>streckade</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three squares</comment>
        <translation>streckade</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three circles</comment>
        <translation>streckade</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three triangles</comment>
        <translation>streckade</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>no card</comment>
        <translation>tom</translation>
    </message>
</context>
<context>
    <name>ErrorTexts</name>
    <message>
        <source>There is no audio device to play music on.</source>
        <translation>Det finns ingen ljudenhet att spela musik på.</translation>
    </message>
    <message>
        <source>Music needs a General-MIDI soundfont, and none is installed (Debian&apos;s package timgm6mb-soundfont has one).</source>
        <translation>Musiken behöver en General MIDI-ljudbank, men ingen är installerad (Debianpaketet timgm6mb-soundfont innehåller en).</translation>
    </message>
    <message>
        <source>The soundfont &quot;%1&quot; cannot be loaded.</source>
        <translation>Ljudbanken ”%1” kan inte läsas in.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable file.</source>
        <translation>”%1” är ingen läsbar fil.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for a MIDI file.</source>
        <translation>”%1” är för stor för att vara en MIDI-fil.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MIDI file.</source>
        <translation>”%1” är ingen MIDI-fil.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a damaged or truncated MIDI file.</source>
        <translation>”%1” är en skadad eller ofullständig MIDI-fil.</translation>
    </message>
    <message>
        <source>The sound library libtrivolo_audio.so is missing.</source>
        <translation>Ljudbiblioteket libtrivolo_audio.so saknas.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read, because %2. The game starts with its defaults.</source>
        <translation>Inställningsfilen ”%1” kunde inte läsas eftersom %2. Spelet startar med standardinställningarna.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written, because %2. It keeps what it held before; not saved: %3.</source>
        <translation>Inställningsfilen ”%1” kunde inte skrivas eftersom %2. Den behåller sitt tidigare innehåll; inte sparat: %3.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; holds no topic %2.</source>
        <translation>Hjälpfilen ”%1” har inget avsnitt %2.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; is missing.</source>
        <translation>Hjälpfilen ”%1” saknas.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ett oväntat fel inträffade.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>den inte går att läsa</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>den inte är en vanlig fil</translation>
    </message>
    <message>
        <source>it is too large to be a settings file</source>
        <translation>den är för stor för att vara en inställningsfil</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>dess filsystem är skrivskyddat</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>disken är full</translation>
    </message>
    <message>
        <source>another program holds its lock &quot;%1&quot; (or it cannot be read)</source>
        <translation>ett annat program håller dess lås ”%1” (eller så går det inte att läsa)</translation>
    </message>
    <message>
        <source>its folder cannot be written to</source>
        <translation>det inte går att skriva i dess mapp</translation>
    </message>
    <message>
        <source>its lock &quot;%1&quot; cannot be made</source>
        <translation>dess lås ”%1” inte kan skapas</translation>
    </message>
</context>
<context>
    <name>MainTexts</name>
    <message>
        <source>No more SET possible.<byte value="xd"/>You are at the end.</source>
        <translation>Inga fler SET möjliga.<byte value="xd"/>Spelet är slut.</translation>
    </message>
    <message>
        <source>No SET in the deck. Shall I mix up the deck?</source>
        <translation>Inget SET på bordet. Ska jag blanda om?</translation>
    </message>
    <message>
        <source>I want to mix up the remaining cards.</source>
        <translation>Jag vill blanda de kvarvarande korten.</translation>
    </message>
    <message>
        <source>I start again.</source>
        <translation>Jag börjar om.</translation>
    </message>
    <message>
        <source>I need a break.</source>
        <translation>Jag behöver en paus.</translation>
    </message>
    <message>
        <source>Who are the best?</source>
        <translation>Vilka är bäst?</translation>
    </message>
    <message>
        <source>Please show me a SET.</source>
        <translation>Visa mig ett SET, tack.</translation>
    </message>
    <message>
        <source> I want to change the options.</source>
        <translation>Jag vill ändra inställningarna.</translation>
    </message>
    <message>
        <source>Who did these MOLLBERG GAME?</source>
        <translation>Vem har hittat på det här spelet?</translation>
    </message>
    <message>
        <source>What&apos;s to do here?</source>
        <translation>Vad går spelet ut på?</translation>
    </message>
    <message>
        <source>I have enough!</source>
        <translation>Nu räcker det!</translation>
    </message>
    <message>
        <source>Ctrl+</source>
        <comment>the control key, as the keyboard names it</comment>
        <translation>Ctrl+</translation>
    </message>
    <message>
        <source>Key: </source>
        <translation>Tangent: </translation>
    </message>
    <message>
        <source>Practice over: all cards taken in %1.</source>
        <translation>Övningen slut: alla kort tagna på %1.</translation>
    </message>
    <message numerus="yes">
        <source>Practice over: no SET left, %n cards still in play.<byte value="xd"/>Time: %1.</source>
        <translation>
            <numerusform>Övningen slut: inga SET kvar, %n kort kvar i spelet.<byte value="xd"/>Tid: %1.</numerusform>
            <numerusform>Övningen slut: inga SET kvar, %n kort kvar i spelet.<byte value="xd"/>Tid: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>I want to practise: no points, free hints.</source>
        <translation>Jag vill öva: inga poäng, gratis ledtrådar.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <comment>a deal code follows</comment>
        <translation>Giv %1</translation>
    </message>
    <message>
        <source>I want to play a deal again.</source>
        <translation>Jag vill spela en giv igen.</translation>
    </message>
</context>
<context>
    <name>TBoardAccessible</name>
    <message>
        <source>Table</source>
        <comment>the board, for screen readers</comment>
        <translation>Spelbord</translation>
    </message>
</context>
<context>
    <name>TBoardReader</name>
    <message>
        <source>hidden</source>
        <comment>a card while the game is paused</comment>
        <translation>dold</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Poäng: %1</translation>
    </message>
    <message>
        <source>game running</source>
        <translation>spelet pågår</translation>
    </message>
    <message>
        <source>game paused</source>
        <translation>spelet pausat</translation>
    </message>
    <message>
        <source>game over</source>
        <translation>spelet slut</translation>
    </message>
</context>
<context>
    <name>TDealCodeDlg</name>
    <message>
        <source>Play a deal by its code</source>
        <translation>Spela en giv efter dess kod</translation>
    </message>
    <message>
        <source>The deal&apos;s code:</source>
        <translation>Givens kod:</translation>
    </message>
    <message>
        <source>Deal it</source>
        <translation>Ge</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Tillbaka till spelet</translation>
    </message>
    <message>
        <source>That is no deal code. A code has 14 letters and digits, like %1.</source>
        <translation>Det är ingen givkod. En kod har 14 bokstäver och siffror, som %1.</translation>
    </message>
</context>
<context>
    <name>THighscoreDlg</name>
    <message>
        <source>Trivolo - Highscore</source>
        <translation>Trivolo - Topplista</translation>
    </message>
    <message>
        <source>remove all entries</source>
        <translation>töm hela listan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>put in list</source>
        <translation>skriv in i listan</translation>
    </message>
    <message>
        <source>Close the list</source>
        <translation>Stäng listan</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ditt namn</translation>
    </message>
</context>
<context>
    <name>TInfoDlg</name>
    <message>
        <source>Trivolo
Version %1

ein Spiel von Mollberg
a game by Mollberg

Idee, Programm, Grafik und Musik:
Mollberg Spiele

Viel Spaß beim Suchen!
Have fun finding SETs!</source>
        <translation>Trivolo
Version %1

ett spel från Mollberg

Idé, program, grafik och musik:
Mollberg Spiele

Lycka till med SET-jakten!</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Tillbaka till spelet</translation>
    </message>
    <message>
        <source>Statistics (T)</source>
        <translation>Statistik (T)</translation>
    </message>
</context>
<context>
    <name>TOptionDlg</name>
    <message>
        <source>Back to game</source>
        <translation>Tillbaka till spelet</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Inställningar:</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Byt språk</translation>
    </message>
    <message>
        <source>I speak English.</source>
        <translation>Jag talar svenska.</translation>
    </message>
    <message>
        <source>Sound on or off</source>
        <translation>Ljud på eller av</translation>
    </message>
    <message>
        <source>Sound is on.</source>
        <translation>Ljudet är på.</translation>
    </message>
    <message>
        <source>Sound is off.</source>
        <translation>Ljudet är av.</translation>
    </message>
    <message>
        <source>Music on or off.</source>
        <translation>Musik på eller av.</translation>
    </message>
    <message>
        <source>No music files available.</source>
        <translation>Inga musikfiler finns.</translation>
    </message>
    <message>
        <source>Music: </source>
        <translation>Musik: </translation>
    </message>
    <message>
        <source>Music is off.</source>
        <translation>Musiken är av.</translation>
    </message>
    <message>
        <source>Change background</source>
        <translation>Byt bakgrund</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>grå</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>brun</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grön</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blå</translation>
    </message>
    <message>
        <source>red</source>
        <translation>röd</translation>
    </message>
    <message>
        <source>Background: </source>
        <translation>Bakgrund: </translation>
    </message>
    <message>
        <source>Activate/deactivate SET detector</source>
        <translation>Slå på/av SET-detektorn</translation>
    </message>
    <message>
        <source>SETs will be detected.</source>
        <translation>SET-detektorn är på.</translation>
    </message>
    <message>
        <source>SETs won&apos;t be detected.</source>
        <translation>SET-detektorn är av.</translation>
    </message>
    <message>
        <source>Change the symbols&apos; colours</source>
        <translation>Byt symbolernas färger</translation>
    </message>
    <message>
        <source>Colours: easy to tell apart</source>
        <translation>Färger: lätta att skilja åt</translation>
    </message>
    <message>
        <source>Colours: standard</source>
        <translation>Färger: standard</translation>
    </message>
</context>
<context>
    <name>TReviewChart</name>
    <message>
        <source>Seconds per SET</source>
        <translation>Sekunder per SET</translation>
    </message>
    <message>
        <source>break-even %1 s</source>
        <translation>nollpunkt %1 s</translation>
    </message>
    <message>
        <source>No SET. </source>
        <translation>Inget SET. </translation>
    </message>
    <message>
        <source>%1 s: break-even</source>
        <translation>%1 s: nollpunkt</translation>
    </message>
</context>
<context>
    <name>TReviewDlg</name>
    <message>
        <source>Your game</source>
        <translation>Ditt spel</translation>
    </message>
    <message>
        <source>show after every game</source>
        <translation>visa efter varje spel</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Tillbaka till spelet</translation>
    </message>
    <message numerus="yes">
        <source>Score: %1, %n SETs</source>
        <translation>
            <numerusform>Poäng: %1, %n SET</numerusform>
            <numerusform>Poäng: %1, %n SET</numerusform>
        </translation>
    </message>
    <message>
        <source>Your game, a deal played again</source>
        <translation>Ditt spel, en giv spelad igen</translation>
    </message>
</context>
<context>
    <name>TReviewPanel</name>
    <message>
        <source>Score: %1</source>
        <translation>Poäng: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tid: %1</translation>
    </message>
    <message>
        <source>SETs: %1</source>
        <translation>SET: %1</translation>
    </message>
    <message>
        <source>Average: %1 s per SET</source>
        <translation>Snitt: %1 s per SET</translation>
    </message>
    <message>
        <source>Cards left: %1</source>
        <translation>Kort kvar: %1</translation>
    </message>
    <message>
        <source>10 SETs after %1</source>
        <translation>10 SET efter %1</translation>
    </message>
    <message>
        <source>20 SETs after %1</source>
        <translation>20 SET efter %1</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Ledtrådar: %1</translation>
    </message>
    <message>
        <source>Mixes: %1</source>
        <translation>Omblandningar: %1</translation>
    </message>
    <message>
        <source>All cards taken</source>
        <translation>Alla kort tagna</translation>
    </message>
    <message>
        <source>No SET left</source>
        <translation>Inga SET kvar</translation>
    </message>
    <message>
        <source>Slowest SET: %1 s</source>
        <translation>Långsammaste SET: %1 s</translation>
    </message>
</context>
<context>
    <name>TRulePictures</name>
    <message>
        <source>A SET: only the colour differs, everything else is alike.</source>
        <translation>Ett SET: bara färgen skiljer sig, allt annat är lika.</translation>
    </message>
    <message>
        <source>A SET: colour and number differ, shape and fill are alike.</source>
        <translation>Ett SET: färg och antal skiljer sig, form och fyllning är lika.</translation>
    </message>
    <message>
        <source>A SET: colour, shape and fill differ, the number is alike.</source>
        <translation>Ett SET: färg, form och fyllning skiljer sig, antalet är lika.</translation>
    </message>
    <message>
        <source>A SET: all four attributes differ.</source>
        <translation>Ett SET: alla fyra egenskaperna skiljer sig.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same colour, the third has another.</source>
        <translation>Inget SET: två kort har samma färg, det tredje en annan.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same shape, the third has another.</source>
        <translation>Inget SET: två kort har samma form, det tredje en annan.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same fill, the third has another.</source>
        <translation>Inget SET: två kort har samma fyllning, det tredje en annan.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same number of symbols, the third has another.</source>
        <translation>Inget SET: två kort har samma antal symboler, det tredje ett annat.</translation>
    </message>
    <message>
        <source>The cards: %1.</source>
        <translation>Korten: %1.</translation>
    </message>
    <message>
        <source>Worked out: shape and fill are alike, colour and number differ.</source>
        <translation>Uträknat: form och fyllning är lika, färg och antal skiljer sig.</translation>
    </message>
    <message>
        <source>3 cards × %1 = %2 points</source>
        <translation>3 kort × %1 = %2 poäng</translation>
    </message>
    <message>
        <source>2 attributes alike × %1 = %2 points</source>
        <translation>2 lika egenskaper × %1 = %2 poäng</translation>
    </message>
    <message>
        <source>2 attributes different × %1 = %2 points</source>
        <translation>2 olika egenskaper × %1 = %2 poäng</translation>
    </message>
    <message>
        <source>With the SET detector on: %1 + %2 = %3 points</source>
        <translation>Med SET-detektorn: %1 + %2 = %3 poäng</translation>
    </message>
    <message>
        <source>With the SET detector off the bonus counts twice: %1 + 2 × %2 = %3 points</source>
        <translation>Utan SET-detektorn räknas bonusen dubbelt: %1 + 2 × %2 = %3 poäng</translation>
    </message>
    <message>
        <source>The buttons, each with its key: the bar above the cards, left and right, then the practice game&apos;s button left of the cards.</source>
        <translation>Knapparna, var och en med sin tangent: raden ovanför korten, till vänster och höger, sedan övningsspelets knapp till vänster om korten.</translation>
    </message>
</context>
<context>
    <name>TStatsDlg</name>
    <message>
        <source>Played to the end: %1</source>
        <translation>Färdigspelade: %1</translation>
    </message>
    <message>
        <source>Abandoned: %1</source>
        <translation>Avbrutna: %1</translation>
    </message>
    <message>
        <source>SETs: %1</source>
        <translation>SET: %1</translation>
    </message>
    <message>
        <source>Time played: %1</source>
        <translation>Speltid: %1</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Bästa poäng: %1</translation>
    </message>
    <message>
        <source>Fastest game: %1</source>
        <translation>Snabbaste spel: %1</translation>
    </message>
    <message>
        <source>Best average: %1 s per SET</source>
        <translation>Bästa snitt: %1 s per SET</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Ledtrådar: %1</translation>
    </message>
    <message>
        <source>Mixes: %1</source>
        <translation>Omblandningar: %1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>reset statistics</source>
        <translation>nollställ statistiken</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Tillbaka till spelet</translation>
    </message>
    <message>
        <source>Last game</source>
        <translation>Senaste spel</translation>
    </message>
    <message>
        <source>Last game: none played to its end yet</source>
        <translation>Senaste spel: inget färdigspelat än</translation>
    </message>
    <message>
        <source>Delete all statistics?</source>
        <translation>Radera all statistik?</translation>
    </message>
    <message>
        <source>Last game, a deal played again</source>
        <translation>Senaste spel, en giv spelad igen</translation>
    </message>
</context>
<context>
    <name>TYesNoDlg</name>
    <message>
        <source>Hurrah, you did it!</source>
        <translation>Hurra, du klarade det!</translation>
    </message>
    <message>
        <source>Do you really want to give up the level?</source>
        <translation>Vill du verkligen ge upp nivån?</translation>
    </message>
    <message>
        <source>Do you really want to go?</source>
        <translation>Vill du verkligen sluta redan?</translation>
    </message>
    <message>
        <source>Do you really want to give up the game?</source>
        <translation>Vill du verkligen ge upp spelet?</translation>
    </message>
    <message>
        <source>Sorry, you weren&apos;t quick enough!</source>
        <translation>Tyvärr, du var inte snabb nog!</translation>
    </message>
    <message>
        <source>Congratulation, you solved all levels.</source>
        <translation>Grattis, du har klarat alla nivåer.</translation>
    </message>
    <message>
        <source>Sorry, game over!</source>
        <translation>Tyvärr, spelet är slut!</translation>
    </message>
    <message>
        <source>The next level is waiting!</source>
        <translation>Nästa nivå väntar!</translation>
    </message>
    <message>
        <source>Sorry, that was it!</source>
        <translation>Tyvärr, du förlorade!</translation>
    </message>
    <message>
        <source>Game paused.<byte value="xd"/>Continue?</source>
        <translation>Spelet är pausat.<byte value="xd"/>Fortsätta?</translation>
    </message>
    <message>
        <source>That was it!<byte value="xd"/>Repeat level?</source>
        <translation>Slut!<byte value="xd"/>Spela nivån igen?</translation>
    </message>
    <message>
        <source>Hurrah, you made it!<byte value="xd"/>Continue with next level?</source>
        <translation>Hurra, du klarade det!<byte value="xd"/>Fortsätta med nästa nivå?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
</context>
<context>
    <name>Tmainform</name>
    <message>
        <source>Score:</source>
        <translation>Poäng:</translation>
    </message>
    <message>
        <source>New here? The rules show the SETs in pictures, and a practice game (%1) counts no points.</source>
        <translation>Ny här? Reglerna visar SET i bilder, och ett övningsspel (%1) räknar inga poäng.</translation>
    </message>
    <message>
        <source>Practice, seconds:</source>
        <translation>Övning, sekunder:</translation>
    </message>
    <message>
        <source>SETs on the table: %1</source>
        <translation>SET på bordet: %1</translation>
    </message>
    <message>
        <source>Practice, time played: %1, SETs on the table: %2</source>
        <translation>Övning, speltid: %1, SET på bordet: %2</translation>
    </message>
    <message>
        <source>Play this deal again</source>
        <translation>Spela den här given igen</translation>
    </message>
    <message>
        <source>Play a deal by its code…</source>
        <translation>Spela en giv efter dess kod…</translation>
    </message>
</context>
<context>
    <name>WrongPick</name>
    <message>
        <source>colour two alike, one different</source>
        <translation>färg två lika, en olik</translation>
    </message>
    <message>
        <source>shape two alike, one different</source>
        <translation>form två lika, en olik</translation>
    </message>
    <message>
        <source>number two alike, one different</source>
        <translation>antal två lika, ett olikt</translation>
    </message>
    <message>
        <source>fill two alike, one different</source>
        <translation>fyllning två lika, en olik</translation>
    </message>
    <message>
        <source>Not a SET: </source>
        <translation>Inget SET: </translation>
    </message>
</context>
</TS>
