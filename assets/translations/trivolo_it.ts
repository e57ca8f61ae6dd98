<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CardNames</name>
    <message>
        <source>one %1 %2 square</source>
        <translation>un quadrato %1 %2</translation>
    </message>
    <message>
        <source>one %1 %2 circle</source>
        <translation>un cerchio %1 %2</translation>
    </message>
    <message>
        <source>one %1 %2 triangle</source>
        <translation>un triangolo %1 %2</translation>
    </message>
    <message>
        <source>two %1 %2 squares</source>
        <translation>due quadrati %1 %2</translation>
    </message>
    <message>
        <source>two %1 %2 circles</source>
        <translation>due cerchi %1 %2</translation>
    </message>
    <message>
        <source>two %1 %2 triangles</source>
        <translation>due triangoli %1 %2</translation>
    </message>
    <message>
        <source>three %1 %2 squares</source>
        <translation>tre quadrati %1 %2</translation>
    </message>
    <message>
        <source>three %1 %2 circles</source>
        <translation>tre cerchi %1 %2</translation>
    </message>
    <message>
        <source>three %1 %2 triangles</source>
        <translation>tre triangoli %1 %2</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one square</comment>
        <translation>blu</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one circle</comment>
        <translation>blu</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one triangle</comment>
        <translation>blu</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two squares</comment>
        <translation>blu</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two circles</comment>
        <translation>blu</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two triangles</comment>
        <translation>blu</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three squares</comment>
        <translation>blu</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three circles</comment>
        <translation>blu</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three triangles</comment>
        <translation>blu</translation>
    </message>
    <message>
        <source>green</source>
        <comment>one square</comment>
        <translation>verde</translation>
    </message>
    <message>
        <source>green</source>
        <comment>one circle</comment>
        <translation>verde</translation>
    </message>
    <message>
        <source>green</source>
        <comment>one triangle</comment>
        <translation>verde</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two squares</comment>
        <translation>verdi</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two circles</comment>
        <translation>verdi</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two triangles</comment>
        <translation>verdi</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three squares</comment>
        <translation>verdi</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three circles</comment>
        <translation>verdi</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three triangles</comment>
        <translation>verdi</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one square</comment>
        <translation>rosso</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one circle</comment>
        <translation>rosso</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one triangle</comment>
        <translation>rosso</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two squares</comment>
        <translation>rossi</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two circles</comment>
        <translation>rossi</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two triangles</comment>
        <translation>rossi</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three squares</comment>
        <translation>rossi</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three circles</comment>
        <translation>rossi</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three triangles</comment>
        <translation>rossi</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one square</comment>
        <translation>nero</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one circle</comment>
        <translation>nero</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one triangle</comment>
        <translation>nero</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two squares</comment>
        <translation>neri</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two circles</comment>
        <translation>neri</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two triangles</comment>
        <translation>neri</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three squares</comment>
        <translation>neri</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three circles</comment>
        <translation>neri</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three triangles</comment>
        <translation>neri</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one square</comment>
        <translation>arancione</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one circle</comment>
        <translation>arancione</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one triangle</comment>
        <translation>arancione</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two squares</comment>
        <translation>arancioni</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two circles</comment>
        <translation>arancioni</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two triangles</comment>
        <translation>arancioni</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three squares</comment>
        <translation>arancioni</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three circles</comment>
        <translation>arancioni</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three triangles</comment>
        <translation>arancioni</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one square</comment>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one circle</comment>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one triangle</comment>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two squares</comment>
        <translation>vuoti</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two circles</comment>
        <translation>vuoti</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two triangles</comment>
        <translation>vuoti</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three squares</comment>
        <translation>vuoti</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three circles</comment>
        <translation>vuoti</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three triangles</comment>
        <translation>vuoti</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one square</comment>
        <translation>pieno</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one circle</comment>
        <translation>pieno</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one triangle</comment>
        <translation>pieno</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two squares</comment>
        <translation>pieni</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two circles</comment>
        <translation>pieni</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two triangles</comment>
        <translation>pieni</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three squares</comment>
        <translation>pieni</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three circles</comment>
        <translation>pieni</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three triangles</comment>
        <translation>pieni</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one square</comment>
        <translation>tratteggiato</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one circle</comment>
        <translation>tratteggiato</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one triangle</comment>
        <translation>tratteggiato</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two squares</comment>
        <translation>tratteggiati</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two circles</comment>
        <translation>tratteggiati</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two triangles</comment>
        <translation>tratteggiati</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three squares</comment>
        <translation>tratteggiati</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three circles</comment>
        <translation>tratteggiati</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three triangles</comment>
        <translation>tratteggiati</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>no card</comment>
        <translation>vuoto</translation>
    </message>
