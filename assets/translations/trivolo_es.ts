<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CardNames</name>
    <message>
        <source>one %1 %2 square</source>
        <translation>un cuadrado %1 %2</translation>
    </message>
    <message>
        <source>one %1 %2 circle</source>
        <translation>un círculo %1 %2</translation>
    </message>
    <message>
        <source>one %1 %2 triangle</source>
        <translation>un triángulo %1 %2</translation>
    </message>
    <message>
        <source>two %1 %2 squares</source>
        <translation>dos cuadrados %1 %2</translation>
    </message>
    <message>
        <source>two %1 %2 circles</source>
        <translation>dos círculos %1 %2</translation>
    </message>
    <message>
        <source>two %1 %2 triangles</source>
        <translation>dos triángulos %1 %2</translation>
    </message>
    <message>
        <source>three %1 %2 squares</source>
        <translation>tres cuadrados %1 %2</translation>
    </message>
    <message>
        <source>three %1 %2 circles</source>
        <translation>tres círculos %1 %2</translation>
    </message>
    <message>
        <source>three %1 %2 triangles</source>
        <translation>tres triángulos %1 %2</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one square</comment>
        <translation>azul</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one circle</comment>
        <translation>azul</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one triangle</comment>
        <translation>azul</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two squares</comment>
        <translation>azules</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two circles</comment>
        <translation>azules</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two triangles</comment>
        <translation>azules</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three squares</comment>
        <translation>azules</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three circles</comment>
        <translation>azules</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three triangles</comment>
        <translation>azules</translation>
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
        <translation>verdes</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two circles</comment>
        <translation>verdes</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two triangles</comment>
        <translation>verdes</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three squares</comment>
        <translation>verdes</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three circles</comment>
        <translation>verdes</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three triangles</comment>
        <translation>verdes</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one square</comment>
        <translation>rojo</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one circle</comment>
        <translation>rojo</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one triangle</comment>
        <translation>rojo</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two squares</comment>
        <translation>rojos</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two circles</comment>
        <translation>rojos</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two triangles</comment>
        <translation>rojos</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three squares</comment>
        <translation>rojos</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three circles</comment>
        <translation>rojos</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three triangles</comment>
        <translation>rojos</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one square</comment>
        <translation>negro</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one circle</comment>
        <translation>negro</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one triangle</comment>
        <translation>negro</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two squares</comment>
        <translation>negros</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two circles</comment>
        <translation>negros</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two triangles</comment>
        <translation>negros</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three squares</comment>
        <translation>negros</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three circles</comment>
        <translation>negros</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three triangles</comment>
        <translation>negros</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one square</comment>
        <translation>naranja</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one circle</comment>
        <translation>naranja</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one triangle</comment>
        <translation>naranja</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two squares</comment>
        <translation>naranja</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two circles</comment>
        <translation>naranja</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two triangles</comment>
        <translation>naranja</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three squares</comment>
        <translation>naranja</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three circles</comment>
        <translation>naranja</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three triangles</comment>
        <translation>naranja</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one square</comment>
        <translation>vacío</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one circle</comment>
        <translation>vacío</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one triangle</comment>
        <translation>vacío</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two squares</comment>
        <translation>vacíos</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two circles</comment>
        <translation>vacíos</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two triangles</comment>
        <translation>vacíos</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three squares</comment>
        <translation>vacíos</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three circles</comment>
        <translation>vacíos</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three triangles</comment>
        <translation>vacíos</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one square</comment>
        <translation>relleno</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one circle</comment>
        <translation>relleno</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one triangle</comment>
        <translation>relleno</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two squares</comment>
        <translation>rellenos</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two circles</comment>
        <translation>rellenos</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two triangles</comment>
        <translation>rellenos</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three squares</comment>
        <translation>rellenos</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three circles</comment>
        <translation>rellenos</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three triangles</comment>
        <translation>rellenos</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one square</comment>
        <translation>rayado</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one circle</comment>
        <translation>rayado</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one triangle</comment>
        <translation>rayado</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two squares</comment>
        <translation>rayados</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two circles</comment>
        <translation>rayados</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two triangles</comment>
        <translation>rayados</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three squares</comment>
        <translation>rayados</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three circles</comment>
        <translation>rayados</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three triangles</comment>
        <translation>rayados</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>no card</comment>
        <translation>vacío</translation>
    </message>
