<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CardNames</name>
    <message>
        <source>one %1 %2 square</source>
        <translation>um quadrado %1 %2</translation>
    </message>
    <message>
        <source>one %1 %2 circle</source>
        <translation>um círculo %1 %2</translation>
    </message>
    <message>
        <source>one %1 %2 triangle</source>
        <translation>um triângulo %1 %2</translation>
    </message>
    <message>
        <source>two %1 %2 squares</source>
        <translation>dois quadrados %1 %2</translation>
    </message>
    <message>
        <source>two %1 %2 circles</source>
        <translation>dois círculos %1 %2</translation>
    </message>
    <message>
        <source>two %1 %2 triangles</source>
        <translation>dois triângulos %1 %2</translation>
    </message>
    <message>
        <source>three %1 %2 squares</source>
        <translation>três quadrados %1 %2</translation>
    </message>
    <message>
        <source>three %1 %2 circles</source>
        <translation>três círculos %1 %2</translation>
    </message>
    <message>
        <source>three %1 %2 triangles</source>
        <translation>três triângulos %1 %2</translation>
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
        <translation>azuis</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two circles</comment>
        <translation>azuis</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>two triangles</comment>
        <translation>azuis</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three squares</comment>
        <translation>azuis</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three circles</comment>
        <translation>azuis</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>three triangles</comment>
        <translation>azuis</translation>
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
        <translation>vermelho</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one circle</comment>
        <translation>vermelho</translation>
    </message>
    <message>
        <source>red</source>
        <comment>one triangle</comment>
        <translation>vermelho</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two squares</comment>
        <translation>vermelhos</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two circles</comment>
        <translation>vermelhos</translation>
    </message>
    <message>
        <source>red</source>
        <comment>two triangles</comment>
        <translation>vermelhos</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three squares</comment>
        <translation>vermelhos</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three circles</comment>
        <translation>vermelhos</translation>
    </message>
    <message>
        <source>red</source>
        <comment>three triangles</comment>
        <translation>vermelhos</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one square</comment>
        <translation>preto</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one circle</comment>
        <translation>preto</translation>
    </message>
    <message>
        <source>black</source>
        <comment>one triangle</comment>
        <translation>preto</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two squares</comment>
        <translation>pretos</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two circles</comment>
        <translation>pretos</translation>
    </message>
    <message>
        <source>black</source>
        <comment>two triangles</comment>
        <translation>pretos</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three squares</comment>
        <translation>pretos</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three circles</comment>
        <translation>pretos</translation>
    </message>
    <message>
        <source>black</source>
        <comment>three triangles</comment>
        <translation>pretos</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one square</comment>
        <translation>laranja</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one circle</comment>
        <translation>laranja</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>one triangle</comment>
        <translation>laranja</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two squares</comment>
        <translation>laranja</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two circles</comment>
        <translation>laranja</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>two triangles</comment>
        <translation>laranja</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three squares</comment>
        <translation>laranja</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three circles</comment>
        <translation>laranja</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>three triangles</comment>
        <translation>laranja</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one square</comment>
        <translation>vazio</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one circle</comment>
        <translation>vazio</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>one triangle</comment>
        <translation>vazio</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two squares</comment>
        <translation>vazios</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two circles</comment>
        <translation>vazios</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>two triangles</comment>
        <translation>vazios</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three squares</comment>
        <translation>vazios</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three circles</comment>
        <translation>vazios</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>three triangles</comment>
        <translation>vazios</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one square</comment>
        <translation>cheio</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one circle</comment>
        <translation>cheio</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>one triangle</comment>
        <translation>cheio</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two squares</comment>
        <translation>cheios</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two circles</comment>
        <translation>cheios</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>two triangles</comment>
        <translation>cheios</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three squares</comment>
        <translation>cheios</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three circles</comment>
        <translation>cheios</translation>
    </message>
    <message>
        <source>solid</source>
        <comment>three triangles</comment>
        <translation>cheios</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one square</comment>
        <translation>hachurado</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one circle</comment>
        <translation>hachurado</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>one triangle</comment>
        <translation>hachurado</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two squares</comment>
        <translation>hachurados</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two circles</comment>
        <translation>hachurados</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>two triangles</comment>
        <translation>hachurados</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three squares</comment>
        <translation>hachurados</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three circles</comment>
        <translation>hachurados</translation>
    </message>
    <message>
        <source>hatched</source>
        <comment>three triangles</comment>
        <translation>hachurados</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>no card</comment>
        <translation>vazio</translation>
    </message>