</context>
<context>
    <name>ErrorTexts</name>
    <message>
        <source>There is no audio device to play music on.</source>
        <translation>Non c&apos;è nessun dispositivo audio su cui suonare la musica.</translation>
    </message>
    <message>
        <source>Music needs a General-MIDI soundfont, and none is installed (Debian&apos;s package timgm6mb-soundfont has one).</source>
        <translation>Per la musica serve un banco di suoni General MIDI, ma non ne è installato nessuno (il pacchetto Debian timgm6mb-soundfont ne contiene uno).</translation>
    </message>
    <message>
        <source>The soundfont &quot;%1&quot; cannot be loaded.</source>
        <translation>Impossibile caricare il banco di suoni «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable file.</source>
        <translation>«%1» non è un file leggibile.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for a MIDI file.</source>
        <translation>«%1» è troppo grande per un file MIDI.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MIDI file.</source>
        <translation>«%1» non è un file MIDI.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a damaged or truncated MIDI file.</source>
        <translation>«%1» è un file MIDI danneggiato o incompleto.</translation>
    </message>
    <message>
        <source>The sound library libtrivolo_audio.so is missing.</source>
        <translation>Manca la libreria audio libtrivolo_audio.so.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read, because %2. The game starts with its defaults.</source>
        <translation>Impossibile leggere il file delle impostazioni «%1», perché %2. Il gioco parte con le impostazioni predefinite.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written, because %2. It keeps what it held before; not saved: %3.</source>
        <translation>Impossibile scrivere il file delle impostazioni «%1», perché %2. Conserva il contenuto precedente; non salvato: %3.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; holds no topic %2.</source>
        <translation>Il file della guida «%1» non contiene l&apos;argomento %2.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; is missing.</source>
        <translation>Manca il file della guida «%1».</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Si è verificato un errore imprevisto.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>non è leggibile</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it is too large to be a settings file</source>
        <translation>è troppo grande per un file di impostazioni</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>il suo file system è di sola lettura</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>another program holds its lock &quot;%1&quot; (or it cannot be read)</source>
        <translation>un altro programma tiene il suo blocco «%1» (o non è leggibile)</translation>
    </message>
    <message>
        <source>its folder cannot be written to</source>
        <translation>la sua cartella non è scrivibile</translation>
    </message>
    <message>
        <source>its lock &quot;%1&quot; cannot be made</source>
        <translation>non si può creare il suo blocco «%1»</translation>
    </message>
