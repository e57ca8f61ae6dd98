<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CardNames</name>
    <message>
        <source>one %1 %2 square</source>
        <translation>jeden %1 %2 kwadrat</translation>
    </message>
    <message>
        <source>one %1 %2 circle</source>
        <translation>jedno %1 %2 koło</translation>
    </message>
    <message>
        <source>one %1 %2 triangle</source>
        <translation>jeden %1 %2 trójkąt</translation>
    </message>
    <message>
        <source>two %1 %2 squares</source>
        <translation>dwa %1 %2 kwadraty</translation>
    </message>
    <message>
        <source>two %1 %2 circles</source>
        <translation>dwa %1 %2 koła</translation>
    </message>
    <message>
        <source>two %1 %2 triangles</source>
        <translation>dwa %1 %2 trójkąty</translation>
    </message>
    <message>
        <source>three %1 %2 squares</source>
        <translation>trzy %1 %2 kwadraty</translation>
    </message>
    <message>
        <source>three %1 %2 circles</source>
        <translation>trzy %1 %2 koła</translation>
    </message>
    <message>
        <source>three %1 %2 triangles</source>
        <translation>trzy %1 %2 trójkąty</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one square</comment>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one circle</comment>
        <translation>niebieskie</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one triangle</comment>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two squares</comment>
        <translation>niebieskie</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two circles</comment>
        <translation>niebieskie</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two triangles</comment>
        <translation>niebieskie</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three squares</comment>
        <translation>niebieskie</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three circles</comment>
        <translation>niebieskie</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three triangles</comment>
        <translation>niebieskie</translation>
    </message>
    <message>
        <source>green</source>
        <comment>one square</comment>
        <translation>zielony</translation>
    </message>
    <message>
        <source>green</source>
        <comment>one circle</comment>
        <translation>zielone</translation>
    </message>
    <message>
        <source>green</source>
        <comment>one triangle</comment>
        <translation>zielony</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two squares</comment>
        <translation>zielone</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two circles</comment>
        <translation>zielone</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two triangles</comment>
        <translation>zielone</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three squares</comment>
        <translation>zielone</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three circles</comment>
        <translation>zielone</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three triangles</comment>
        <translation>zielone</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one square</comment>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one circle</comment>
        <translation>czerwone</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one triangle</comment>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two squares</comment>
        <translation>czerwone</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two circles</comment>
        <translation>czerwone</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two triangles</comment>
        <translation>czerwone</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three squares</comment>
        <translation>czerwone</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three circles</comment>
        <translation>czerwone</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three triangles</comment>
        <translation>czerwone</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one square</comment>
        <translation>czarny</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one circle</comment>
        <translation>czarne</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one triangle</comment>
        <translation>czarny</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two squares</comment>
        <translation>czarne</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two circles</comment>
        <translation>czarne</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two triangles</comment>
        <translation>czarne</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three squares</comment>
        <translation>czarne</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three circles</comment>
        <translation>czarne</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three triangles</comment>
        <translation>czarne</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one square</comment>
        <translation>pomarańczowy</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one circle</comment>
        <translation>pomarańczowe</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one triangle</comment>
        <translation>pomarańczowy</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two squares</comment>
        <translation>pomarańczowe</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two circles</comment>
        <translation>pomarańczowe</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two triangles</comment>
        <translation>pomarańczowe</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three squares</comment>
        <translation>pomarańczowe</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three circles</comment>
        <translation>pomarańczowe</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three triangles</comment>
        <translation>pomarańczowe</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one square</comment>
        <translation>pusty</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one circle</comment>
        <translation>puste</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one triangle</comment>
        <translation>pusty</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two squares</comment>
        <translation>puste</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two circles</comment>
        <translation>puste</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two triangles</comment>
        <translation>puste</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three squares</comment>
        <translation>puste</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three circles</comment>
        <translation>puste</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three triangles</comment>
        <translation>puste</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one square</comment>
        <translation>pełny</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one circle</comment>
        <translation>pełne</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one triangle</comment>
        <translation>pełny</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two squares</comment>
        <translation>pełne</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two circles</comment>
        <translation>pełne</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two triangles</comment>
        <translation>pełne</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three squares</comment>
        <translation>pełne</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three circles</comment>
        <translation>pełne</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three triangles</comment>
        <translation>pełne</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one square</comment>
        <translation>zakreskowany</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one circle</comment>
        <translation>zakreskowane</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one triangle</comment>
        <translation>zakreskowany</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two squares</comment>
        <translation>zakreskowane</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two circles</comment>
        <translation>zakreskowane</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two triangles</comment>
        <translation>zakreskowane</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three squares</comment>
        <translation>zakreskowane</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three circles</comment>
        <translation>zakreskowane</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three triangles</comment>
        <translation>zakreskowane</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>no card</comment>
        <translation>puste</translation>
    </message>