</context>
<context>
    <name>ErrorTexts</name>
    <message>
        <source>There is no audio device to play music on.</source>
        <translation>Não há nenhum dispositivo de áudio para tocar a música.</translation>
    </message>
    <message>
        <source>Music needs a General-MIDI soundfont, and none is installed (Debian&apos;s package timgm6mb-soundfont has one).</source>
        <translation>A música precisa de um banco de sons General MIDI, e nenhum está instalado (o pacote timgm6mb-soundfont do Debian tem um).</translation>
    </message>
    <message>
        <source>The soundfont &quot;%1&quot; cannot be loaded.</source>
        <translation>Não foi possível carregar o banco de sons “%1”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable file.</source>
        <translation>“%1” não é um arquivo legível.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for a MIDI file.</source>
        <translation>“%1” é grande demais para um arquivo MIDI.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MIDI file.</source>
        <translation>“%1” não é um arquivo MIDI.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a damaged or truncated MIDI file.</source>
        <translation>“%1” é um arquivo MIDI danificado ou incompleto.</translation>
    </message>
    <message>
        <source>The sound library libtrivolo_audio.so is missing.</source>
        <translation>Está faltando a biblioteca de som libtrivolo_audio.so.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read, because %2. The game starts with its defaults.</source>
        <translation>Não foi possível ler o arquivo de configurações “%1”, porque %2. O jogo começa com as configurações padrão.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written, because %2. It keeps what it held before; not saved: %3.</source>
        <translation>Não foi possível gravar o arquivo de configurações “%1”, porque %2. Ele mantém o conteúdo anterior; não salvo: %3.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; holds no topic %2.</source>
        <translation>O arquivo de ajuda “%1” não tem o tópico %2.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; is missing.</source>
        <translation>Está faltando o arquivo de ajuda “%1”.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ocorreu um erro inesperado.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is too large to be a settings file</source>
        <translation>é grande demais para um arquivo de configurações</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>o sistema de arquivos dele é somente leitura</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>another program holds its lock &quot;%1&quot; (or it cannot be read)</source>
        <translation>outro programa está com a trava “%1” (ou ela não pode ser lida)</translation>
    </message>
    <message>
        <source>its folder cannot be written to</source>
        <translation>a pasta dele não aceita gravação</translation>
    </message>
    <message>
        <source>its lock &quot;%1&quot; cannot be made</source>
        <translation>não foi possível criar a trava “%1”</translation>
    </message>