</context>
<context>
    <name>MainTexts</name>
    <message>
        <source>No more SET possible.<byte value="xd"/>You are at the end.</source>
        <translation>Nessun altro SET possibile.<byte value="xd"/>Sei arrivato alla fine.</translation>
    </message>
    <message>
        <source>No SET in the deck. Shall I mix up the deck?</source>
        <translation>Nessun SET sul tavolo. Mescolo le carte?</translation>
    </message>
    <message>
        <source>I want to mix up the remaining cards.</source>
        <translation>Voglio mescolare le carte rimaste.</translation>
    </message>
    <message>
        <source>I start again.</source>
        <translation>Ricomincio da capo.</translation>
    </message>
    <message>
        <source>I need a break.</source>
        <translation>Ho bisogno di una pausa.</translation>
    </message>
    <message>
        <source>Who are the best?</source>
        <translation>Chi sono i migliori?</translation>
    </message>
    <message>
        <source>Please show me a SET.</source>
        <translation>Mostrami un SET, per favore.</translation>
    </message>
    <message>
        <source> I want to change the options.</source>
        <translation>Voglio cambiare le impostazioni.</translation>
    </message>
    <message>
        <source>Who did these MOLLBERG GAME?</source>
        <translation>Chi ha inventato questo gioco?</translation>
    </message>
    <message>
        <source>What&apos;s to do here?</source>
        <translation>Che cosa si deve fare?</translation>
    </message>
    <message>
        <source>I have enough!</source>
        <translation>Ne ho abbastanza!</translation>
    </message>
    <message>
        <source>Ctrl+</source>
        <comment>the control key, as the keyboard names it</comment>
        <translation>Ctrl+</translation>
    </message>
    <message>
        <source>Key: </source>
        <translation>Tasto: </translation>
    </message>
    <message>
        <source>Practice over: all cards taken in %1.</source>
        <translation>Allenamento finito: tutte le carte prese in %1.</translation>
    </message>
    <message numerus="yes">
        <source>Practice over: no SET left, %n cards still in play.<byte value="xd"/>Time: %1.</source>
        <translation>
            <numerusform>Allenamento finito: nessun SET rimasto, %n carta ancora in gioco.<byte value="xd"/>Tempo: %1.</numerusform>
            <numerusform>Allenamento finito: nessun SET rimasto, %n carte ancora in gioco.<byte value="xd"/>Tempo: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>I want to practise: no points, free hints.</source>
        <translation>Voglio allenarmi: niente punti, suggerimenti gratis.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <comment>a deal code follows</comment>
        <translation>Mano %1</translation>
    </message>
    <message>
        <source>I want to play a deal again.</source>
        <translation>Voglio rigiocare una mano.</translation>
    </message>
</context>
<context>
    <name>TBoardAccessible</name>
    <message>
        <source>Table</source>
        <comment>the board, for screen readers</comment>
        <translation>Tavolo da gioco</translation>
    </message>
</context>
<context>
    <name>TBoardReader</name>
    <message>
        <source>hidden</source>
        <comment>a card while the game is paused</comment>
        <translation>coperta</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punti: %1</translation>
    </message>
    <message>
        <source>game running</source>
        <translation>partita in corso</translation>
    </message>
    <message>
        <source>game paused</source>
        <translation>partita in pausa</translation>
    </message>
    <message>
        <source>game over</source>
        <translation>partita finita</translation>
    </message>
</context>
<context>
    <name>TDealCodeDlg</name>
    <message>
        <source>Play a deal by its code</source>
        <translation>Gioca una mano dal suo codice</translation>
    </message>
    <message>
        <source>The deal&apos;s code:</source>
        <translation>Il codice della mano:</translation>
    </message>
    <message>
        <source>Deal it</source>
        <translation>Distribuisci</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Torna al gioco</translation>
    </message>
    <message>
        <source>That is no deal code. A code has 14 letters and digits, like %1.</source>
        <translation>Questo non è un codice di mano. Un codice ha 14 lettere e cifre, come %1.</translation>
    </message>
</context>
<context>
    <name>THighscoreDlg</name>
    <message>
        <source>Trivolo - Highscore</source>
        <translation>Trivolo - Classifica</translation>
    </message>
    <message>
        <source>remove all entries</source>
        <translation>cancella tutta la lista</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>put in list</source>
        <translation>inserisci in classifica</translation>
    </message>
    <message>
        <source>Close the list</source>
        <translation>Chiudi la classifica</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Il tuo nome</translation>
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
Versione %1

un gioco di Mollberg

Idea, programma, grafica e musica:
Mollberg Spiele

Buon divertimento a cercare i SET!</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Torna al gioco</translation>
    </message>
    <message>
        <source>Statistics (T)</source>
        <translation>Statistiche (T)</translation>
    </message>
