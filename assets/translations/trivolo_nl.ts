<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CardNames</name>
    <message>
        <source>one %1 %2 square</source>
        <translation>een %1 %2 vierkant</translation>
    </message>
    <message>
        <source>one %1 %2 circle</source>
        <translation>een %1 %2 cirkel</translation>
    </message>
    <message>
        <source>one %1 %2 triangle</source>
        <translation>een %1 %2 driehoek</translation>
    </message>
    <message>
        <source>two %1 %2 squares</source>
        <translation>twee %1 %2 vierkanten</translation>
    </message>
    <message>
        <source>two %1 %2 circles</source>
        <translation>twee %1 %2 cirkels</translation>
    </message>
    <message>
        <source>two %1 %2 triangles</source>
        <translation>twee %1 %2 driehoeken</translation>
    </message>
    <message>
        <source>three %1 %2 squares</source>
        <translation>drie %1 %2 vierkanten</translation>
    </message>
    <message>
        <source>three %1 %2 circles</source>
        <translation>drie %1 %2 cirkels</translation>
    </message>
    <message>
        <source>three %1 %2 triangles</source>
        <translation>drie %1 %2 driehoeken</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one square</comment>
        <translation>blauw</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one circle</comment>
        <translation>blauwe</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one triangle</comment>
        <translation>blauwe</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two squares</comment>
        <translation>blauwe</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two circles</comment>
        <translation>blauwe</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two triangles</comment>
        <translation>blauwe</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three squares</comment>
        <translation>blauwe</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three circles</comment>
        <translation>blauwe</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three triangles</comment>
        <translation>blauwe</translation>
    </message>
    <message>
        <source>green</source>
        <comment>one square</comment>
        <translation>groen</translation>
    </message>
    <message>
        <source>green</source>
        <comment>one circle</comment>
        <translation>groene</translation>
    </message>
    <message>
        <source>green</source>
        <comment>one triangle</comment>
        <translation>groene</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two squares</comment>
        <translation>groene</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two circles</comment>
        <translation>groene</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two triangles</comment>
        <translation>groene</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three squares</comment>
        <translation>groene</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three circles</comment>
        <translation>groene</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three triangles</comment>
        <translation>groene</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one square</comment>
        <translation>rood</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one circle</comment>
        <translation>rode</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one triangle</comment>
        <translation>rode</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two squares</comment>
        <translation>rode</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two circles</comment>
        <translation>rode</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two triangles</comment>
        <translation>rode</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three squares</comment>
        <translation>rode</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three circles</comment>
        <translation>rode</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three triangles</comment>
        <translation>rode</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one square</comment>
        <translation>zwart</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one circle</comment>
        <translation>zwarte</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one triangle</comment>
        <translation>zwarte</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two squares</comment>
        <translation>zwarte</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two circles</comment>
        <translation>zwarte</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two triangles</comment>
        <translation>zwarte</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three squares</comment>
        <translation>zwarte</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three circles</comment>
        <translation>zwarte</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three triangles</comment>
        <translation>zwarte</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one square</comment>
        <translation>oranje</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one circle</comment>
        <translation>oranje</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one triangle</comment>
        <translation>oranje</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two squares</comment>
        <translation>oranje</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two circles</comment>
        <translation>oranje</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two triangles</comment>
        <translation>oranje</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three squares</comment>
        <translation>oranje</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three circles</comment>
        <translation>oranje</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three triangles</comment>
        <translation>oranje</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one square</comment>
        <translation>leeg</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one circle</comment>
        <translation>lege</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one triangle</comment>
        <translation>lege</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two squares</comment>
        <translation>lege</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two circles</comment>
        <translation>lege</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two triangles</comment>
        <translation>lege</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three squares</comment>
        <translation>lege</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three circles</comment>
        <translation>lege</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three triangles</comment>
        <translation>lege</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one square</comment>
        <translation>gevuld</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one circle</comment>
        <translation>gevulde</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one triangle</comment>
        <translation>gevulde</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two squares</comment>
        <translation>gevulde</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two circles</comment>
        <translation>gevulde</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two triangles</comment>
        <translation>gevulde</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three squares</comment>
        <translation>gevulde</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three circles</comment>
        <translation>gevulde</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three triangles</comment>
        <translation>gevulde</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one square</comment>
        <translation>gearceerd</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one circle</comment>
        <translation>gearceerde</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one triangle</comment>
        <translation>gearceerde</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two squares</comment>
        <translation>gearceerde</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two circles</comment>
        <translation>gearceerde</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two triangles</comment>
        <translation>gearceerde</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three squares</comment>
        <translation>gearceerde</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three circles</comment>
        <translation>gearceerde</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three triangles</comment>
        <translation>gearceerde</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>no card</comment>
        <translation>leeg</translation>
    </message>