</context>
<context>
    <name>MainTexts</name>
    <message>
        <source>No more SET possible.<byte value="xd"/>You are at the end.</source>
        <translation>Não há mais nenhum SET possível.<byte value="xd"/>Você chegou ao fim.</translation>
    </message>
    <message>
        <source>No SET in the deck. Shall I mix up the deck?</source>
        <translation>Nenhum SET na mesa. Posso embaralhar as cartas?</translation>
    </message>
    <message>
        <source>I want to mix up the remaining cards.</source>
        <translation>Quero embaralhar as cartas que sobraram.</translation>
    </message>
    <message>
        <source>I start again.</source>
        <translation>Vou começar de novo.</translation>
    </message>
    <message>
        <source>I need a break.</source>
        <translation>Preciso de uma pausa.</translation>
    </message>
    <message>
        <source>Who are the best?</source>
        <translation>Quem são os melhores?</translation>
    </message>
    <message>
        <source>Please show me a SET.</source>
        <translation>Por favor, me mostre um SET.</translation>
    </message>
    <message>
        <source> I want to change the options.</source>
        <translation>Quero mudar as opções.</translation>
    </message>
    <message>
        <source>Who did these MOLLBERG GAME?</source>
        <translation>Quem inventou este jogo?</translation>
    </message>
    <message>
        <source>What&apos;s to do here?</source>
        <translation>O que é para fazer aqui?</translation>
    </message>
    <message>
        <source>I have enough!</source>
        <translation>Para mim chega!</translation>
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
        <translation>Treino encerrado: todas as cartas tiradas em %1.</translation>
    </message>
    <message numerus="yes">
        <source>Practice over: no SET left, %n cards still in play.<byte value="xd"/>Time: %1.</source>
        <translation>
            <numerusform>Treino encerrado: nenhum SET restante, %n carta ainda em jogo.<byte value="xd"/>Tempo: %1.</numerusform>
            <numerusform>Treino encerrado: nenhum SET restante, %n cartas ainda em jogo.<byte value="xd"/>Tempo: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>I want to practise: no points, free hints.</source>
        <translation>Quero treinar: sem pontos, dicas grátis.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <comment>a deal code follows</comment>
        <translation>Mão %1</translation>
    </message>
    <message>
        <source>I want to play a deal again.</source>
        <translation>Quero jogar uma mão de novo.</translation>
    </message>
</context>
<context>
    <name>TBoardAccessible</name>
    <message>
        <source>Table</source>
        <comment>the board, for screen readers</comment>
        <translation>Mesa de jogo</translation>
    </message>
</context>
<context>
    <name>TBoardReader</name>
    <message>
        <source>hidden</source>
        <comment>a card while the game is paused</comment>
        <translation>escondida</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Pontos: %1</translation>
    </message>
    <message>
        <source>game running</source>
        <translation>partida em andamento</translation>
    </message>
    <message>
        <source>game paused</source>
        <translation>partida pausada</translation>
    </message>
    <message>
        <source>game over</source>
        <translation>fim de partida</translation>
    </message>
</context>
<context>
    <name>TDealCodeDlg</name>
    <message>
        <source>Play a deal by its code</source>
        <translation>Jogar uma mão pelo código</translation>
    </message>
    <message>
        <source>The deal&apos;s code:</source>
        <translation>O código da mão:</translation>
    </message>
    <message>
        <source>Deal it</source>
        <translation>Distribuir</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Voltar ao jogo</translation>
    </message>
    <message>
        <source>That is no deal code. A code has 14 letters and digits, like %1.</source>
        <translation>Isso não é um código de mão. Um código tem 14 letras e dígitos, como %1.</translation>
    </message>
</context>
<context>
    <name>THighscoreDlg</name>
    <message>
        <source>Trivolo - Highscore</source>
        <translation>Trivolo - Recordes</translation>
    </message>
    <message>
        <source>remove all entries</source>
        <translation>apagar a lista toda</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>put in list</source>
        <translation>colocar na lista</translation>
    </message>
    <message>
        <source>Close the list</source>
        <translation>Fechar a lista</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Seu nome</translation>
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
Versão %1

um jogo da Mollberg

Ideia, programa, gráficos e música:
Mollberg Spiele

Divirta-se procurando SETs!</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Voltar ao jogo</translation>
    </message>
    <message>
        <source>Statistics (T)</source>
        <translation>Estatísticas (T)</translation>
    </message>