</context>
<context>
    <name>TOptionDlg</name>
    <message>
        <source>Back to game</source>
        <translation>Torna al gioco</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Impostazioni:</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Cambia lingua</translation>
    </message>
    <message>
        <source>I speak English.</source>
        <translation>Parlo italiano.</translation>
    </message>
    <message>
        <source>Sound on or off</source>
        <translation>Attiva o disattiva gli effetti sonori</translation>
    </message>
    <message>
        <source>Sound is on.</source>
        <translation>Effetti sonori attivi.</translation>
    </message>
    <message>
        <source>Sound is off.</source>
        <translation>Effetti sonori disattivati.</translation>
    </message>
    <message>
        <source>Music on or off.</source>
        <translation>Attiva o disattiva la musica.</translation>
    </message>
    <message>
        <source>No music files available.</source>
        <translation>Nessun file musicale disponibile.</translation>
    </message>
    <message>
        <source>Music: </source>
        <translation>Musica: </translation>
    </message>
    <message>
        <source>Music is off.</source>
        <translation>Musica disattivata.</translation>
    </message>
    <message>
        <source>Change background</source>
        <translation>Cambia lo sfondo</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>grigio</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrone</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>Background: </source>
        <translation>Sfondo: </translation>
    </message>
    <message>
        <source>Activate/deactivate SET detector</source>
        <translation>Attiva/disattiva il rilevatore di SET</translation>
    </message>
    <message>
        <source>SETs will be detected.</source>
        <translation>Rilevatore di SET attivo.</translation>
    </message>
    <message>
        <source>SETs won&apos;t be detected.</source>
        <translation>Rilevatore di SET disattivato.</translation>
    </message>
    <message>
        <source>Change the symbols&apos; colours</source>
        <translation>Cambia i colori dei simboli</translation>
    </message>
    <message>
        <source>Colours: easy to tell apart</source>
        <translation>Colori: facili da distinguere</translation>
    </message>
    <message>
        <source>Colours: standard</source>
        <translation>Colori: standard</translation>
    </message>
</context>
<context>
    <name>TReviewChart</name>
    <message>
        <source>Seconds per SET</source>
        <translation>Secondi per SET</translation>
    </message>
    <message>
        <source>break-even %1 s</source>
        <translation>pareggio %1 s</translation>
    </message>
    <message>
        <source>No SET. </source>
        <translation>Nessun SET. </translation>
    </message>
    <message>
        <source>%1 s: break-even</source>
        <translation>%1 s: pareggio</translation>
    </message>
</context>
<context>
    <name>TReviewDlg</name>
    <message>
        <source>Your game</source>
        <translation>La tua partita</translation>
    </message>
    <message>
        <source>show after every game</source>
        <translation>mostra dopo ogni partita</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Torna al gioco</translation>
    </message>
    <message numerus="yes">
        <source>Score: %1, %n SETs</source>
        <translation>
            <numerusform>Punti: %1, %n SET</numerusform>
            <numerusform>Punti: %1, %n SET</numerusform>
        </translation>
    </message>
    <message>
        <source>Your game, a deal played again</source>
        <translation>La tua partita, una mano rigiocata</translation>
    </message>
</context>
<context>
    <name>TReviewPanel</name>
    <message>
        <source>Score: %1</source>
        <translation>Punti: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source>SETs: %1</source>
        <translation>SET: %1</translation>
    </message>
    <message>
        <source>Average: %1 s per SET</source>
        <translation>Media: %1 s per SET</translation>
    </message>
    <message>
        <source>Cards left: %1</source>
        <translation>Carte rimaste: %1</translation>
    </message>
    <message>
        <source>10 SETs after %1</source>
        <translation>10 SET in %1</translation>
    </message>
    <message>
        <source>20 SETs after %1</source>
        <translation>20 SET in %1</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Suggerimenti: %1</translation>
    </message>
    <message>
        <source>Mixes: %1</source>
        <translation>Mescolate: %1</translation>
    </message>
    <message>
        <source>All cards taken</source>
        <translation>Tutte le carte prese</translation>
    </message>
    <message>
        <source>No SET left</source>
        <translation>Nessun SET rimasto</translation>
    </message>
    <message>
        <source>Slowest SET: %1 s</source>
        <translation>SET più lento: %1 s</translation>
    </message>
