<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CardNames</name>
    <message>
        <source>one %1 %2 square</source>
        <translation>ein %1 %2 Quadrat</translation>
    </message>
    <message>
        <source>one %1 %2 circle</source>
        <translation>ein %1 %2 Kreis</translation>
    </message>
    <message>
        <source>one %1 %2 triangle</source>
        <translation>ein %1 %2 Dreieck</translation>
    </message>
    <message>
        <source>two %1 %2 squares</source>
        <translation>zwei %1 %2 Quadrate</translation>
    </message>
    <message>
        <source>two %1 %2 circles</source>
        <translation>zwei %1 %2 Kreise</translation>
    </message>
    <message>
        <source>two %1 %2 triangles</source>
        <translation>zwei %1 %2 Dreiecke</translation>
    </message>
    <message>
        <source>three %1 %2 squares</source>
        <translation>drei %1 %2 Quadrate</translation>
    </message>
    <message>
        <source>three %1 %2 circles</source>
        <translation>drei %1 %2 Kreise</translation>
    </message>
    <message>
        <source>three %1 %2 triangles</source>
        <translation>drei %1 %2 Dreiecke</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one square</comment>
        <translation>blaues</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one circle</comment>
        <translation>blauer</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one triangle</comment>
        <translation>blaues</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two squares</comment>
        <translation>blaue</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two circles</comment>
        <translation>blaue</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two triangles</comment>
        <translation>blaue</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three squares</comment>
        <translation>blaue</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three circles</comment>
        <translation>blaue</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three triangles</comment>
        <translation>blaue</translation>
    </message>
    <message>
        <source>green</source>
        <comment>one square</comment>
        <translation>grünes</translation>
    </message>
    <message>
        <source>green</source>
        <comment>one circle</comment>
        <translation>grüner</translation>
    </message>
    <message>
        <source>green</source>
        <comment>one triangle</comment>
        <translation>grünes</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two squares</comment>
        <translation>grüne</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two circles</comment>
        <translation>grüne</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two triangles</comment>
        <translation>grüne</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three squares</comment>
        <translation>grüne</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three circles</comment>
        <translation>grüne</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three triangles</comment>
        <translation>grüne</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one square</comment>
        <translation>rotes</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one circle</comment>
        <translation>roter</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one triangle</comment>
        <translation>rotes</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two squares</comment>
        <translation>rote</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two circles</comment>
        <translation>rote</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two triangles</comment>
        <translation>rote</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three squares</comment>
        <translation>rote</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three circles</comment>
        <translation>rote</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three triangles</comment>
        <translation>rote</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one square</comment>
        <translation>schwarzes</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one circle</comment>
        <translation>schwarzer</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one triangle</comment>
        <translation>schwarzes</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two squares</comment>
        <translation>schwarze</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two circles</comment>
        <translation>schwarze</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two triangles</comment>
        <translation>schwarze</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three squares</comment>
        <translation>schwarze</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three circles</comment>
        <translation>schwarze</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three triangles</comment>
        <translation>schwarze</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one square</comment>
        <translation>orangefarbenes</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one circle</comment>
        <translation>orangefarbener</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one triangle</comment>
        <translation>orangefarbenes</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two squares</comment>
        <translation>orangefarbene</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two circles</comment>
        <translation>orangefarbene</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two triangles</comment>
        <translation>orangefarbene</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three squares</comment>
        <translation>orangefarbene</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three circles</comment>
        <translation>orangefarbene</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three triangles</comment>
        <translation>orangefarbene</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one square</comment>
        <translation>leeres</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one circle</comment>
        <translation>leerer</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one triangle</comment>
        <translation>leeres</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two squares</comment>
        <translation>leere</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two circles</comment>
        <translation>leere</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two triangles</comment>
        <translation>leere</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three squares</comment>
        <translation>leere</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three circles</comment>
        <translation>leere</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three triangles</comment>
        <translation>leere</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one square</comment>
        <translation>gefülltes</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one circle</comment>
        <translation>gefüllter</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one triangle</comment>
        <translation>gefülltes</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two squares</comment>
        <translation>gefüllte</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two circles</comment>
        <translation>gefüllte</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two triangles</comment>
        <translation>gefüllte</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three squares</comment>
        <translation>gefüllte</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three circles</comment>
        <translation>gefüllte</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three triangles</comment>
        <translation>gefüllte</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one square</comment>
        <translation>schraffiertes</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one circle</comment>
        <translation>schraffierter</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one triangle</comment>
        <translation>schraffiertes</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two squares</comment>
        <translation>schraffierte</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two circles</comment>
        <translation>schraffierte</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two triangles</comment>
        <translation>schraffierte</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three squares</comment>
        <translation>schraffierte</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three circles</comment>
        <translation>schraffierte</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three triangles</comment>
        <translation>schraffierte</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>no card</comment>
        <translation>leer</translation>
    </message>