</context>
<context>
    <name>ErrorTexts</name>
    <message>
        <source>There is no audio device to play music on.</source>
        <translation>Er is geen audioapparaat om muziek op af te spelen.</translation>
    </message>
    <message>
        <source>Music needs a General-MIDI soundfont, and none is installed (Debian&apos;s package timgm6mb-soundfont has one).</source>
        <translation>Voor de muziek is een General-MIDI-soundfont nodig, maar er is er geen geïnstalleerd (het Debian-pakket timgm6mb-soundfont bevat er een).</translation>
    </message>
    <message>
        <source>The soundfont &quot;%1&quot; cannot be loaded.</source>
        <translation>De soundfont ‘%1’ kan niet worden geladen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable file.</source>
        <translation>‘%1’ is geen leesbaar bestand.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for a MIDI file.</source>
        <translation>‘%1’ is te groot voor een MIDI-bestand.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MIDI file.</source>
        <translation>‘%1’ is geen MIDI-bestand.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a damaged or truncated MIDI file.</source>
        <translation>‘%1’ is een beschadigd of onvolledig MIDI-bestand.</translation>
    </message>
    <message>
        <source>The sound library libtrivolo_audio.so is missing.</source>
        <translation>De geluidsbibliotheek libtrivolo_audio.so ontbreekt.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read, because %2. The game starts with its defaults.</source>
        <translation>Het instellingenbestand ‘%1’ kon niet worden gelezen, omdat %2. Het spel start met de standaardinstellingen.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written, because %2. It keeps what it held before; not saved: %3.</source>
        <translation>Het instellingenbestand ‘%1’ kon niet worden geschreven, omdat %2. Het behoudt de vorige inhoud; niet opgeslagen: %3.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; holds no topic %2.</source>
        <translation>Het helpbestand ‘%1’ bevat geen onderwerp %2.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; is missing.</source>
        <translation>Het helpbestand ‘%1’ ontbreekt.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Er is een onverwachte fout opgetreden.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>het niet leesbaar is</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het geen gewoon bestand is</translation>
    </message>
    <message>
        <source>it is too large to be a settings file</source>
        <translation>het te groot is voor een instellingenbestand</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>het bestandssysteem alleen-lezen is</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>de schijf vol is</translation>
    </message>
    <message>
        <source>another program holds its lock &quot;%1&quot; (or it cannot be read)</source>
        <translation>een ander programma de vergrendeling ‘%1’ vasthoudt (of die niet leesbaar is)</translation>
    </message>
    <message>
        <source>its folder cannot be written to</source>
        <translation>er niet in de map geschreven kan worden</translation>
    </message>
    <message>
        <source>its lock &quot;%1&quot; cannot be made</source>
        <translation>de vergrendeling ‘%1’ niet kan worden aangemaakt</translation>
    </message>
