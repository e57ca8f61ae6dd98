<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CardNames</name>
    <message>
        <source>one %1 %2 square</source>
        <translation>один %1 %2 квадрат</translation>
    </message>
    <message>
        <source>one %1 %2 circle</source>
        <translation>один %1 %2 круг</translation>
    </message>
    <message>
        <source>one %1 %2 triangle</source>
        <translation>один %1 %2 треугольник</translation>
    </message>
    <message>
        <source>two %1 %2 squares</source>
        <translation>два %1 %2 квадрата</translation>
    </message>
    <message>
        <source>two %1 %2 circles</source>
        <translation>два %1 %2 круга</translation>
    </message>
    <message>
        <source>two %1 %2 triangles</source>
        <translation>два %1 %2 треугольника</translation>
    </message>
    <message>
        <source>three %1 %2 squares</source>
        <translation>три %1 %2 квадрата</translation>
    </message>
    <message>
        <source>three %1 %2 circles</source>
        <translation>три %1 %2 круга</translation>
    </message>
    <message>
        <source>three %1 %2 triangles</source>
        <translation>три %1 %2 треугольника</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one square</comment>
        <translation>синий</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one circle</comment>
        <translation>синий</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>one triangle</comment>
        <translation>синий</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two squares</comment>
        <translation>синих</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two circles</comment>
        <translation>синих</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two triangles</comment>
        <translation>синих</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three squares</comment>
        <translation>синих</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three circles</comment>
        <translation>синих</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three triangles</comment>
        <translation>синих</translation>
    </message>
    <message>
        <source>green</source>
        <comment>one square</comment>
        <translation>зелёный</translation>
    </message>
    <message>
        <source>green</source>
        <comment>one circle</comment>
        <translation>зелёный</translation>
    </message>
    <message>
        <source>green</source>
        <comment>one triangle</comment>
        <translation>зелёный</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two squares</comment>
        <translation>зелёных</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two circles</comment>
        <translation>зелёных</translation>
    </message>
    <message>
        <source>green</source>
        <comment>two triangles</comment>
        <translation>зелёных</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three squares</comment>
        <translation>зелёных</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three circles</comment>
        <translation>зелёных</translation>
    </message>
    <message>
        <source>green</source>
        <comment>three triangles</comment>
        <translation>зелёных</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one square</comment>
        <translation>красный</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one circle</comment>
        <translation>красный</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one triangle</comment>
        <translation>красный</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two squares</comment>
        <translation>красных</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two circles</comment>
        <translation>красных</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two triangles</comment>
        <translation>красных</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three squares</comment>
        <translation>красных</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three circles</comment>
        <translation>красных</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three triangles</comment>
        <translation>красных</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one square</comment>
        <translation>чёрный</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one circle</comment>
        <translation>чёрный</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one triangle</comment>
        <translation>чёрный</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two squares</comment>
        <translation>чёрных</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two circles</comment>
        <translation>чёрных</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two triangles</comment>
        <translation>чёрных</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three squares</comment>
        <translation>чёрных</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three circles</comment>
        <translation>чёрных</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three triangles</comment>
        <translation>чёрных</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one square</comment>
        <translation>оранжевый</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one circle</comment>
        <translation>оранжевый</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one triangle</comment>
        <translation>оранжевый</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two squares</comment>
        <translation>оранжевых</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two circles</comment>
        <translation>оранжевых</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two triangles</comment>
        <translation>оранжевых</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three squares</comment>
        <translation>оранжевых</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three circles</comment>
        <translation>оранжевых</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three triangles</comment>
        <translation>оранжевых</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one square</comment>
        <translation>пустой</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one circle</comment>
        <translation>пустой</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one triangle</comment>
        <translation>пустой</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two squares</comment>
        <translation>пустых</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two circles</comment>
        <translation>пустых</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two triangles</comment>
        <translation>пустых</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three squares</comment>
        <translation>пустых</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three circles</comment>
        <translation>пустых</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three triangles</comment>
        <translation>пустых</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one square</comment>
        <translation>закрашенный</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one circle</comment>
        <translation>закрашенный</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one triangle</comment>
        <translation>закрашенный</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two squares</comment>
        <translation>закрашенных</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two circles</comment>
        <translation>закрашенных</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two triangles</comment>
        <translation>закрашенных</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three squares</comment>
        <translation>закрашенных</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three circles</comment>
        <translation>закрашенных</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three triangles</comment>
        <translation>закрашенных</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one square</comment>
        <translation>заштрихованный</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one circle</comment>
        <translation>заштрихованный</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one triangle</comment>
        <translation>заштрихованный</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two squares</comment>
        <translation>заштрихованных</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two circles</comment>
        <translation>заштрихованных</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two triangles</comment>
        <translation>заштрихованных</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three squares</comment>
        <translation>заштрихованных</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three circles</comment>
        <translation>заштрихованных</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three triangles</comment>
        <translation>заштрихованных</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>no card</comment>
        <translation>пусто</translation>
    </message>