</context>
<context>
    <name>ErrorTexts</name>
    <message>
        <source>There is no audio device to play music on.</source>
        <translation>No hay ningún dispositivo de audio para reproducir la música.</translation>
    </message>
    <message>
        <source>Music needs a General-MIDI soundfont, and none is installed (Debian&apos;s package timgm6mb-soundfont has one).</source>
        <translation>La música necesita un banco de sonidos General MIDI y no hay ninguno instalado (el paquete de Debian timgm6mb-soundfont trae uno).</translation>
    </message>
    <message>
        <source>The soundfont &quot;%1&quot; cannot be loaded.</source>
        <translation>No se puede cargar el banco de sonidos «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable file.</source>
        <translation>«%1» no es un archivo legible.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for a MIDI file.</source>
        <translation>«%1» es demasiado grande para ser un archivo MIDI.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MIDI file.</source>
        <translation>«%1» no es un archivo MIDI.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a damaged or truncated MIDI file.</source>
        <translation>«%1» es un archivo MIDI dañado o incompleto.</translation>
    </message>
    <message>
        <source>The sound library libtrivolo_audio.so is missing.</source>
        <translation>Falta la biblioteca de sonido libtrivolo_audio.so.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read, because %2. The game starts with its defaults.</source>
        <translation>No se pudo leer el archivo de configuración «%1» porque %2. El juego empieza con los valores predeterminados.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written, because %2. It keeps what it held before; not saved: %3.</source>
        <translation>No se pudo escribir el archivo de configuración «%1» porque %2. Conserva lo que tenía; sin guardar: %3.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; holds no topic %2.</source>
        <translation>El archivo de ayuda «%1» no contiene el tema %2.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; is missing.</source>
        <translation>Falta el archivo de ayuda «%1».</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se produjo un error inesperado.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is too large to be a settings file</source>
        <translation>es demasiado grande para ser un archivo de configuración</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>su sistema de archivos es de solo lectura</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>another program holds its lock &quot;%1&quot; (or it cannot be read)</source>
        <translation>otro programa tiene su bloqueo «%1» (o no se puede leer)</translation>
    </message>
    <message>
        <source>its folder cannot be written to</source>
        <translation>no se puede escribir en su carpeta</translation>
    </message>
    <message>
        <source>its lock &quot;%1&quot; cannot be made</source>
        <translation>no se puede crear su bloqueo «%1»</translation>
    </message>