</context>
<context>
    <name>ErrorTexts</name>
    <message>
        <source>There is no audio device to play music on.</source>
        <translation>Brak urządzenia dźwiękowego do odtwarzania muzyki.</translation>
    </message>
    <message>
        <source>Music needs a General-MIDI soundfont, and none is installed (Debian&apos;s package timgm6mb-soundfont has one).</source>
        <translation>Muzyka wymaga banku brzmień General MIDI, a żaden nie jest zainstalowany (zawiera go pakiet Debiana timgm6mb-soundfont).</translation>
    </message>
    <message>
        <source>The soundfont &quot;%1&quot; cannot be loaded.</source>
        <translation>Nie można wczytać banku brzmień „%1”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable file.</source>
        <translation>„%1” nie jest plikiem do odczytu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for a MIDI file.</source>
        <translation>„%1” jest za duży jak na plik MIDI.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MIDI file.</source>
        <translation>„%1” nie jest plikiem MIDI.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a damaged or truncated MIDI file.</source>
        <translation>„%1” to uszkodzony lub niekompletny plik MIDI.</translation>
    </message>
    <message>
        <source>The sound library libtrivolo_audio.so is missing.</source>
        <translation>Brakuje biblioteki dźwięku libtrivolo_audio.so.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read, because %2. The game starts with its defaults.</source>
        <translation>Nie udało się odczytać pliku ustawień „%1”, ponieważ %2. Gra startuje z ustawieniami domyślnymi.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written, because %2. It keeps what it held before; not saved: %3.</source>
        <translation>Nie udało się zapisać pliku ustawień „%1”, ponieważ %2. Plik zachowuje poprzednią zawartość; nie zapisano: %3.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; holds no topic %2.</source>
        <translation>Plik pomocy „%1” nie zawiera tematu %2.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; is missing.</source>
        <translation>Brakuje pliku pomocy „%1”.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Wystąpił nieoczekiwany błąd.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>nie da się go odczytać</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>it is too large to be a settings file</source>
        <translation>jest za duży jak na plik ustawień</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>jego system plików jest tylko do odczytu</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>another program holds its lock &quot;%1&quot; (or it cannot be read)</source>
        <translation>inny program trzyma jego blokadę „%1” (albo nie da się jej odczytać)</translation>
    </message>
    <message>
        <source>its folder cannot be written to</source>
        <translation>nie można pisać w jego folderze</translation>
    </message>
    <message>
        <source>its lock &quot;%1&quot; cannot be made</source>
        <translation>nie można utworzyć jego blokady „%1”</translation>
    </message>