</context>
<context>
    <name>ErrorTexts</name>
    <message>
        <source>There is no audio device to play music on.</source>
        <translation>Нет звукового устройства для воспроизведения музыки.</translation>
    </message>
    <message>
        <source>Music needs a General-MIDI soundfont, and none is installed (Debian&apos;s package timgm6mb-soundfont has one).</source>
        <translation>Для музыки нужен банк звуков General MIDI, но ни один не установлен (он есть в пакете Debian timgm6mb-soundfont).</translation>
    </message>
    <message>
        <source>The soundfont &quot;%1&quot; cannot be loaded.</source>
        <translation>Не удаётся загрузить банк звуков «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable file.</source>
        <translation>«%1» — не читаемый файл.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for a MIDI file.</source>
        <translation>«%1» слишком велик для MIDI-файла.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MIDI file.</source>
        <translation>«%1» — не MIDI-файл.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a damaged or truncated MIDI file.</source>
        <translation>«%1» — повреждённый или неполный MIDI-файл.</translation>
    </message>
    <message>
        <source>The sound library libtrivolo_audio.so is missing.</source>
        <translation>Отсутствует звуковая библиотека libtrivolo_audio.so.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read, because %2. The game starts with its defaults.</source>
        <translation>Не удалось прочитать файл настроек «%1»: %2. Игра запускается с настройками по умолчанию.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written, because %2. It keeps what it held before; not saved: %3.</source>
        <translation>Не удалось записать файл настроек «%1»: %2. В нём осталось прежнее содержимое; не сохранено: %3.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; holds no topic %2.</source>
        <translation>В файле справки «%1» нет раздела %2.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; is missing.</source>
        <translation>Файл справки «%1» отсутствует.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Произошла непредвиденная ошибка.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>его невозможно прочитать</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it is too large to be a settings file</source>
        <translation>он слишком велик для файла настроек</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>его файловая система доступна только для чтения</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>another program holds its lock &quot;%1&quot; (or it cannot be read)</source>
        <translation>его блокировку «%1» удерживает другая программа (или её невозможно прочитать)</translation>
    </message>
    <message>
        <source>its folder cannot be written to</source>
        <translation>в его папку нельзя записывать</translation>
    </message>
    <message>
        <source>its lock &quot;%1&quot; cannot be made</source>
        <translation>не удаётся создать его блокировку «%1»</translation>
    </message>