</context>
<context>
    <name>ErrorTexts</name>
    <message>
        <source>There is no audio device to play music on.</source>
        <translation>Es gibt kein Audiogerät, auf dem Musik spielen könnte.</translation>
    </message>
    <message>
        <source>Music needs a General-MIDI soundfont, and none is installed (Debian&apos;s package timgm6mb-soundfont has one).</source>
        <translation>Für die Musik fehlt eine General-MIDI-Soundfont (Debians Paket timgm6mb-soundfont enthält eine).</translation>
    </message>
    <message>
        <source>The soundfont &quot;%1&quot; cannot be loaded.</source>
        <translation>Die Soundfont &quot;%1&quot; lässt sich nicht laden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable file.</source>
        <translation>&quot;%1&quot; ist keine lesbare Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for a MIDI file.</source>
        <translation>&quot;%1&quot; ist zu groß für eine MIDI-Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MIDI file.</source>
        <translation>&quot;%1&quot; ist keine MIDI-Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a damaged or truncated MIDI file.</source>
        <translation>&quot;%1&quot; ist eine beschädigte oder unvollständige MIDI-Datei.</translation>
    </message>
    <message>
        <source>The sound library libtrivolo_audio.so is missing.</source>
        <translation>Die Klangbibliothek libtrivolo_audio.so fehlt.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read, because %2. The game starts with its defaults.</source>
        <translation>Die Einstellungsdatei &quot;%1&quot; ließ sich nicht lesen, weil %2. Das Spiel beginnt mit seinen Voreinstellungen.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written, because %2. It keeps what it held before; not saved: %3.</source>
        <translation>Die Einstellungsdatei &quot;%1&quot; ließ sich nicht schreiben, weil %2. Sie behält, was sie vorher enthielt; nicht gespeichert: %3.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; holds no topic %2.</source>
        <translation>Die Hilfedatei &quot;%1&quot; enthält kein Thema %2.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; is missing.</source>
        <translation>Die Hilfedatei &quot;%1&quot; fehlt.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie nicht lesbar ist</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie keine gewöhnliche Datei ist</translation>
    </message>
    <message>
        <source>it is too large to be a settings file</source>
        <translation>sie zu groß für eine Einstellungsdatei ist</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>ihr Dateisystem schreibgeschützt ist</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger voll ist</translation>
    </message>
    <message>
        <source>another program holds its lock &quot;%1&quot; (or it cannot be read)</source>
        <translation>ein anderes Programm ihre Sperre &quot;%1&quot; hält (oder sie nicht lesbar ist)</translation>
    </message>
    <message>
        <source>its folder cannot be written to</source>
        <translation>ihr Ordner nicht beschreibbar ist</translation>
    </message>
    <message>
        <source>its lock &quot;%1&quot; cannot be made</source>
        <translation>sich ihre Sperre &quot;%1&quot; nicht anlegen lässt</translation>
    </message>