</context>
<context>
    <name>MainTexts</name>
    <message>
        <source>No more SET possible.<byte value="xd"/>You are at the end.</source>
        <translation>Nie ma już żadnego SET-u.<byte value="xd"/>To koniec gry.</translation>
    </message>
    <message>
        <source>No SET in the deck. Shall I mix up the deck?</source>
        <translation>Na stole nie ma SET-u. Przetasować karty?</translation>
    </message>
    <message>
        <source>I want to mix up the remaining cards.</source>
        <translation>Chcę przetasować pozostałe karty.</translation>
    </message>
    <message>
        <source>I start again.</source>
        <translation>Zaczynam od nowa.</translation>
    </message>
    <message>
        <source>I need a break.</source>
        <translation>Potrzebuję przerwy.</translation>
    </message>
    <message>
        <source>Who are the best?</source>
        <translation>Kto jest najlepszy?</translation>
    </message>
    <message>
        <source>Please show me a SET.</source>
        <translation>Pokaż mi, proszę, SET.</translation>
    </message>
    <message>
        <source> I want to change the options.</source>
        <translation>Chcę zmienić ustawienia.</translation>
    </message>
    <message>
        <source>Who did these MOLLBERG GAME?</source>
        <translation>Kto wymyślił tę grę?</translation>
    </message>
    <message>
        <source>What&apos;s to do here?</source>
        <translation>O co tu chodzi?</translation>
    </message>
    <message>
        <source>I have enough!</source>
        <translation>Mam dość!</translation>
    </message>
    <message>
        <source>Ctrl+</source>
        <comment>the control key, as the keyboard names it</comment>
        <translation>Ctrl+</translation>
    </message>
    <message>
        <source>Key: </source>
        <translation>Klawisz: </translation>
    </message>
    <message>
        <source>Practice over: all cards taken in %1.</source>
        <translation>Trening zakończony: wszystkie karty zebrane w %1.</translation>
    </message>
    <message numerus="yes">
        <source>Practice over: no SET left, %n cards still in play.<byte value="xd"/>Time: %1.</source>
        <translation>
            <numerusform>Trening zakończony: brak SET-ów, w grze jeszcze %n karta.<byte value="xd"/>Czas: %1.</numerusform>
            <numerusform>Trening zakończony: brak SET-ów, w grze jeszcze %n karty.<byte value="xd"/>Czas: %1.</numerusform>
            <numerusform>Trening zakończony: brak SET-ów, w grze jeszcze %n kart.<byte value="xd"/>Czas: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>I want to practise: no points, free hints.</source>
        <translation>Chcę poćwiczyć: bez punktów, darmowe podpowiedzi.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <comment>a deal code follows</comment>
        <translation>Układ %1</translation>
    </message>
    <message>
        <source>I want to play a deal again.</source>
        <translation>Chcę jeszcze raz zagrać układ.</translation>
    </message>
</context>
<context>
    <name>TBoardAccessible</name>
    <message>
        <source>Table</source>
        <comment>the board, for screen readers</comment>
        <translation>Stół</translation>
    </message>
</context>
<context>
    <name>TBoardReader</name>
    <message>
        <source>hidden</source>
        <comment>a card while the game is paused</comment>
        <translation>zakryta</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punkty: %1</translation>
    </message>
    <message>
        <source>game running</source>
        <translation>gra trwa</translation>
    </message>
    <message>
        <source>game paused</source>
        <translation>gra wstrzymana</translation>
    </message>
    <message>
        <source>game over</source>
        <translation>koniec gry</translation>
    </message>
</context>
<context>
    <name>TDealCodeDlg</name>
    <message>
        <source>Play a deal by its code</source>
        <translation>Zagraj układ według kodu</translation>
    </message>
    <message>
        <source>The deal&apos;s code:</source>
        <translation>Kod układu:</translation>
    </message>
    <message>
        <source>Deal it</source>
        <translation>Rozdaj</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Powrót do gry</translation>
    </message>
    <message>
        <source>That is no deal code. A code has 14 letters and digits, like %1.</source>
        <translation>To nie jest kod układu. Kod ma 14 liter i cyfr, na przykład %1.</translation>
    </message>
</context>
<context>
    <name>THighscoreDlg</name>
    <message>
        <source>Trivolo - Highscore</source>
        <translation>Trivolo - Najlepsze wyniki</translation>
    </message>
    <message>
        <source>remove all entries</source>
        <translation>usuń wszystkie wpisy</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>put in list</source>
        <translation>wpisz na listę</translation>
    </message>
    <message>
        <source>Close the list</source>
        <translation>Zamknij listę</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Twoje imię</translation>
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
Wersja %1

gra firmy Mollberg

Pomysł, program, grafika i muzyka:
Mollberg Spiele

Miłego szukania SET-ów!</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Powrót do gry</translation>
    </message>
    <message>
        <source>Statistics (T)</source>
        <translation>Statystyki (T)</translation>
    </message>