</context>
<context>
    <name>MainTexts</name>
    <message>
        <source>No more SET possible.<byte value="xd"/>You are at the end.</source>
        <translation>Больше ни одного SET.<byte value="xd"/>Игра окончена.</translation>
    </message>
    <message>
        <source>No SET in the deck. Shall I mix up the deck?</source>
        <translation>На столе нет SET. Перемешать карты?</translation>
    </message>
    <message>
        <source>I want to mix up the remaining cards.</source>
        <translation>Хочу перемешать оставшиеся карты.</translation>
    </message>
    <message>
        <source>I start again.</source>
        <translation>Начинаю заново.</translation>
    </message>
    <message>
        <source>I need a break.</source>
        <translation>Мне нужен перерыв.</translation>
    </message>
    <message>
        <source>Who are the best?</source>
        <translation>Кто лучшие?</translation>
    </message>
    <message>
        <source>Please show me a SET.</source>
        <translation>Покажи мне, пожалуйста, SET.</translation>
    </message>
    <message>
        <source> I want to change the options.</source>
        <translation>Хочу изменить настройки.</translation>
    </message>
    <message>
        <source>Who did these MOLLBERG GAME?</source>
        <translation>Кто придумал эту игру?</translation>
    </message>
    <message>
        <source>What&apos;s to do here?</source>
        <translation>Что здесь нужно делать?</translation>
    </message>
    <message>
        <source>I have enough!</source>
        <translation>С меня хватит!</translation>
    </message>
    <message>
        <source>Ctrl+</source>
        <comment>the control key, as the keyboard names it</comment>
        <translation>Ctrl+</translation>
    </message>
    <message>
        <source>Key: </source>
        <translation>Клавиша: </translation>
    </message>
    <message>
        <source>Practice over: all cards taken in %1.</source>
        <translation>Тренировка окончена: все карты взяты за %1.</translation>
    </message>
    <message numerus="yes">
        <source>Practice over: no SET left, %n cards still in play.<byte value="xd"/>Time: %1.</source>
        <translation>
            <numerusform>Тренировка окончена: SET больше нет, в игре ещё %n карта.<byte value="xd"/>Время: %1.</numerusform>
            <numerusform>Тренировка окончена: SET больше нет, в игре ещё %n карты.<byte value="xd"/>Время: %1.</numerusform>
            <numerusform>Тренировка окончена: SET больше нет, в игре ещё %n карт.<byte value="xd"/>Время: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>I want to practise: no points, free hints.</source>
        <translation>Хочу потренироваться: без очков, подсказки бесплатно.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <comment>a deal code follows</comment>
        <translation>Расклад %1</translation>
    </message>
    <message>
        <source>I want to play a deal again.</source>
        <translation>Хочу сыграть расклад ещё раз.</translation>
    </message>
</context>
<context>
    <name>TBoardAccessible</name>
    <message>
        <source>Table</source>
        <comment>the board, for screen readers</comment>
        <translation>Игровой стол</translation>
    </message>
</context>
<context>
    <name>TBoardReader</name>
    <message>
        <source>hidden</source>
        <comment>a card while the game is paused</comment>
        <translation>скрыта</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Очки: %1</translation>
    </message>
    <message>
        <source>game running</source>
        <translation>идёт игра</translation>
    </message>
    <message>
        <source>game paused</source>
        <translation>игра на паузе</translation>
    </message>
    <message>
        <source>game over</source>
        <translation>игра окончена</translation>
    </message>
</context>
<context>
    <name>TDealCodeDlg</name>
    <message>
        <source>Play a deal by its code</source>
        <translation>Сыграть расклад по коду</translation>
    </message>
    <message>
        <source>The deal&apos;s code:</source>
        <translation>Код расклада:</translation>
    </message>
    <message>
        <source>Deal it</source>
        <translation>Раздать</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Назад к игре</translation>
    </message>
    <message>
        <source>That is no deal code. A code has 14 letters and digits, like %1.</source>
        <translation>Это не код расклада. В коде 14 букв и цифр, например %1.</translation>
    </message>
</context>
<context>
    <name>THighscoreDlg</name>
    <message>
        <source>Trivolo - Highscore</source>
        <translation>Trivolo - Рекорды</translation>
    </message>
    <message>
        <source>remove all entries</source>
        <translation>очистить весь список</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>put in list</source>
        <translation>внести в список</translation>
    </message>
    <message>
        <source>Close the list</source>
        <translation>Закрыть список</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Твоё имя</translation>
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
Версия %1

игра от Mollberg

Идея, программа, графика и музыка:
Mollberg Spiele