</context>
<context>
    <name>MainTexts</name>
    <message>
        <source>No more SET possible.<byte value="xd"/>You are at the end.</source>
        <translation>Kein weiteres SET möglich.<byte value="xd"/>Du bist am Ende.</translation>
    </message>
    <message>
        <source>No SET in the deck. Shall I mix up the deck?</source>
        <translation>Kein SET in der Auslage. Neu mischen?</translation>
    </message>
    <message>
        <source>I want to mix up the remaining cards.</source>
        <translation>Ich möchte die restlichen Karten durchmischen.</translation>
    </message>
    <message>
        <source>I start again.</source>
        <translation>Ich fang neu an.</translation>
    </message>
    <message>
        <source>I need a break.</source>
        <translation>Ich brauch eine kurze Pause.</translation>
    </message>
    <message>
        <source>Who are the best?</source>
        <translation>Wer sind die Besten?</translation>
    </message>
    <message>
        <source>Please show me a SET.</source>
        <translation>Bitte zeig mir ein SET.</translation>
    </message>
    <message>
        <source> I want to change the options.</source>
        <translation>Ich möchte die Einstellungen ändern.</translation>
    </message>
    <message>
        <source>Who did these MOLLBERG GAME?</source>
        <translation>Wer hat diese Spiele nur verbrochen?</translation>
    </message>
    <message>
        <source>What&apos;s to do here?</source>
        <translation>Worum geht&apos;s da eigentlich?</translation>
    </message>
    <message>
        <source>I have enough!</source>
        <translation>Ich hab genug!</translation>
    </message>
    <message>
        <source>Ctrl+</source>
        <comment>the control key, as the keyboard names it</comment>
        <translation>Strg+</translation>
    </message>
    <message>
        <source>Key: </source>
        <translation>Taste: </translation>
    </message>
    <message>
        <source>Practice over: all cards taken in %1.</source>
        <translation>Übung beendet: alle Karten genommen in %1.</translation>
    </message>
    <message numerus="yes">
        <source>Practice over: no SET left, %n cards still in play.<byte value="xd"/>Time: %1.</source>
        <translation>
            <numerusform>Übung beendet: kein SET mehr, %n Karte noch im Spiel.<byte value="xd"/>Zeit: %1.</numerusform>
            <numerusform>Übung beendet: kein SET mehr, %n Karten noch im Spiel.<byte value="xd"/>Zeit: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>I want to practise: no points, free hints.</source>
        <translation>Ich will üben: ohne Punkte, Tipps gratis.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <comment>a deal code follows</comment>
        <translation>Blatt %1</translation>
    </message>
    <message>
        <source>I want to play a deal again.</source>
        <translation>Ich will ein Blatt noch einmal spielen.</translation>
    </message>
</context>
<context>
    <name>TBoardAccessible</name>
    <message>
        <source>Table</source>
        <comment>the board, for screen readers</comment>
        <translation>Spieltisch</translation>
    </message>
</context>
<context>
    <name>TBoardReader</name>
    <message>
        <source>hidden</source>
        <comment>a card while the game is paused</comment>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punkte: %1</translation>
    </message>
    <message>
        <source>game running</source>
        <translation>Spiel läuft</translation>
    </message>
    <message>
        <source>game paused</source>
        <translation>Spiel angehalten</translation>
    </message>
    <message>
        <source>game over</source>
        <translation>Spiel aus</translation>
    </message>
</context>
<context>
    <name>TDealCodeDlg</name>
    <message>
        <source>Play a deal by its code</source>
        <translation>Ein Blatt nach seinem Code spielen</translation>
    </message>
    <message>
        <source>The deal&apos;s code:</source>
        <translation>Der Code des Blatts:</translation>
    </message>
    <message>
        <source>Deal it</source>
        <translation>Austeilen</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Zurück zum Spiel</translation>
    </message>
    <message>
        <source>That is no deal code. A code has 14 letters and digits, like %1.</source>
        <translation>Das ist kein Code eines Blatts. Ein Code hat 14 Buchstaben und Ziffern, etwa %1.</translation>
    </message>
</context>
<context>
    <name>THighscoreDlg</name>
    <message>
        <source>Trivolo - Highscore</source>
        <translation>Trivolo - Bestenliste</translation>
    </message>
    <message>
        <source>remove all entries</source>
        <translation>alle Einträge löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>put in list</source>
        <translation>In Liste aufnehmen</translation>
    </message>
    <message>
        <source>Close the list</source>
        <translation>Liste schließen</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
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

ein Spiel von Mollberg
a game by Mollberg

Idee, Programm, Grafik und Musik:
Mollberg Spiele