</context>
<context>
    <name>TOptionDlg</name>
    <message>
        <source>Back to game</source>
        <translation>Powrót do gry</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Ustawienia:</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Zmień język</translation>
    </message>
    <message>
        <source>I speak English.</source>
        <translation>Mówię po polsku.</translation>
    </message>
    <message>
        <source>Sound on or off</source>
        <translation>Włącz lub wyłącz dźwięki</translation>
    </message>
    <message>
        <source>Sound is on.</source>
        <translation>Dźwięki są włączone.</translation>
    </message>
    <message>
        <source>Sound is off.</source>
        <translation>Dźwięki są wyłączone.</translation>
    </message>
    <message>
        <source>Music on or off.</source>
        <translation>Włącz lub wyłącz muzykę.</translation>
    </message>
    <message>
        <source>No music files available.</source>
        <translation>Brak plików z muzyką.</translation>
    </message>
    <message>
        <source>Music: </source>
        <translation>Muzyka: </translation>
    </message>
    <message>
        <source>Music is off.</source>
        <translation>Muzyka jest wyłączona.</translation>
    </message>
    <message>
        <source>Change background</source>
        <translation>Zmień tło</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>szare</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>brązowe</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zielone</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>niebieskie</translation>
    </message>
    <message>
        <source>red</source>
        <translation>czerwone</translation>
    </message>
    <message>
        <source>Background: </source>
        <translation>Tło: </translation>
    </message>
    <message>
        <source>Activate/deactivate SET detector</source>
        <translation>Włącz/wyłącz wykrywacz SET-ów</translation>
    </message>
    <message>
        <source>SETs will be detected.</source>
        <translation>Wykrywacz SET-ów jest włączony.</translation>
    </message>
    <message>
        <source>SETs won&apos;t be detected.</source>
        <translation>Wykrywacz SET-ów jest wyłączony.</translation>
    </message>
    <message>
        <source>Change the symbols&apos; colours</source>
        <translation>Zmień kolory symboli</translation>
    </message>
    <message>
        <source>Colours: easy to tell apart</source>
        <translation>Kolory: łatwe do rozróżnienia</translation>
    </message>
    <message>
        <source>Colours: standard</source>
        <translation>Kolory: standardowe</translation>
    </message>
</context>
<context>
    <name>TReviewChart</name>
    <message>
        <source>Seconds per SET</source>
        <translation>Sekundy na SET</translation>
    </message>
    <message>
        <source>break-even %1 s</source>
        <translation>próg opłacalności %1 s</translation>
    </message>
    <message>
        <source>No SET. </source>
        <translation>Brak SET-u. </translation>
    </message>
    <message>
        <source>%1 s: break-even</source>
        <translation>%1 s: próg</translation>
    </message>
</context>
<context>
    <name>TReviewDlg</name>
    <message>
        <source>Your game</source>
        <translation>Twoja gra</translation>
    </message>
    <message>
        <source>show after every game</source>
        <translation>pokazuj po każdej grze</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Powrót do gry</translation>
    </message>
    <message numerus="yes">
        <source>Score: %1, %n SETs</source>
        <translation>
            <numerusform>Punkty: %1, %n SET</numerusform>
            <numerusform>Punkty: %1, %n SET-y</numerusform>
            <numerusform>Punkty: %1, %n SET-ów</numerusform>
        </translation>
    </message>
    <message>
        <source>Your game, a deal played again</source>
        <translation>Twoja gra, układ zagrany ponownie</translation>
    </message>
</context>
<context>
    <name>TReviewPanel</name>
    <message>
        <source>Score: %1</source>
        <translation>Punkty: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Czas: %1</translation>
    </message>
    <message>
        <source>SETs: %1</source>
        <translation>SET-y: %1</translation>
    </message>
    <message>
        <source>Average: %1 s per SET</source>
        <translation>Średnio: %1 s na SET</translation>
    </message>
    <message>
        <source>Cards left: %1</source>
        <translation>Zostało kart: %1</translation>
    </message>
    <message>
        <source>10 SETs after %1</source>
        <translation>10 SET-ów po %1</translation>
    </message>
    <message>
        <source>20 SETs after %1</source>
        <translation>20 SET-ów po %1</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Podpowiedzi: %1</translation>
    </message>
    <message>
        <source>Mixes: %1</source>
        <translation>Tasowania: %1</translation>
    </message>
    <message>
        <source>All cards taken</source>
        <translation>Wszystkie karty zebrane</translation>
    </message>
    <message>
        <source>No SET left</source>
        <translation>Nie ma już SET-u</translation>
    </message>
    <message>
        <source>Slowest SET: %1 s</source>
        <translation>Najwolniejszy SET: %1 s</translation>
    </message>