Удачи в поиске SET!</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Назад к игре</translation>
    </message>
    <message>
        <source>Statistics (T)</source>
        <translation>Статистика (T)</translation>
    </message>
</context>
<context>
    <name>TOptionDlg</name>
    <message>
        <source>Back to game</source>
        <translation>Назад к игре</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Настройки:</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Сменить язык</translation>
    </message>
    <message>
        <source>I speak English.</source>
        <translation>Я говорю по-русски.</translation>
    </message>
    <message>
        <source>Sound on or off</source>
        <translation>Включить или выключить звуки</translation>
    </message>
    <message>
        <source>Sound is on.</source>
        <translation>Звуки включены.</translation>
    </message>
    <message>
        <source>Sound is off.</source>
        <translation>Звуки выключены.</translation>
    </message>
    <message>
        <source>Music on or off.</source>
        <translation>Включить или выключить музыку.</translation>
    </message>
    <message>
        <source>No music files available.</source>
        <translation>Нет файлов с музыкой.</translation>
    </message>
    <message>
        <source>Music: </source>
        <translation>Музыка: </translation>
    </message>
    <message>
        <source>Music is off.</source>
        <translation>Музыка выключена.</translation>
    </message>
    <message>
        <source>Change background</source>
        <translation>Сменить фон</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>серый</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>коричневый</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелёный</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>синий</translation>
    </message>
    <message>
        <source>red</source>
        <translation>красный</translation>
    </message>
    <message>
        <source>Background: </source>
        <translation>Фон: </translation>
    </message>
    <message>
        <source>Activate/deactivate SET detector</source>
        <translation>Включить/выключить детектор SET</translation>
    </message>
    <message>
        <source>SETs will be detected.</source>
        <translation>Детектор SET включён.</translation>
    </message>
    <message>
        <source>SETs won&apos;t be detected.</source>
        <translation>Детектор SET выключен.</translation>
    </message>
    <message>
        <source>Change the symbols&apos; colours</source>
        <translation>Сменить цвета символов</translation>
    </message>
    <message>
        <source>Colours: easy to tell apart</source>
        <translation>Цвета: легко различимые</translation>
    </message>
    <message>
        <source>Colours: standard</source>
        <translation>Цвета: обычные</translation>
    </message>
</context>
<context>
    <name>TReviewChart</name>
    <message>
        <source>Seconds per SET</source>
        <translation>Секунды на SET</translation>
    </message>
    <message>
        <source>break-even %1 s</source>
        <translation>безубыточность %1 с</translation>
    </message>
    <message>
        <source>No SET. </source>
        <translation>Нет SET. </translation>
    </message>
    <message>
        <source>%1 s: break-even</source>
        <translation>%1 с: безубыточность</translation>
    </message>
</context>
<context>
    <name>TReviewDlg</name>
    <message>
        <source>Your game</source>
        <translation>Твоя игра</translation>
    </message>
    <message>
        <source>show after every game</source>
        <translation>показывать после каждой игры</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Назад к игре</translation>
    </message>
    <message numerus="yes">
        <source>Score: %1, %n SETs</source>
        <translation>
            <numerusform>Очки: %1, %n SET</numerusform>
            <numerusform>Очки: %1, %n SET</numerusform>
            <numerusform>Очки: %1, %n SET</numerusform>
        </translation>
    </message>
    <message>
        <source>Your game, a deal played again</source>
        <translation>Твоя игра, расклад сыгран повторно</translation>
    </message>
</context>
<context>
    <name>TReviewPanel</name>
    <message>
        <source>Score: %1</source>
        <translation>Очки: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Время: %1</translation>
    </message>
    <message>
        <source>SETs: %1</source>
        <translation>SET: %1</translation>
    </message>
    <message>
        <source>Average: %1 s per SET</source>
        <translation>В среднем: %1 с на SET</translation>
    </message>
    <message>
        <source>Cards left: %1</source>
        <translation>Осталось карт: %1</translation>
    </message>
    <message>
        <source>10 SETs after %1</source>
        <translation>10 SET за %1</translation>
    </message>
    <message>
        <source>20 SETs after %1</source>
        <translation>20 SET за %1</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Подсказки: %1</translation>
    </message>
    <message>
        <source>Mixes: %1</source>
        <translation>Перемешивания: %1</translation>
    </message>
    <message>
        <source>All cards taken</source>
        <translation>Все карты собраны</translation>
    </message>
    <message>
        <source>No SET left</source>
        <translation>SET больше нет</translation>
    </message>
    <message>
        <source>Slowest SET: %1 s</source>
        <translation>Самый долгий SET: %1 с</translation>
    </message>