Viel Spaß beim Suchen!
Have fun finding SETs!</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Zurück zum Spiel</translation>
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
        <translation>Zurück zum Spiel</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Einstellungen:</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Sprache ändern</translation>
    </message>
    <message>
        <source>I speak English.</source>
        <translation>Ich spreche deutsch.</translation>
    </message>
    <message>
        <source>Sound on or off</source>
        <translation>Geräusche ein- und ausschalten.</translation>
    </message>
    <message>
        <source>Sound is on.</source>
        <translation>Geräusche sind an.</translation>
    </message>
    <message>
        <source>Sound is off.</source>
        <translation>Geräusche sind aus.</translation>
    </message>
    <message>
        <source>Music on or off.</source>
        <translation>Musik ein- und ausschalten.</translation>
    </message>
    <message>
        <source>No music files available.</source>
        <translation>Keine Musikdateien vorhanden.</translation>
    </message>
    <message>
        <source>Music: </source>
        <translation>Musik: </translation>
    </message>
    <message>
        <source>Music is off.</source>
        <translation>Musik ist aus.</translation>
    </message>
    <message>
        <source>Change background</source>
        <translation>Hintergrund ändern</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>grau</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>braun</translation>
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
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>Background: </source>
        <translation>Hintergrund: </translation>
    </message>
    <message>
        <source>Activate/deactivate SET detector</source>
        <translation>SET-Detektor ein- bzw. ausschalten</translation>
    </message>
    <message>
        <source>SETs will be detected.</source>
        <translation>SET-Detektor ist aktiv.</translation>
    </message>
    <message>
        <source>SETs won&apos;t be detected.</source>
        <translation>SET-Detektor ist ausgeschaltet.</translation>
    </message>
    <message>
        <source>Change the symbols&apos; colours</source>
        <translation>Farben der Symbole wechseln</translation>
    </message>
    <message>
        <source>Colours: easy to tell apart</source>
        <translation>Farben: gut unterscheidbar</translation>
    </message>
    <message>
        <source>Colours: standard</source>
        <translation>Farben: Standard</translation>
    </message>
</context>
<context>
    <name>TReviewChart</name>
    <message>
        <source>Seconds per SET</source>
        <translation>Sekunden je SET</translation>
    </message>
    <message>
        <source>break-even %1 s</source>
        <translation>Gewinnschwelle %1 s</translation>
    </message>
    <message>
        <source>No SET. </source>
        <translation>Kein SET. </translation>
    </message>
    <message>
        <source>%1 s: break-even</source>
        <translation>%1 s: Gewinnschwelle</translation>
    </message>
</context>
<context>
    <name>TReviewDlg</name>
    <message>
        <source>Your game</source>
        <translation>Dein Spiel</translation>
    </message>
    <message>
        <source>show after every game</source>
        <translation>nach jedem Spiel zeigen</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Zurück zum Spiel</translation>
    </message>
    <message numerus="yes">
        <source>Score: %1, %n SETs</source>
        <translation>
            <numerusform>Punkte: %1, %n SETs</numerusform>
            <numerusform>Punkte: %1, %n SETs</numerusform>
        </translation>
    </message>
    <message>
        <source>Your game, a deal played again</source>
        <translation>Dein Spiel, ein Blatt noch einmal gespielt</translation>
    </message>
</context>
<context>
    <name>TReviewPanel</name>
    <message>
        <source>Score: %1</source>
        <translation>Punkte: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>SETs: %1</source>
        <translation>SETs: %1</translation>
    </message>
    <message>
        <source>Average: %1 s per SET</source>
        <translation>Schnitt: %1 s je SET</translation>
    </message>
    <message>
        <source>Cards left: %1</source>
        <translation>Karten übrig: %1</translation>
    </message>
    <message>
        <source>10 SETs after %1</source>
        <translation>10 SETs nach %1</translation>
    </message>
    <message>
        <source>20 SETs after %1</source>
        <translation>20 SETs nach %1</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Tipps: %1</translation>
    </message>
    <message>
        <source>Mixes: %1</source>
        <translation>Gemischt: %1</translation>
    </message>
    <message>
        <source>All cards taken</source>
        <translation>Alle Karten abgeräumt</translation>
    </message>
    <message>
        <source>No SET left</source>
        <translation>Kein SET mehr möglich</translation>
    </message>
    <message>
        <source>Slowest SET: %1 s</source>
        <translation>Langsamstes SET: %1 s</translation>
    </message>