</context>
<context>
    <name>MainTexts</name>
    <message>
        <source>No more SET possible.<byte value="xd"/>You are at the end.</source>
        <translation>No queda ningún SET posible.<byte value="xd"/>Has llegado al final.</translation>
    </message>
    <message>
        <source>No SET in the deck. Shall I mix up the deck?</source>
        <translation>No hay ningún SET en la mesa. ¿Mezclo las cartas?</translation>
    </message>
    <message>
        <source>I want to mix up the remaining cards.</source>
        <translation>Quiero mezclar las cartas que quedan.</translation>
    </message>
    <message>
        <source>I start again.</source>
        <translation>Empiezo de nuevo.</translation>
    </message>
    <message>
        <source>I need a break.</source>
        <translation>Necesito un descanso.</translation>
    </message>
    <message>
        <source>Who are the best?</source>
        <translation>¿Quiénes son los mejores?</translation>
    </message>
    <message>
        <source>Please show me a SET.</source>
        <translation>Muéstrame un SET, por favor.</translation>
    </message>
    <message>
        <source> I want to change the options.</source>
        <translation>Quiero cambiar las opciones.</translation>
    </message>
    <message>
        <source>Who did these MOLLBERG GAME?</source>
        <translation>¿Quién ha inventado este juego?</translation>
    </message>
    <message>
        <source>What&apos;s to do here?</source>
        <translation>¿De qué va esto?</translation>
    </message>
    <message>
        <source>I have enough!</source>
        <translation>¡Ya tengo bastante!</translation>
    </message>
    <message>
        <source>Ctrl+</source>
        <comment>the control key, as the keyboard names it</comment>
        <translation>Ctrl+</translation>
    </message>
    <message>
        <source>Key: </source>
        <translation>Tecla: </translation>
    </message>
    <message>
        <source>Practice over: all cards taken in %1.</source>
        <translation>Práctica terminada: todas las cartas tomadas en %1.</translation>
    </message>
    <message numerus="yes">
        <source>Practice over: no SET left, %n cards still in play.<byte value="xd"/>Time: %1.</source>
        <translation>
            <numerusform>Práctica terminada: no queda ningún SET, %n carta aún en juego.<byte value="xd"/>Tiempo: %1.</numerusform>
            <numerusform>Práctica terminada: no queda ningún SET, %n cartas aún en juego.<byte value="xd"/>Tiempo: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>I want to practise: no points, free hints.</source>
        <translation>Quiero practicar: sin puntos, pistas gratis.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <comment>a deal code follows</comment>
        <translation>Reparto %1</translation>
    </message>
    <message>
        <source>I want to play a deal again.</source>
        <translation>Quiero jugar un reparto otra vez.</translation>
    </message>
</context>
<context>
    <name>TBoardAccessible</name>
    <message>
        <source>Table</source>
        <comment>the board, for screen readers</comment>
        <translation>Mesa de juego</translation>
    </message>
</context>
<context>
    <name>TBoardReader</name>
    <message>
        <source>hidden</source>
        <comment>a card while the game is paused</comment>
        <translation>oculta</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Puntos: %1</translation>
    </message>
    <message>
        <source>game running</source>
        <translation>partida en curso</translation>
    </message>
    <message>
        <source>game paused</source>
        <translation>partida en pausa</translation>
    </message>
    <message>
        <source>game over</source>
        <translation>partida terminada</translation>
    </message>
</context>
<context>
    <name>TDealCodeDlg</name>
    <message>
        <source>Play a deal by its code</source>
        <translation>Jugar un reparto por su código</translation>
    </message>
    <message>
        <source>The deal&apos;s code:</source>
        <translation>El código del reparto:</translation>
    </message>
    <message>
        <source>Deal it</source>
        <translation>Repartir</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Volver al juego</translation>
    </message>
    <message>
        <source>That is no deal code. A code has 14 letters and digits, like %1.</source>
        <translation>Eso no es un código de reparto. Un código tiene 14 letras y cifras, como %1.</translation>
    </message>
</context>
<context>
    <name>THighscoreDlg</name>
    <message>
        <source>Trivolo - Highscore</source>
        <translation>Trivolo - Récords</translation>
    </message>
    <message>
        <source>remove all entries</source>
        <translation>borrar toda la lista</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>put in list</source>
        <translation>apuntar en la lista</translation>
    </message>
    <message>
        <source>Close the list</source>
        <translation>Cerrar la lista</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
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
Versión %1

un juego de Mollberg

Idea, programación, gráficos y música:
Mollberg Spiele

¡Que te diviertas buscando SET!</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Volver al juego</translation>
    </message>
    <message>
        <source>Statistics (T)</source>
        <translation>Estadísticas (T)</translation>
    </message>