</context>
<context>
    <name>MainTexts</name>
    <message>
        <source>No more SET possible.<byte value="xd"/>You are at the end.</source>
        <translation>Geen SET meer mogelijk.<byte value="xd"/>Het spel is uit.</translation>
    </message>
    <message>
        <source>No SET in the deck. Shall I mix up the deck?</source>
        <translation>Geen SET op tafel. Zal ik de kaarten schudden?</translation>
    </message>
    <message>
        <source>I want to mix up the remaining cards.</source>
        <translation>Ik wil de overgebleven kaarten schudden.</translation>
    </message>
    <message>
        <source>I start again.</source>
        <translation>Ik begin opnieuw.</translation>
    </message>
    <message>
        <source>I need a break.</source>
        <translation>Ik heb even pauze nodig.</translation>
    </message>
    <message>
        <source>Who are the best?</source>
        <translation>Wie zijn de besten?</translation>
    </message>
    <message>
        <source>Please show me a SET.</source>
        <translation>Laat me alsjeblieft een SET zien.</translation>
    </message>
    <message>
        <source> I want to change the options.</source>
        <translation>Ik wil de instellingen wijzigen.</translation>
    </message>
    <message>
        <source>Who did these MOLLBERG GAME?</source>
        <translation>Wie heeft dit spel bedacht?</translation>
    </message>
    <message>
        <source>What&apos;s to do here?</source>
        <translation>Wat moet ik hier doen?</translation>
    </message>
    <message>
        <source>I have enough!</source>
        <translation>Ik heb er genoeg van!</translation>
    </message>
    <message>
        <source>Ctrl+</source>
        <comment>the control key, as the keyboard names it</comment>
        <translation>Ctrl+</translation>
    </message>
    <message>
        <source>Key: </source>
        <translation>Toets: </translation>
    </message>
    <message>
        <source>Practice over: all cards taken in %1.</source>
        <translation>Oefening voorbij: alle kaarten genomen in %1.</translation>
    </message>
    <message numerus="yes">
        <source>Practice over: no SET left, %n cards still in play.<byte value="xd"/>Time: %1.</source>
        <translation>
            <numerusform>Oefening voorbij: geen SET meer, %n kaart nog in het spel.<byte value="xd"/>Tijd: %1.</numerusform>
            <numerusform>Oefening voorbij: geen SET meer, %n kaarten nog in het spel.<byte value="xd"/>Tijd: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>I want to practise: no points, free hints.</source>
        <translation>Ik wil oefenen: geen punten, gratis hints.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <comment>a deal code follows</comment>
        <translation>Spel %1</translation>
    </message>
    <message>
        <source>I want to play a deal again.</source>
        <translation>Ik wil een spel opnieuw spelen.</translation>
    </message>
</context>
<context>
    <name>TBoardAccessible</name>
    <message>
        <source>Table</source>
        <comment>the board, for screen readers</comment>
        <translation>Speeltafel</translation>
    </message>
</context>
<context>
    <name>TBoardReader</name>
    <message>
        <source>hidden</source>
        <comment>a card while the game is paused</comment>
        <translation>verborgen</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punten: %1</translation>
    </message>
    <message>
        <source>game running</source>
        <translation>spel loopt</translation>
    </message>
    <message>
        <source>game paused</source>
        <translation>spel gepauzeerd</translation>
    </message>
    <message>
        <source>game over</source>
        <translation>spel voorbij</translation>
    </message>
</context>
<context>
    <name>TDealCodeDlg</name>
    <message>
        <source>Play a deal by its code</source>
        <translation>Een spel spelen met zijn code</translation>
    </message>
    <message>
        <source>The deal&apos;s code:</source>
        <translation>De code van het spel:</translation>
    </message>
    <message>
        <source>Deal it</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Terug naar het spel</translation>
    </message>
    <message>
        <source>That is no deal code. A code has 14 letters and digits, like %1.</source>
        <translation>Dat is geen spelcode. Een code heeft 14 letters en cijfers, zoals %1.</translation>
    </message>
</context>
<context>
    <name>THighscoreDlg</name>
    <message>
        <source>Trivolo - Highscore</source>
        <translation>Trivolo - Topscores</translation>
    </message>
    <message>
        <source>remove all entries</source>
        <translation>hele lijst wissen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>put in list</source>
        <translation>in de lijst zetten</translation>
    </message>
    <message>
        <source>Close the list</source>
        <translation>Lijst sluiten</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Je naam</translation>
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
Versie %1

een spel van Mollberg

Idee, programma, grafiek en muziek:
Mollberg Spiele

Veel plezier met SETs zoeken!</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Terug naar het spel</translation>
    </message>
    <message>
        <source>Statistics (T)</source>
        <translation>Statistieken (T)</translation>
    </message>