</context>
<context>
    <name>TRulePictures</name>
    <message>
        <source>A SET: only the colour differs, everything else is alike.</source>
        <translation>SET: różni się tylko kolor, wszystko inne jest takie samo.</translation>
    </message>
    <message>
        <source>A SET: colour and number differ, shape and fill are alike.</source>
        <translation>SET: kolor i liczba są różne, kształt i wypełnienie takie same.</translation>
    </message>
    <message>
        <source>A SET: colour, shape and fill differ, the number is alike.</source>
        <translation>SET: kolor, kształt i wypełnienie są różne, liczba taka sama.</translation>
    </message>
    <message>
        <source>A SET: all four attributes differ.</source>
        <translation>SET: wszystkie cztery cechy są różne.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same colour, the third has another.</source>
        <translation>To nie SET: dwie karty mają ten sam kolor, trzecia inny.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same shape, the third has another.</source>
        <translation>To nie SET: dwie karty mają ten sam kształt, trzecia inny.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same fill, the third has another.</source>
        <translation>To nie SET: dwie karty mają to samo wypełnienie, trzecia inne.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same number of symbols, the third has another.</source>
        <translation>To nie SET: dwie karty mają tyle samo symboli, trzecia inną liczbę.</translation>
    </message>
    <message>
        <source>The cards: %1.</source>
        <translation>Karty: %1.</translation>
    </message>
    <message>
        <source>Worked out: shape and fill are alike, colour and number differ.</source>
        <translation>Obliczenie: kształt i wypełnienie są takie same, kolor i liczba różne.</translation>
    </message>
    <message>
        <source>3 cards × %1 = %2 points</source>
        <translation>3 karty × %1 = %2 pkt</translation>
    </message>
    <message>
        <source>2 attributes alike × %1 = %2 points</source>
        <translation>2 cechy jednakowe × %1 = %2 pkt</translation>
    </message>
    <message>
        <source>2 attributes different × %1 = %2 points</source>
        <translation>2 cechy różne × %1 = %2 pkt</translation>
    </message>
    <message>
        <source>With the SET detector on: %1 + %2 = %3 points</source>
        <translation>Z wykrywaczem SET-ów: %1 + %2 = %3 pkt</translation>
    </message>
    <message>
        <source>With the SET detector off the bonus counts twice: %1 + 2 × %2 = %3 points</source>
        <translation>Bez wykrywacza SET-ów premia liczy się podwójnie: %1 + 2 × %2 = %3 pkt</translation>
    </message>
    <message>
        <source>The buttons, each with its key: the bar above the cards, left and right, then the practice game&apos;s button left of the cards.</source>
        <translation>Przyciski, każdy ze swoim klawiszem: pasek nad kartami, po lewej i po prawej, potem przycisk gry treningowej po lewej stronie kart.</translation>
    </message>
</context>
<context>
    <name>TStatsDlg</name>
    <message>
        <source>Played to the end: %1</source>
        <translation>Gry ukończone: %1</translation>
    </message>
    <message>
        <source>Abandoned: %1</source>
        <translation>Gry przerwane: %1</translation>
    </message>
    <message>
        <source>SETs: %1</source>
        <translation>SET-y: %1</translation>
    </message>
    <message>
        <source>Time played: %1</source>
        <translation>Czas gry: %1</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Najlepszy wynik: %1</translation>
    </message>
    <message>
        <source>Fastest game: %1</source>
        <translation>Najszybsza gra: %1</translation>
    </message>
    <message>
        <source>Best average: %1 s per SET</source>
        <translation>Najlepsza średnia: %1 s na SET</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Podpowiedzi: %1</translation>
    </message>
    <message>
        <source>Mixes: %1</source>
        <translation>Tasowania: %1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>reset statistics</source>
        <translation>wyzeruj statystyki</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Powrót do gry</translation>
    </message>
    <message>
        <source>Last game</source>
        <translation>Ostatnia gra</translation>
    </message>
    <message>
        <source>Last game: none played to its end yet</source>
        <translation>Ostatnia gra: jeszcze żadnej nie ukończono</translation>
    </message>
    <message>
        <source>Delete all statistics?</source>
        <translation>Usunąć wszystkie statystyki?</translation>
    </message>
    <message>
        <source>Last game, a deal played again</source>
        <translation>Ostatnia gra, układ zagrany ponownie</translation>
    </message>