</context>
<context>
    <name>TOptionDlg</name>
    <message>
        <source>Back to game</source>
        <translation>Voltar ao jogo</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Mudar o idioma</translation>
    </message>
    <message>
        <source>I speak English.</source>
        <translation>Eu falo português.</translation>
    </message>
    <message>
        <source>Sound on or off</source>
        <translation>Ligar ou desligar os sons</translation>
    </message>
    <message>
        <source>Sound is on.</source>
        <translation>Sons ligados.</translation>
    </message>
    <message>
        <source>Sound is off.</source>
        <translation>Sons desligados.</translation>
    </message>
    <message>
        <source>Music on or off.</source>
        <translation>Ligar ou desligar a música.</translation>
    </message>
    <message>
        <source>No music files available.</source>
        <translation>Nenhum arquivo de música disponível.</translation>
    </message>
    <message>
        <source>Music: </source>
        <translation>Música: </translation>
    </message>
    <message>
        <source>Music is off.</source>
        <translation>Música desligada.</translation>
    </message>
    <message>
        <source>Change background</source>
        <translation>Mudar o fundo</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>cinza</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrom</translation>
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
        <translation>vermelho</translation>
    </message>
    <message>
        <source>Background: </source>
        <translation>Fundo: </translation>
    </message>
    <message>
        <source>Activate/deactivate SET detector</source>
        <translation>Ligar/desligar o detector de SET</translation>
    </message>
    <message>
        <source>SETs will be detected.</source>
        <translation>Detector de SET ligado.</translation>
    </message>
    <message>
        <source>SETs won&apos;t be detected.</source>
        <translation>Detector de SET desligado.</translation>
    </message>
    <message>
        <source>Change the symbols&apos; colours</source>
        <translation>Mudar as cores dos símbolos</translation>
    </message>
    <message>
        <source>Colours: easy to tell apart</source>
        <translation>Cores: fáceis de distinguir</translation>
    </message>
    <message>
        <source>Colours: standard</source>
        <translation>Cores: padrão</translation>
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
        <translation>ponto de equilíbrio %1 s</translation>
    </message>
    <message>
        <source>No SET. </source>
        <translation>Nenhum SET. </translation>
    </message>
    <message>
        <source>%1 s: break-even</source>
        <translation>%1 s: equilíbrio</translation>
    </message>
</context>
<context>
    <name>TReviewDlg</name>
    <message>
        <source>Your game</source>
        <translation>Sua partida</translation>
    </message>
    <message>
        <source>show after every game</source>
        <translation>mostrar após cada partida</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Voltar ao jogo</translation>
    </message>
    <message numerus="yes">
        <source>Score: %1, %n SETs</source>
        <translation>
            <numerusform>Pontos: %1, %n SET</numerusform>
            <numerusform>Pontos: %1, %n SETs</numerusform>
        </translation>
    </message>
    <message>
        <source>Your game, a deal played again</source>
        <translation>Sua partida, uma mão jogada de novo</translation>
    </message>
</context>
<context>
    <name>TReviewPanel</name>
    <message>
        <source>Score: %1</source>
        <translation>Pontos: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source>SETs: %1</source>
        <translation>SETs: %1</translation>
    </message>
    <message>
        <source>Average: %1 s per SET</source>
        <translation>Média: %1 s por SET</translation>
    </message>
    <message>
        <source>Cards left: %1</source>
        <translation>Cartas restantes: %1</translation>
    </message>
    <message>
        <source>10 SETs after %1</source>
        <translation>10 SETs em %1</translation>
    </message>
    <message>
        <source>20 SETs after %1</source>
        <translation>20 SETs em %1</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Dicas: %1</translation>
    </message>
    <message>
        <source>Mixes: %1</source>
        <translation>Embaralhadas: %1</translation>
    </message>
    <message>
        <source>All cards taken</source>
        <translation>Todas as cartas recolhidas</translation>
    </message>
    <message>
        <source>No SET left</source>
        <translation>Nenhum SET restante</translation>
    </message>
    <message>
        <source>Slowest SET: %1 s</source>
        <translation>SET mais lento: %1 s</translation>
    </message>