</context>
<context>
    <name>TRulePictures</name>
    <message>
        <source>A SET: only the colour differs, everything else is alike.</source>
        <translation>Ein SET: nur die Farbe ist verschieden, alles andere gleich.</translation>
    </message>
    <message>
        <source>A SET: colour and number differ, shape and fill are alike.</source>
        <translation>Ein SET: Farbe und Anzahl sind verschieden, Form und Füllung gleich.</translation>
    </message>
    <message>
        <source>A SET: colour, shape and fill differ, the number is alike.</source>
        <translation>Ein SET: Farbe, Form und Füllung sind verschieden, die Anzahl ist gleich.</translation>
    </message>
    <message>
        <source>A SET: all four attributes differ.</source>
        <translation>Ein SET: alle vier Merkmale sind verschieden.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same colour, the third has another.</source>
        <translation>Kein SET: zwei Karten haben dieselbe Farbe, die dritte eine andere.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same shape, the third has another.</source>
        <translation>Kein SET: zwei Karten haben dieselbe Form, die dritte eine andere.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same fill, the third has another.</source>
        <translation>Kein SET: zwei Karten haben dieselbe Füllung, die dritte eine andere.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same number of symbols, the third has another.</source>
        <translation>Kein SET: zwei Karten haben dieselbe Anzahl Symbole, die dritte eine andere.</translation>
    </message>
    <message>
        <source>The cards: %1.</source>
        <translation>Die Karten: %1.</translation>
    </message>
    <message>
        <source>Worked out: shape and fill are alike, colour and number differ.</source>
        <translation>Ausgerechnet: Form und Füllung sind gleich, Farbe und Anzahl verschieden.</translation>
    </message>
    <message>
        <source>3 cards × %1 = %2 points</source>
        <translation>3 Karten × %1 = %2 Punkte</translation>
    </message>
    <message>
        <source>2 attributes alike × %1 = %2 points</source>
        <translation>2 gleiche Merkmale × %1 = %2 Punkte</translation>
    </message>
    <message>
        <source>2 attributes different × %1 = %2 points</source>
        <translation>2 verschiedene Merkmale × %1 = %2 Punkte</translation>
    </message>
    <message>
        <source>With the SET detector on: %1 + %2 = %3 points</source>
        <translation>Mit SET-Detektor: %1 + %2 = %3 Punkte</translation>
    </message>
    <message>
        <source>With the SET detector off the bonus counts twice: %1 + 2 × %2 = %3 points</source>
        <translation>Ohne SET-Detektor zählt der Bonus doppelt: %1 + 2 × %2 = %3 Punkte</translation>
    </message>
    <message>
        <source>The buttons, each with its key: the bar above the cards, left and right, then the practice game&apos;s button left of the cards.</source>
        <translation>Die Knöpfe, jeder mit seiner Taste: die Leiste über den Karten, links und rechts, dann der Knopf des Übungsspiels links neben den Karten.</translation>
    </message>
</context>
<context>
    <name>TStatsDlg</name>
    <message>
        <source>Played to the end: %1</source>
        <translation>Zu Ende gespielt: %1</translation>
    </message>
    <message>
        <source>Abandoned: %1</source>
        <translation>Abgebrochen: %1</translation>
    </message>
    <message>
        <source>SETs: %1</source>
        <translation>SETs: %1</translation>
    </message>
    <message>
        <source>Time played: %1</source>
        <translation>Spielzeit: %1</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Beste Punktzahl: %1</translation>
    </message>
    <message>
        <source>Fastest game: %1</source>
        <translation>Schnellstes Spiel: %1</translation>
    </message>
    <message>
        <source>Best average: %1 s per SET</source>
        <translation>Bester Schnitt: %1 s je SET</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Tipps: %1</translation>
    </message>
    <message>
        <source>Mixes: %1</source>
        <translation>Gemischt: %1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>reset statistics</source>
        <translation>Statistik löschen</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Zurück zum Spiel</translation>
    </message>
    <message>
        <source>Last game</source>
        <translation>Letztes Spiel</translation>
    </message>
    <message>
        <source>Last game: none played to its end yet</source>
        <translation>Letztes Spiel: noch keins zu Ende gespielt</translation>
    </message>
    <message>
        <source>Delete all statistics?</source>
        <translation>Alle Statistiken löschen?</translation>
    </message>
    <message>
        <source>Last game, a deal played again</source>
        <translation>Letztes Spiel, ein Blatt noch einmal gespielt</translation>
    </message>