</context>
<context>
    <name>TYesNoDlg</name>
    <message>
        <source>Hurrah, you did it!</source>
        <translation>Hurra, udało się!</translation>
    </message>
    <message>
        <source>Do you really want to give up the level?</source>
        <translation>Na pewno chcesz porzucić ten poziom?</translation>
    </message>
    <message>
        <source>Do you really want to go?</source>
        <translation>Na pewno chcesz już iść?</translation>
    </message>
    <message>
        <source>Do you really want to give up the game?</source>
        <translation>Na pewno chcesz przerwać grę?</translation>
    </message>
    <message>
        <source>Sorry, you weren&apos;t quick enough!</source>
        <translation>Niestety, to było za wolno!</translation>
    </message>
    <message>
        <source>Congratulation, you solved all levels.</source>
        <translation>Gratulacje, przeszedłeś wszystkie poziomy.</translation>
    </message>
    <message>
        <source>Sorry, game over!</source>
        <translation>Niestety, koniec gry!</translation>
    </message>
    <message>
        <source>The next level is waiting!</source>
        <translation>Następny poziom czeka!</translation>
    </message>
    <message>
        <source>Sorry, that was it!</source>
        <translation>Niestety, przegrana!</translation>
    </message>
    <message>
        <source>Game paused.<byte value="xd"/>Continue?</source>
        <translation>Gra wstrzymana.<byte value="xd"/>Grać dalej?</translation>
    </message>
    <message>
        <source>That was it!<byte value="xd"/>Repeat level?</source>
        <translation>Koniec!<byte value="xd"/>Powtórzyć poziom?</translation>
    </message>
    <message>
        <source>Hurrah, you made it!<byte value="xd"/>Continue with next level?</source>
        <translation>Hurra, udało się!<byte value="xd"/>Przejść do następnego poziomu?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
</context>
<context>
    <name>Tmainform</name>
    <message>
        <source>Score:</source>
        <translation>Punkty:</translation>
    </message>
    <message>
        <source>New here? The rules show the SETs in pictures, and a practice game (%1) counts no points.</source>
        <translation>Jesteś tu nowy? Zasady pokazują SET-y na obrazkach, a gra treningowa (%1) nie liczy punktów.</translation>
    </message>
    <message>
        <source>Practice, seconds:</source>
        <translation>Trening, sekundy:</translation>
    </message>
    <message>
        <source>SETs on the table: %1</source>
        <translation>SET-y na stole: %1</translation>
    </message>
    <message>
        <source>Practice, time played: %1, SETs on the table: %2</source>
        <translation>Trening, czas gry: %1, SET-y na stole: %2</translation>
    </message>
    <message>
        <source>Play this deal again</source>
        <translation>Zagraj ten układ jeszcze raz</translation>
    </message>
    <message>
        <source>Play a deal by its code…</source>
        <translation>Zagraj układ według kodu…</translation>
    </message>
</context>
<context>
    <name>WrongPick</name>
    <message>
        <source>colour two alike, one different</source>
        <translation>dwa kolory takie same, jeden inny</translation>
    </message>
    <message>
        <source>shape two alike, one different</source>
        <translation>dwa kształty takie same, jeden inny</translation>
    </message>
    <message>
        <source>number two alike, one different</source>
        <translation>dwie liczby takie same, jedna inna</translation>
    </message>
    <message>
        <source>fill two alike, one different</source>
        <translation>dwa wypełnienia takie same, jedno inne</translation>
    </message>
    <message>
        <source>Not a SET: </source>
        <translation>To nie SET: </translation>
    </message>
</context>
</TS>