</context>
<context>
    <name>TRulePictures</name>
    <message>
        <source>A SET: only the colour differs, everything else is alike.</source>
        <translation>Um SET: só a cor é diferente, todo o resto é igual.</translation>
    </message>
    <message>
        <source>A SET: colour and number differ, shape and fill are alike.</source>
        <translation>Um SET: cor e número são diferentes, forma e preenchimento são iguais.</translation>
    </message>
    <message>
        <source>A SET: colour, shape and fill differ, the number is alike.</source>
        <translation>Um SET: cor, forma e preenchimento são diferentes, o número é igual.</translation>
    </message>
    <message>
        <source>A SET: all four attributes differ.</source>
        <translation>Um SET: as quatro características são diferentes.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same colour, the third has another.</source>
        <translation>Não é um SET: duas cartas têm a mesma cor, a terceira outra.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same shape, the third has another.</source>
        <translation>Não é um SET: duas cartas têm a mesma forma, a terceira outra.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same fill, the third has another.</source>
        <translation>Não é um SET: duas cartas têm o mesmo preenchimento, a terceira outro.</translation>
    </message>
    <message>
        <source>No SET: two cards have the same number of symbols, the third has another.</source>
        <translation>Não é um SET: duas cartas têm o mesmo número de símbolos, a terceira outro.</translation>
    </message>
    <message>
        <source>The cards: %1.</source>
        <translation>As cartas: %1.</translation>
    </message>
    <message>
        <source>Worked out: shape and fill are alike, colour and number differ.</source>
        <translation>A conta: forma e preenchimento são iguais, cor e número diferentes.</translation>
    </message>
    <message>
        <source>3 cards × %1 = %2 points</source>
        <translation>3 cartas × %1 = %2 pontos</translation>
    </message>
    <message>
        <source>2 attributes alike × %1 = %2 points</source>
        <translation>2 características iguais × %1 = %2 pontos</translation>
    </message>
    <message>
        <source>2 attributes different × %1 = %2 points</source>
        <translation>2 características diferentes × %1 = %2 pontos</translation>
    </message>
    <message>
        <source>With the SET detector on: %1 + %2 = %3 points</source>
        <translation>Com o detector de SET: %1 + %2 = %3 pontos</translation>
    </message>
    <message>
        <source>With the SET detector off the bonus counts twice: %1 + 2 × %2 = %3 points</source>
        <translation>Sem o detector de SET o bônus conta em dobro: %1 + 2 × %2 = %3 pontos</translation>
    </message>
    <message>
        <source>The buttons, each with its key: the bar above the cards, left and right, then the practice game&apos;s button left of the cards.</source>
        <translation>Os botões, cada um com sua tecla: a barra acima das cartas, à esquerda e à direita, depois o botão da partida de treino à esquerda das cartas.</translation>
    </message>
</context>
<context>
    <name>TStatsDlg</name>
    <message>
        <source>Played to the end: %1</source>
        <translation>Partidas concluídas: %1</translation>
    </message>
    <message>
        <source>Abandoned: %1</source>
        <translation>Abandonadas: %1</translation>
    </message>
    <message>
        <source>SETs: %1</source>
        <translation>SETs: %1</translation>
    </message>
    <message>
        <source>Time played: %1</source>
        <translation>Tempo de jogo: %1</translation>
    </message>
    <message>
        <source>Best score: %1</source>
        <translation>Melhor pontuação: %1</translation>
    </message>
    <message>
        <source>Fastest game: %1</source>
        <translation>Partida mais rápida: %1</translation>
    </message>
    <message>
        <source>Best average: %1 s per SET</source>
        <translation>Melhor média: %1 s por SET</translation>
    </message>
    <message>
        <source>Hints: %1</source>
        <translation>Dicas: %1</translation>
    </message>
    <message>
        <source>Mixes: %1</source>
        <translation>Embaralhadas: %1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>reset statistics</source>
        <translation>zerar as estatísticas</translation>
    </message>
    <message>
        <source>Back to game</source>
        <translation>Voltar ao jogo</translation>
    </message>
    <message>
        <source>Last game</source>
        <translation>Última partida</translation>
    </message>
    <message>
        <source>Last game: none played to its end yet</source>
        <translation>Última partida: nenhuma concluída ainda</translation>
    </message>
    <message>
        <source>Delete all statistics?</source>
        <translation>Apagar todas as estatísticas?</translation>
    </message>
    <message>
        <source>Last game, a deal played again</source>
        <translation>Última partida, uma mão jogada de novo</translation>
    </message>