</context>
<context>
    <name>TRulePictures</name>
    <message>
        <source>A SET: only the colour differs, everything else is alike.</source>
        <translation>SET: различается только цвет, всё остальное одинаково.</translation>
    </message>
    <message>
        <source>A SET: colour and number differ, shape and fill are alike.</source>
        <translation>SET: цвет и количество различаются, форма и заливка одинаковы.</translation>
    </message>
    <message>
        <source>A SET: colour, shape and fill differ, the number is alike.</source>
        <translation>SET: цвет, форма и заливка различаются, количество одинаково.</translation>
    </message>
    <message>
        <source>A SET: all four attributes differ.</source>
        <translation>SET: все четыре признака различаются.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same colour, the third has another.</source>
        <translation>Не SET: у двух карт один цвет, у третьей другой.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same shape, the third has another.</source>
        <translation>Не SET: у двух карт одна форма, у третьей другая.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same fill, the third has another.</source>
        <translation>Не SET: у двух карт одна заливка, у третьей другая.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same number of symbols, the third has another.</source>
        <translation>Не SET: у двух карт одинаковое число символов, у третьей другое.</translation>
    </message>
    <message>
        <source>The cards: %1.</source>
        <translation>Карты: %1.</translation>
    </message>
    <message>
        <source>Worked out: shape and fill are alike, colour and number differ.</source>
        <translation>Расчёт: форма и заливка одинаковы, цвет и количество различаются.</translation>
    </message>
    <message>
        <source>3 cards × %1 = %2 points</source>
        <translation>3 карты × %1 = %2</translation>
    </message>
    <message>
        <source>2 attributes alike × %1 = %2 points</source>
        <translation>2 одинаковых признака × %1 = %2</translation>
    </message>
    <message>
        <source>2 attributes different × %1 = %2 points</source>
        <translation>2 разных признака × %1 = %2</translation>
    </message>
    <message>
        <source>With the SET detector on: %1 + %2 = %3 points</source>
        <translation>С детектором SET: %1 + %2 = %3</translation>
    </message>
    <message>
        <source>With the SET detector off the bonus counts twice: %1 + 2 × %2 = %3 points</source>
        <translation>Без детектора SET бонус считается дважды: %1 + 2 × %2 = %3</translation>
    </message>
    <message>
        <source>The buttons, each with its key: the bar above the cards, left and right, then the practice game&apos;s button left of the cards.</source>
        <translation>Кнопки, каждая со своей клавишей: полоса над картами, слева и справа, затем кнопка тренировочной игры слева от карт.</translation>
    </message>
</context>
<context>
    <name>TStatsDlg</name>
    <message>
        <source>Played to the end: %1</source>
        <translation>Сыграно до конца: %1</translation>
    </message>
    <message>
        <source>Abandoned: %1</source>
        <translation>Прервано: %1</translation>
    </message>
    <message>
        <source>SETs: %1</source>
        <translation>SET: %1</translation>
    </message>
    <message>
        <source>Time played: %1</source>
        <translation>Время игры: %1</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Лучший счёт: %1</translation>
    </message>
    <message>
        <source>Fastest game: %1</source>
        <translation>Лучшее время: %1</translation>
    </message>
    <message>
        <source>Best average: %1 s per SET</source>
        <translation>Лучшее среднее: %1 с на SET</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Подсказки: %1</translation>
    </message>
    <message>
        <source>Mixes: %1</source>
        <translation>Перемешивания: %1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>reset statistics</source>
        <translation>сбросить статистику</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Назад к игре</translation>
    </message>
    <message>
        <source>Last game</source>
        <translation>Последняя игра</translation>
    </message>
    <message>
        <source>Last game: none played to its end yet</source>
        <translation>Последняя игра: пока ни одной до конца</translation>
    </message>
    <message>
        <source>Delete all statistics?</source>
        <translation>Удалить всю статистику?</translation>
    </message>
    <message>
        <source>Last game, a deal played again</source>
        <translation>Последняя игра, расклад сыгран повторно</translation>
    </message>