</context>
<context>
    <name>TOptionDlg</name>
    <message>
        <source>Back to game</source>
        <translation>Terug naar het spel</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Instellingen:</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Taal wijzigen</translation>
    </message>
    <message>
        <source>I speak English.</source>
        <translation>Ik spreek Nederlands.</translation>
    </message>
    <message>
        <source>Sound on or off</source>
        <translation>Geluid aan of uit</translation>
    </message>
    <message>
        <source>Sound is on.</source>
        <translation>Geluid staat aan.</translation>
    </message>
    <message>
        <source>Sound is off.</source>
        <translation>Geluid staat uit.</translation>
    </message>
    <message>
        <source>Music on or off.</source>
        <translation>Muziek aan of uit.</translation>
    </message>
    <message>
        <source>No music files available.</source>
        <translation>Geen muziekbestanden beschikbaar.</translation>
    </message>
    <message>
        <source>Music: </source>
        <translation>Muziek: </translation>
    </message>
    <message>
        <source>Music is off.</source>
        <translation>Muziek staat uit.</translation>
    </message>
    <message>
        <source>Change background</source>
        <translation>Achtergrond wijzigen</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>grijs</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>bruin</translation>
    </message>
    <message>
        <source>green</source>
        <translation>groen</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blauw</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rood</translation>
    </message>
    <message>
        <source>Background: </source>
        <translation>Achtergrond: </translation>
    </message>
    <message>
        <source>Activate/deactivate SET detector</source>
        <translation>SET-detector aan- of uitzetten</translation>
    </message>
    <message>
        <source>SETs will be detected.</source>
        <translation>SET-detector staat aan.</translation>
    </message>
    <message>
        <source>SETs won&apos;t be detected.</source>
        <translation>SET-detector staat uit.</translation>
    </message>
    <message>
        <source>Change the symbols&apos; colours</source>
        <translation>Kleuren van de symbolen wijzigen</translation>
    </message>
    <message>
        <source>Colours: easy to tell apart</source>
        <translation>Kleuren: goed te onderscheiden</translation>
    </message>
    <message>
        <source>Colours: standard</source>
        <translation>Kleuren: standaard</translation>
    </message>
</context>
<context>
    <name>TReviewChart</name>
    <message>
        <source>Seconds per SET</source>
        <translation>Seconden per SET</translation>
    </message>
    <message>
        <source>break-even %1 s</source>
        <translation>break-even %1 s</translation>
    </message>
    <message>
        <source>No SET. </source>
        <translation>Geen SET. </translation>
    </message>
    <message>
        <source>%1 s: break-even</source>
        <translation>%1 s: break-even</translation>
    </message>
</context>
<context>
    <name>TReviewDlg</name>
    <message>
        <source>Your game</source>
        <translation>Jouw spel</translation>
    </message>
    <message>
        <source>show after every game</source>
        <translation>na elk spel tonen</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Terug naar het spel</translation>
    </message>
    <message numerus="yes">
        <source>Score: %1, %n SETs</source>
        <translation>
            <numerusform>Punten: %1, %n SET</numerusform>
            <numerusform>Punten: %1, %n SETs</numerusform>
        </translation>
    </message>
    <message>
        <source>Your game, a deal played again</source>
        <translation>Jouw spel, een spel opnieuw gespeeld</translation>
    </message>
</context>
<context>
    <name>TReviewPanel</name>
    <message>
        <source>Score: %1</source>
        <translation>Punten: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tijd: %1</translation>
    </message>
    <message>
        <source>SETs: %1</source>
        <translation>SETs: %1</translation>
    </message>
    <message>
        <source>Average: %1 s per SET</source>
        <translation>Gemiddeld: %1 s per SET</translation>
    </message>
    <message>
        <source>Cards left: %1</source>
        <translation>Kaarten over: %1</translation>
    </message>
    <message>
        <source>10 SETs after %1</source>
        <translation>10 SETs na %1</translation>
    </message>
    <message>
        <source>20 SETs after %1</source>
        <translation>20 SETs na %1</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Hints: %1</translation>
    </message>
    <message>
        <source>Mixes: %1</source>
        <translation>Geschud: %1</translation>
    </message>
    <message>
        <source>All cards taken</source>
        <translation>Alle kaarten weg</translation>
    </message>
    <message>
        <source>No SET left</source>
        <translation>Geen SET meer</translation>
    </message>
    <message>
        <source>Slowest SET: %1 s</source>
        <translation>Langzaamste SET: %1 s</translation>
    </message>