</context>
<context>
    <name>TRulePictures</name>
    <message>
        <source>A SET: only the colour differs, everything else is alike.</source>
        <translation>Un SET: solo il colore è diverso, tutto il resto è uguale.</translation>
    </message>
    <message>
        <source>A SET: colour and number differ, shape and fill are alike.</source>
        <translation>Un SET: colore e numero sono diversi, forma e riempimento sono uguali.</translation>
    </message>
    <message>
        <source>A SET: colour, shape and fill differ, the number is alike.</source>
        <translation>Un SET: colore, forma e riempimento sono diversi, il numero è uguale.</translation>
    </message>
    <message>
        <source>A SET: all four attributes differ.</source>
        <translation>Un SET: tutte e quattro le caratteristiche sono diverse.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same colour, the third has another.</source>
        <translation>Non è un SET: due carte hanno lo stesso colore, la terza un altro.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same shape, the third has another.</source>
        <translation>Non è un SET: due carte hanno la stessa forma, la terza un’altra.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same fill, the third has another.</source>
        <translation>Non è un SET: due carte hanno lo stesso riempimento, la terza un altro.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same number of symbols, the third has another.</source>
        <translation>Non è un SET: due carte hanno lo stesso numero di simboli, la terza un altro.</translation>
    </message>
    <message>
        <source>The cards: %1.</source>
        <translation>Le carte: %1.</translation>
    </message>
    <message>
        <source>Worked out: shape and fill are alike, colour and number differ.</source>
        <translation>Il conto: forma e riempimento sono uguali, colore e numero diversi.</translation>
    </message>
    <message>
        <source>3 cards × %1 = %2 points</source>
        <translation>3 carte × %1 = %2 punti</translation>
    </message>
    <message>
        <source>2 attributes alike × %1 = %2 points</source>
        <translation>2 caratteristiche uguali × %1 = %2 punti</translation>
    </message>
    <message>
        <source>2 attributes different × %1 = %2 points</source>
        <translation>2 caratteristiche diverse × %1 = %2 punti</translation>
    </message>
    <message>
        <source>With the SET detector on: %1 + %2 = %3 points</source>
        <translation>Con il rilevatore di SET: %1 + %2 = %3 punti</translation>
    </message>
    <message>
        <source>With the SET detector off the bonus counts twice: %1 + 2 × %2 = %3 points</source>
        <translation>Senza il rilevatore di SET il bonus conta doppio: %1 + 2 × %2 = %3 punti</translation>
    </message>
    <message>
        <source>The buttons, each with its key: the bar above the cards, left and right, then the practice game&apos;s button left of the cards.</source>
        <translation>I pulsanti, ognuno con il suo tasto: la barra sopra le carte, a sinistra e a destra, poi il pulsante della partita di allenamento a sinistra delle carte.</translation>
    </message>
</context>
<context>
    <name>TStatsDlg</name>
    <message>
        <source>Played to the end: %1</source>
        <translation>Partite finite: %1</translation>
    </message>
    <message>
        <source>Abandoned: %1</source>
        <translation>Abbandonate: %1</translation>
    </message>
    <message>
        <source>SETs: %1</source>
        <translation>SET: %1</translation>
    </message>
    <message>
        <source>Time played: %1</source>
        <translation>Tempo di gioco: %1</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Punteggio migliore: %1</translation>
    </message>
    <message>
        <source>Fastest game: %1</source>
        <translation>Partita più veloce: %1</translation>
    </message>
    <message>
        <source>Best average: %1 s per SET</source>
        <translation>Media migliore: %1 s per SET</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Suggerimenti: %1</translation>
    </message>
    <message>
        <source>Mixes: %1</source>
        <translation>Mescolate: %1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>reset statistics</source>
        <translation>azzera le statistiche</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Torna al gioco</translation>
    </message>
    <message>
        <source>Last game</source>
        <translation>Ultima partita</translation>
    </message>
    <message>
        <source>Last game: none played to its end yet</source>
        <translation>Ultima partita: nessuna ancora finita</translation>
    </message>
    <message>
        <source>Delete all statistics?</source>
        <translation>Cancellare tutte le statistiche?</translation>
    </message>
    <message>
        <source>Last game, a deal played again</source>
        <translation>Ultima partita, una mano rigiocata</translation>
    </message>