</context>
<context>
    <name>TYesNoDlg</name>
    <message>
        <source>Hurrah, you did it!</source>
        <translation>Ура, получилось!</translation>
    </message>
    <message>
        <source>Do you really want to give up the level?</source>
        <translation>Правда хочешь бросить уровень?</translation>
    </message>
    <message>
        <source>Do you really want to go?</source>
        <translation>Правда хочешь уже уйти?</translation>
    </message>
    <message>
        <source>Do you really want to give up the game?</source>
        <translation>Правда хочешь бросить игру?</translation>
    </message>
    <message>
        <source>Sorry, you weren&apos;t quick enough!</source>
        <translation>Увы, ты не успел!</translation>
    </message>
    <message>
        <source>Congratulation, you solved all levels.</source>
        <translation>Поздравляем, ты прошёл все уровни.</translation>
    </message>
    <message>
        <source>Sorry, game over!</source>
        <translation>Увы, игра окончена!</translation>
    </message>
    <message>
        <source>The next level is waiting!</source>
        <translation>Следующий уровень ждёт!</translation>
    </message>
    <message>
        <source>Sorry, that was it!</source>
        <translation>Увы, ты проиграл!</translation>
    </message>
    <message>
        <source>Game paused.<byte value="xd"/>Continue?</source>
        <translation>Игра на паузе.<byte value="xd"/>Продолжить?</translation>
    </message>
    <message>
        <source>That was it!<byte value="xd"/>Repeat level?</source>
        <translation>Не вышло!<byte value="xd"/>Повторить уровень?</translation>
    </message>
    <message>
        <source>Hurrah, you made it!<byte value="xd"/>Continue with next level?</source>
        <translation>Ура, получилось!<byte value="xd"/>Перейти на следующий уровень?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>Tmainform</name>
    <message>
        <source>Score:</source>
        <translation>Очки:</translation>
    </message>
    <message>
        <source>New here? The rules show the SETs in pictures, and a practice game (%1) counts no points.</source>
        <translation>Впервые здесь? Правила показывают SET в картинках, а тренировочная игра (%1) не считает очков.</translation>
    </message>
    <message>
        <source>Practice, seconds:</source>
        <translation>Тренировка, секунды:</translation>
    </message>
    <message>
        <source>SETs on the table: %1</source>
        <translation>SET на столе: %1</translation>
    </message>
    <message>
        <source>Practice, time played: %1, SETs on the table: %2</source>
        <translation>Тренировка, время игры: %1, SET на столе: %2</translation>
    </message>
    <message>
        <source>Play this deal again</source>
        <translation>Сыграть этот расклад ещё раз</translation>
    </message>
    <message>
        <source>Play a deal by its code…</source>
        <translation>Сыграть расклад по коду…</translation>
    </message>
</context>
<context>
    <name>WrongPick</name>
    <message>
        <source>colour two alike, one different</source>
        <translation>цвет — два одинаковых, один другой</translation>
    </message>
    <message>
        <source>shape two alike, one different</source>
        <translation>форма — две одинаковые, одна другая</translation>
    </message>
    <message>
        <source>number two alike, one different</source>
        <translation>количество — два одинаковых, одно другое</translation>
    </message>
    <message>
        <source>fill two alike, one different</source>
        <translation>заливка — две одинаковые, одна другая</translation>
    </message>
    <message>
        <source>Not a SET: </source>
        <translation>Не SET: </translation>
    </message>
</context>
</TS>