</context>
<context>
    <name>TYesNoDlg</name>
    <message>
        <source>Hurrah, you did it!</source>
        <translation>Viva, você conseguiu!</translation>
    </message>
    <message>
        <source>Do you really want to give up the level?</source>
        <translation>Quer mesmo desistir deste nível?</translation>
    </message>
    <message>
        <source>Do you really want to go?</source>
        <translation>Quer mesmo sair já?</translation>
    </message>
    <message>
        <source>Do you really want to give up the game?</source>
        <translation>Quer mesmo desistir da partida?</translation>
    </message>
    <message>
        <source>Sorry, you weren&apos;t quick enough!</source>
        <translation>Que pena, você não foi rápido o bastante!</translation>
    </message>
    <message>
        <source>Congratulation, you solved all levels.</source>
        <translation>Parabéns, você resolveu todos os níveis.</translation>
    </message>
    <message>
        <source>Sorry, game over!</source>
        <translation>Que pena, fim de jogo!</translation>
    </message>
    <message>
        <source>The next level is waiting!</source>
        <translation>O próximo nível está esperando!</translation>
    </message>
    <message>
        <source>Sorry, that was it!</source>
        <translation>Que pena, você perdeu!</translation>
    </message>
    <message>
        <source>Game paused.<byte value="xd"/>Continue?</source>
        <translation>Partida pausada.<byte value="xd"/>Continuar?</translation>
    </message>
    <message>
        <source>That was it!<byte value="xd"/>Repeat level?</source>
        <translation>Acabou!<byte value="xd"/>Repetir o nível?</translation>
    </message>
    <message>
        <source>Hurrah, you made it!<byte value="xd"/>Continue with next level?</source>
        <translation>Viva, você conseguiu!<byte value="xd"/>Seguir para o próximo nível?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
</context>
<context>
    <name>Tmainform</name>
    <message>
        <source>Score:</source>
        <translation>Pontos:</translation>
    </message>
    <message>
        <source>New here? The rules show the SETs in pictures, and a practice game (%1) counts no points.</source>
        <translation>Novo por aqui? As regras mostram os SETs em figuras, e uma partida de treino (%1) não conta pontos.</translation>
    </message>
    <message>
        <source>Practice, seconds:</source>
        <translation>Treino, segundos:</translation>
    </message>
    <message>
        <source>SETs on the table: %1</source>
        <translation>SETs na mesa: %1</translation>
    </message>
    <message>
        <source>Practice, time played: %1, SETs on the table: %2</source>
        <translation>Treino, tempo jogado: %1, SETs na mesa: %2</translation>
    </message>
    <message>
        <source>Play this deal again</source>
        <translation>Jogar esta mão de novo</translation>
    </message>
    <message>
        <source>Play a deal by its code…</source>
        <translation>Jogar uma mão pelo código…</translation>
    </message>
</context>
<context>
    <name>WrongPick</name>
    <message>
        <source>colour two alike, one different</source>
        <translation>duas cores iguais e uma diferente</translation>
    </message>
    <message>
        <source>shape two alike, one different</source>
        <translation>duas formas iguais e uma diferente</translation>
    </message>
    <message>
        <source>number two alike, one different</source>
        <translation>duas quantidades iguais e uma diferente</translation>
    </message>
    <message>
        <source>fill two alike, one different</source>
        <translation>dois preenchimentos iguais e um diferente</translation>
    </message>
    <message>
        <source>Not a SET: </source>
        <translation>Não é um SET: </translation>
    </message>
</context>
</TS>