</context>
<context>
    <name>TOptionDlg</name>
    <message>
        <source>Back to game</source>
        <translation>Volver al juego</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Cambiar idioma</translation>
    </message>
    <message>
        <source>I speak English.</source>
        <translation>Hablo español.</translation>
    </message>
    <message>
        <source>Sound on or off</source>
        <translation>Activar o desactivar los sonidos</translation>
    </message>
    <message>
        <source>Sound is on.</source>
        <translation>Sonidos activados.</translation>
    </message>
    <message>
        <source>Sound is off.</source>
        <translation>Sonidos desactivados.</translation>
    </message>
    <message>
        <source>Music on or off.</source>
        <translation>Activar o desactivar la música.</translation>
    </message>
    <message>
        <source>No music files available.</source>
        <translation>No hay archivos de música.</translation>
    </message>
    <message>
        <source>Music: </source>
        <translation>Música: </translation>
    </message>
    <message>
        <source>Music is off.</source>
        <translation>Música desactivada.</translation>
    </message>
    <message>
        <source>Change background</source>
        <translation>Cambiar el fondo</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrón</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>Background: </source>
        <translation>Fondo: </translation>
    </message>
    <message>
        <source>Activate/deactivate SET detector</source>
        <translation>Activar/desactivar el detector de SET</translation>
    </message>
    <message>
        <source>SETs will be detected.</source>
        <translation>Detector de SET activado.</translation>
    </message>
    <message>
        <source>SETs won&apos;t be detected.</source>
        <translation>Detector de SET desactivado.</translation>
    </message>
    <message>
        <source>Change the symbols&apos; colours</source>
        <translation>Cambiar los colores de los símbolos</translation>
    </message>
    <message>
        <source>Colours: easy to tell apart</source>
        <translation>Colores: fáciles de distinguir</translation>
    </message>
    <message>
        <source>Colours: standard</source>
        <translation>Colores: estándar</translation>
    </message>
</context>
<context>
    <name>TReviewChart</name>
    <message>
        <source>Seconds per SET</source>
        <translation>Segundos por SET</translation>
    </message>
    <message>
        <source>break-even %1 s</source>
        <translation>umbral de rentabilidad %1 s</translation>
    </message>
    <message>
        <source>No SET. </source>
        <translation>Ningún SET. </translation>
    </message>
    <message>
        <source>%1 s: break-even</source>
        <translation>%1 s: umbral</translation>
    </message>
</context>
<context>
    <name>TReviewDlg</name>
    <message>
        <source>Your game</source>
        <translation>Tu partida</translation>
    </message>
    <message>
        <source>show after every game</source>
        <translation>mostrar tras cada partida</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Volver al juego</translation>
    </message>
    <message numerus="yes">
        <source>Score: %1, %n SETs</source>
        <translation>
            <numerusform>Puntos: %1, %n SET</numerusform>
            <numerusform>Puntos: %1, %n SET</numerusform>
        </translation>
    </message>
    <message>
        <source>Your game, a deal played again</source>
        <translation>Tu partida, un reparto jugado de nuevo</translation>
    </message>
</context>
<context>
    <name>TReviewPanel</name>
    <message>
        <source>Score: %1</source>
        <translation>Puntos: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
    <message>
        <source>SETs: %1</source>
        <translation>SET: %1</translation>
    </message>
    <message>
        <source>Average: %1 s per SET</source>
        <translation>Media: %1 s por SET</translation>
    </message>
    <message>
        <source>Cards left: %1</source>
        <translation>Cartas restantes: %1</translation>
    </message>
    <message>
        <source>10 SETs after %1</source>
        <translation>10 SET en %1</translation>
    </message>
    <message>
        <source>20 SETs after %1</source>
        <translation>20 SET en %1</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Pistas: %1</translation>
    </message>
    <message>
        <source>Mixes: %1</source>
        <translation>Mezclas: %1</translation>
    </message>
    <message>
        <source>All cards taken</source>
        <translation>Todas las cartas recogidas</translation>
    </message>
    <message>
        <source>No SET left</source>
        <translation>No queda ningún SET</translation>
    </message>
    <message>
        <source>Slowest SET: %1 s</source>
        <translation>SET más lento: %1 s</translation>
    </message>