</context>
<context>
    <name>TRulePictures</name>
    <message>
        <source>A SET: only the colour differs, everything else is alike.</source>
        <translation>Een SET: alleen de kleur verschilt, al het andere is gelijk.</translation>
    </message>
    <message>
        <source>A SET: colour and number differ, shape and fill are alike.</source>
        <translation>Een SET: kleur en aantal verschillen, vorm en vulling zijn gelijk.</translation>
    </message>
    <message>
        <source>A SET: colour, shape and fill differ, the number is alike.</source>
        <translation>Een SET: kleur, vorm en vulling verschillen, het aantal is gelijk.</translation>
    </message>
    <message>
        <source>A SET: all four attributes differ.</source>
        <translation>Een SET: alle vier de eigenschappen verschillen.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same colour, the third has another.</source>
        <translation>Geen SET: twee kaarten hebben dezelfde kleur, de derde een andere.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same shape, the third has another.</source>
        <translation>Geen SET: twee kaarten hebben dezelfde vorm, de derde een andere.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same fill, the third has another.</source>
        <translation>Geen SET: twee kaarten hebben dezelfde vulling, de derde een andere.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same number of symbols, the third has another.</source>
        <translation>Geen SET: twee kaarten hebben hetzelfde aantal symbolen, de derde een ander.</translation>
    </message>
    <message>
        <source>The cards: %1.</source>
        <translation>De kaarten: %1.</translation>
    </message>
    <message>
        <source>Worked out: shape and fill are alike, colour and number differ.</source>
        <translation>Uitgerekend: vorm en vulling zijn gelijk, kleur en aantal verschillen.</translation>
    </message>
    <message>
        <source>3 cards × %1 = %2 points</source>
        <translation>3 kaarten × %1 = %2 punten</translation>
    </message>
    <message>
        <source>2 attributes alike × %1 = %2 points</source>
        <translation>2 gelijke eigenschappen × %1 = %2 punten</translation>
    </message>
    <message>
        <source>2 attributes different × %1 = %2 points</source>
        <translation>2 verschillende eigenschappen × %1 = %2 punten</translation>
    </message>
    <message>
        <source>With the SET detector on: %1 + %2 = %3 points</source>
        <translation>Met de SET-detector: %1 + %2 = %3 punten</translation>
    </message>
    <message>
        <source>With the SET detector off the bonus counts twice: %1 + 2 × %2 = %3 points</source>
        <translation>Zonder de SET-detector telt de bonus dubbel: %1 + 2 × %2 = %3 punten</translation>
    </message>
    <message>
        <source>The buttons, each with its key: the bar above the cards, left and right, then the practice game&apos;s button left of the cards.</source>
        <translation>De knoppen, elk met zijn toets: de balk boven de kaarten, links en rechts, dan de knop van het oefenspel links van de kaarten.</translation>
    </message>
</context>
<context>
    <name>TStatsDlg</name>
    <message>
        <source>Played to the end: %1</source>
        <translation>Uitgespeeld: %1</translation>
    </message>
    <message>
        <source>Abandoned: %1</source>
        <translation>Afgebroken: %1</translation>
    </message>
    <message>
        <source>SETs: %1</source>
        <translation>SETs: %1</translation>
    </message>
    <message>
        <source>Time played: %1</source>
        <translation>Speeltijd: %1</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Beste score: %1</translation>
    </message>
    <message>
        <source>Fastest game: %1</source>
        <translation>Snelste spel: %1</translation>
    </message>
    <message>
        <source>Best average: %1 s per SET</source>
        <translation>Beste gemiddelde: %1 s/SET</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Hints: %1</translation>
    </message>
    <message>
        <source>Mixes: %1</source>
        <translation>Geschud: %1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>reset statistics</source>
        <translation>statistieken wissen</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Terug naar het spel</translation>
    </message>
    <message>
        <source>Last game</source>
        <translation>Laatste spel</translation>
    </message>
    <message>
        <source>Last game: none played to its end yet</source>
        <translation>Laatste spel: nog geen enkel uitgespeeld</translation>
    </message>
    <message>
        <source>Delete all statistics?</source>
        <translation>Alle statistieken wissen?</translation>
    </message>
    <message>
        <source>Last game, a deal played again</source>
        <translation>Laatste spel, een spel opnieuw gespeeld</translation>
    </message>