</context>
<context>
    <name>TYesNoDlg</name>
    <message>
        <source>Hurrah, you did it!</source>
        <translation>Evviva, ce l&apos;hai fatta!</translation>
    </message>
    <message>
        <source>Do you really want to give up the level?</source>
        <translation>Vuoi davvero abbandonare il livello?</translation>
    </message>
    <message>
        <source>Do you really want to go?</source>
        <translation>Vuoi davvero andartene già?</translation>
    </message>
    <message>
        <source>Do you really want to give up the game?</source>
        <translation>Vuoi davvero abbandonare la partita?</translation>
    </message>
    <message>
        <source>Sorry, you weren&apos;t quick enough!</source>
        <translation>Peccato, non sei stato abbastanza veloce!</translation>
    </message>
    <message>
        <source>Congratulation, you solved all levels.</source>
        <translation>Complimenti, hai risolto tutti i livelli.</translation>
    </message>
    <message>
        <source>Sorry, game over!</source>
        <translation>Peccato, la partita è finita!</translation>
    </message>
    <message>
        <source>The next level is waiting!</source>
        <translation>Il prossimo livello ti aspetta!</translation>
    </message>
    <message>
        <source>Sorry, that was it!</source>
        <translation>Peccato, hai perso!</translation>
    </message>
    <message>
        <source>Game paused.<byte value="xd"/>Continue?</source>
        <translation>Partita in pausa.<byte value="xd"/>Continuare?</translation>
    </message>
    <message>
        <source>That was it!<byte value="xd"/>Repeat level?</source>
        <translation>Finito!<byte value="xd"/>Ripetere il livello?</translation>
    </message>
    <message>
        <source>Hurrah, you made it!<byte value="xd"/>Continue with next level?</source>
        <translation>Evviva, ce l&apos;hai fatta!<byte value="xd"/>Passare al livello successivo?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>Tmainform</name>
    <message>
        <source>Score:</source>
        <translation>Punti:</translation>
    </message>
    <message>
        <source>New here? The rules show the SETs in pictures, and a practice game (%1) counts no points.</source>
        <translation>Sei nuovo? Le regole mostrano i SET in immagini, e una partita di allenamento (%1) non conta punti.</translation>
    </message>
    <message>
        <source>Practice, seconds:</source>
        <translation>Allenamento, secondi:</translation>
    </message>
    <message>
        <source>SETs on the table: %1</source>
        <translation>SET sul tavolo: %1</translation>
    </message>
    <message>
        <source>Practice, time played: %1, SETs on the table: %2</source>
        <translation>Allenamento, tempo giocato: %1, SET sul tavolo: %2</translation>
    </message>
    <message>
        <source>Play this deal again</source>
        <translation>Rigioca questa mano</translation>
    </message>
    <message>
        <source>Play a deal by its code…</source>
        <translation>Gioca una mano dal suo codice…</translation>
    </message>
</context>
<context>
    <name>WrongPick</name>
    <message>
        <source>colour two alike, one different</source>
        <translation>due colori uguali e uno diverso</translation>
    </message>
    <message>
        <source>shape two alike, one different</source>
        <translation>due forme uguali e una diversa</translation>
    </message>
    <message>
        <source>number two alike, one different</source>
        <translation>due numeri uguali e uno diverso</translation>
    </message>
    <message>
        <source>fill two alike, one different</source>
        <translation>due riempimenti uguali e uno diverso</translation>
    </message>
    <message>
        <source>Not a SET: </source>
        <translation>Non è un SET: </translation>
    </message>
</context>
</TS>