</context>
<context>
    <name>TRulePictures</name>
    <message>
        <source>A SET: only the colour differs, everything else is alike.</source>
        <translation>Un SET: solo el color es distinto, todo lo demás es igual.</translation>
    </message>
    <message>
        <source>A SET: colour and number differ, shape and fill are alike.</source>
        <translation>Un SET: el color y el número son distintos, la forma y el relleno son iguales.</translation>
    </message>
    <message>
        <source>A SET: colour, shape and fill differ, the number is alike.</source>
        <translation>Un SET: el color, la forma y el relleno son distintos, el número es igual.</translation>
    </message>
    <message>
        <source>A SET: all four attributes differ.</source>
        <translation>Un SET: las cuatro características son distintas.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same colour, the third has another.</source>
        <translation>No es un SET: dos cartas tienen el mismo color, la tercera otro.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same shape, the third has another.</source>
        <translation>No es un SET: dos cartas tienen la misma forma, la tercera otra.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same fill, the third has another.</source>
        <translation>No es un SET: dos cartas tienen el mismo relleno, la tercera otro.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same number of symbols, the third has another.</source>
        <translation>No es un SET: dos cartas tienen el mismo número de símbolos, la tercera otro.</translation>
    </message>
    <message>
        <source>The cards: %1.</source>
        <translation>Las cartas: %1.</translation>
    </message>
    <message>
        <source>Worked out: shape and fill are alike, colour and number differ.</source>
        <translation>La cuenta: la forma y el relleno son iguales, el color y el número distintos.</translation>
    </message>
    <message>
        <source>3 cards × %1 = %2 points</source>
        <translation>3 cartas × %1 = %2 puntos</translation>
    </message>
    <message>
        <source>2 attributes alike × %1 = %2 points</source>
        <translation>2 características iguales × %1 = %2 puntos</translation>
    </message>
    <message>
        <source>2 attributes different × %1 = %2 points</source>
        <translation>2 características distintas × %1 = %2 puntos</translation>
    </message>
    <message>
        <source>With the SET detector on: %1 + %2 = %3 points</source>
        <translation>Con el detector de SET: %1 + %2 = %3 puntos</translation>
    </message>
    <message>
        <source>With the SET detector off the bonus counts twice: %1 + 2 × %2 = %3 points</source>
        <translation>Sin el detector de SET, la bonificación cuenta doble: %1 + 2 × %2 = %3 puntos</translation>
    </message>
    <message>
        <source>The buttons, each with its key: the bar above the cards, left and right, then the practice game&apos;s button left of the cards.</source>
        <translation>Los botones, cada uno con su tecla: la barra sobre las cartas, a la izquierda y a la derecha, y luego el botón de la partida de práctica a la izquierda de las cartas.</translation>
    </message>
</context>
<context>
    <name>TStatsDlg</name>
    <message>
        <source>Played to the end: %1</source>
        <translation>Terminadas: %1</translation>
    </message>
    <message>
        <source>Abandoned: %1</source>
        <translation>Abandonadas: %1</translation>
    </message>
    <message>
        <source>SETs: %1</source>
        <translation>SET: %1</translation>
    </message>
    <message>
        <source>Time played: %1</source>
        <translation>Tiempo total: %1</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Mejor puntuación: %1</translation>
    </message>
    <message>
        <source>Fastest game: %1</source>
        <translation>Partida más rápida: %1</translation>
    </message>
    <message>
        <source>Best average: %1 s per SET</source>
        <translation>Mejor media: %1 s por SET</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Pistas: %1</translation>
    </message>
    <message>
        <source>Mixes: %1</source>
        <translation>Mezclas: %1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>reset statistics</source>
        <translation>borrar las estadísticas</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Volver al juego</translation>
    </message>
    <message>
        <source>Last game</source>
        <translation>Última partida</translation>
    </message>
    <message>
        <source>Last game: none played to its end yet</source>
        <translation>Última partida: aún no has terminado ninguna</translation>
    </message>
    <message>
        <source>Delete all statistics?</source>
        <translation>¿Borrar todas las estadísticas?</translation>
    </message>
    <message>
        <source>Last game, a deal played again</source>
        <translation>Última partida, un reparto jugado de nuevo</translation>
    </message>