</context>
<context>
    <name>TYesNoDlg</name>
    <message>
        <source>Hurrah, you did it!</source>
        <translation>Hoera, het is gelukt!</translation>
    </message>
    <message>
        <source>Do you really want to give up the level?</source>
        <translation>Wil je dit niveau echt opgeven?</translation>
    </message>
    <message>
        <source>Do you really want to go?</source>
        <translation>Wil je echt al stoppen?</translation>
    </message>
    <message>
        <source>Do you really want to give up the game?</source>
        <translation>Wil je het spel echt opgeven?</translation>
    </message>
    <message>
        <source>Sorry, you weren&apos;t quick enough!</source>
        <translation>Helaas, je was niet snel genoeg!</translation>
    </message>
    <message>
        <source>Congratulation, you solved all levels.</source>
        <translation>Gefeliciteerd, je hebt alle niveaus opgelost.</translation>
    </message>
    <message>
        <source>Sorry, game over!</source>
        <translation>Helaas, het spel is uit!</translation>
    </message>
    <message>
        <source>The next level is waiting!</source>
        <translation>Het volgende niveau wacht!</translation>
    </message>
    <message>
        <source>Sorry, that was it!</source>
        <translation>Helaas, je hebt verloren!</translation>
    </message>
    <message>
        <source>Game paused.<byte value="xd"/>Continue?</source>
        <translation>Spel gepauzeerd.<byte value="xd"/>Verdergaan?</translation>
    </message>
    <message>
        <source>That was it!<byte value="xd"/>Repeat level?</source>
        <translation>Dat was het!<byte value="xd"/>Niveau herhalen?</translation>
    </message>
    <message>
        <source>Hurrah, you made it!<byte value="xd"/>Continue with next level?</source>
        <translation>Hoera, gelukt!<byte value="xd"/>Doorgaan met het volgende niveau?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
</context>
<context>
    <name>Tmainform</name>
    <message>
        <source>Score:</source>
        <translation>Punten:</translation>
    </message>
    <message>
        <source>New here? The rules show the SETs in pictures, and a practice game (%1) counts no points.</source>
        <translation>Nieuw hier? De spelregels tonen de SETs in plaatjes, en een oefenspel (%1) telt geen punten.</translation>
    </message>
    <message>
        <source>Practice, seconds:</source>
        <translation>Oefening, seconden:</translation>
    </message>
    <message>
        <source>SETs on the table: %1</source>
        <translation>SETs op tafel: %1</translation>
    </message>
    <message>
        <source>Practice, time played: %1, SETs on the table: %2</source>
        <translation>Oefening, speeltijd: %1, SETs op tafel: %2</translation>
    </message>
    <message>
        <source>Play this deal again</source>
        <translation>Dit spel opnieuw spelen</translation>
    </message>
    <message>
        <source>Play a deal by its code…</source>
        <translation>Een spel spelen met zijn code…</translation>
    </message>
</context>
<context>
    <name>WrongPick</name>
    <message>
        <source>colour two alike, one different</source>
        <translation>kleur twee gelijk, één anders</translation>
    </message>
    <message>
        <source>shape two alike, one different</source>
        <translation>vorm twee gelijk, één anders</translation>
    </message>
    <message>
        <source>number two alike, one different</source>
        <translation>aantal twee gelijk, één anders</translation>
    </message>
    <message>
        <source>fill two alike, one different</source>
        <translation>vulling twee gelijk, één anders</translation>
    </message>
    <message>
        <source>Not a SET: </source>
        <translation>Geen SET: </translation>
    </message>
</context>
</TS>