</context>
<context>
    <name>TYesNoDlg</name>
    <message>
        <source>Hurrah, you did it!</source>
        <translation>Hurra, geschafft!</translation>
    </message>
    <message>
        <source>Do you really want to give up the level?</source>
        <translation>Willst Du die Stufe wirklich aufgeben?</translation>
    </message>
    <message>
        <source>Do you really want to go?</source>
        <translation>Willst Du wirklich schon aufhören?</translation>
    </message>
    <message>
        <source>Do you really want to give up the game?</source>
        <translation>Willst Du die Partie wirklich aufgeben?</translation>
    </message>
    <message>
        <source>Sorry, you weren&apos;t quick enough!</source>
        <translation>Du warst leider zu langsam!</translation>
    </message>
    <message>
        <source>Congratulation, you solved all levels.</source>
        <translation>Gratulation, Du hast alle Stufen gelöst.</translation>
    </message>
    <message>
        <source>Sorry, game over!</source>
        <translation>Das Spiel ist leider aus.</translation>
    </message>
    <message>
        <source>The next level is waiting!</source>
        <translation>Auf zur nächsten Stufe!</translation>
    </message>
    <message>
        <source>Sorry, that was it!</source>
        <translation>Du hast leider verloren!</translation>
    </message>
    <message>
        <source>Game paused.<byte value="xd"/>Continue?</source>
        <translation>Spiel angehalten.<byte value="xd"/>Weitermachen?</translation>
    </message>
    <message>
        <source>That was it!<byte value="xd"/>Repeat level?</source>
        <translation>Leider nein!<byte value="xd"/>Stufe wiederholen?</translation>
    </message>
    <message>
        <source>Hurrah, you made it!<byte value="xd"/>Continue with next level?</source>
        <translation>Hurra, geschafft!<byte value="xd"/>Mit der nächste Stufe weitermachen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>Tmainform</name>
    <message>
        <source>Score:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>New here? The rules show the SETs in pictures, and a practice game (%1) counts no points.</source>
        <translation>Neu hier? Die Spielregeln zeigen die SETs in Bildern, und ein Übungsspiel (%1) zählt keine Punkte.</translation>
    </message>
    <message>
        <source>Practice, seconds:</source>
        <translation>Übung, Sekunden:</translation>
    </message>
    <message>
        <source>SETs on the table: %1</source>
        <translation>SETs auf dem Tisch: %1</translation>
    </message>
    <message>
        <source>Practice, time played: %1, SETs on the table: %2</source>
        <translation>Übung, Spielzeit: %1, SETs auf dem Tisch: %2</translation>
    </message>
    <message>
        <source>Play this deal again</source>
        <translation>Dieses Blatt noch einmal spielen</translation>
    </message>
    <message>
        <source>Play a deal by its code…</source>
        <translation>Ein Blatt nach seinem Code spielen…</translation>
    </message>
</context>
<context>
    <name>WrongPick</name>
    <message>
        <source>colour two alike, one different</source>
        <translation>Farbe zwei gleich, eine verschieden</translation>
    </message>
    <message>
        <source>shape two alike, one different</source>
        <translation>Form zwei gleich, eine verschieden</translation>
    </message>
    <message>
        <source>number two alike, one different</source>
        <translation>Anzahl zwei gleich, eine verschieden</translation>
    </message>
    <message>
        <source>fill two alike, one different</source>
        <translation>Füllung zwei gleich, eine verschieden</translation>
    </message>
    <message>
        <source>Not a SET: </source>
        <translation>Kein SET: </translation>
    </message>
</context>
</TS>