</context>
<context>
    <name>TYesNoDlg</name>
    <message>
        <source>Hurrah, you did it!</source>
        <translation>¡Hurra, lo has conseguido!</translation>
    </message>
    <message>
        <source>Do you really want to give up the level?</source>
        <translation>¿De verdad quieres abandonar el nivel?</translation>
    </message>
    <message>
        <source>Do you really want to go?</source>
        <translation>¿De verdad quieres irte ya?</translation>
    </message>
    <message>
        <source>Do you really want to give up the game?</source>
        <translation>¿De verdad quieres abandonar la partida?</translation>
    </message>
    <message>
        <source>Sorry, you weren&apos;t quick enough!</source>
        <translation>¡Lo siento, no has sido lo bastante rápido!</translation>
    </message>
    <message>
        <source>Congratulation, you solved all levels.</source>
        <translation>Enhorabuena, has superado todos los niveles.</translation>
    </message>
    <message>
        <source>Sorry, game over!</source>
        <translation>¡Lo siento, fin de la partida!</translation>
    </message>
    <message>
        <source>The next level is waiting!</source>
        <translation>¡El siguiente nivel te espera!</translation>
    </message>
    <message>
        <source>Sorry, that was it!</source>
        <translation>¡Lo siento, has perdido!</translation>
    </message>
    <message>
        <source>Game paused.<byte value="xd"/>Continue?</source>
        <translation>Partida en pausa.<byte value="xd"/>¿Seguimos?</translation>
    </message>
    <message>
        <source>That was it!<byte value="xd"/>Repeat level?</source>
        <translation>¡Se acabó!<byte value="xd"/>¿Repetir el nivel?</translation>
    </message>
    <message>
        <source>Hurrah, you made it!<byte value="xd"/>Continue with next level?</source>
        <translation>¡Hurra, lo lograste!<byte value="xd"/>¿Pasar al siguiente nivel?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
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
        <translation>Puntos:</translation>
    </message>
    <message>
        <source>New here? The rules show the SETs in pictures, and a practice game (%1) counts no points.</source>
        <translation>¿Eres nuevo? Las reglas muestran los SET en imágenes, y una partida de práctica (%1) no cuenta puntos.</translation>
    </message>
    <message>
        <source>Practice, seconds:</source>
        <translation>Práctica, segundos:</translation>
    </message>
    <message>
        <source>SETs on the table: %1</source>
        <translation>SET en la mesa: %1</translation>
    </message>
    <message>
        <source>Practice, time played: %1, SETs on the table: %2</source>
        <translation>Práctica, tiempo jugado: %1, SET en la mesa: %2</translation>
    </message>
    <message>
        <source>Play this deal again</source>
        <translation>Jugar este reparto otra vez</translation>
    </message>
    <message>
        <source>Play a deal by its code…</source>
        <translation>Jugar un reparto por su código…</translation>
    </message>
</context>
<context>
    <name>WrongPick</name>
    <message>
        <source>colour two alike, one different</source>
        <translation>dos colores iguales y uno distinto</translation>
    </message>
    <message>
        <source>shape two alike, one different</source>
        <translation>dos formas iguales y una distinta</translation>
    </message>
    <message>
        <source>number two alike, one different</source>
        <translation>dos cantidades iguales y una distinta</translation>
    </message>
    <message>
        <source>fill two alike, one different</source>
        <translation>dos rellenos iguales y uno distinto</translation>
    </message>
    <message>
        <source>Not a SET: </source>
        <translation>No es un SET: </translation>
    </message>
</context>
</TS>
