<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Glimmora, a puzzle game: clear a field of 3D pieces in groups of like colour.

The game keeps its settings and scores in the folder it is started in; the
launcher, glimmora, starts it in the player&apos;s own folder.

The texts follow the desktop&apos;s language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
QT_SCALE_FACTOR sets the size of the windows.</source>
        <translation>Glimmora, um jogo de raciocínio: esvazie um campo de peças em 3D em grupos da mesma cor.

O jogo guarda suas configurações e recordes na pasta em que é iniciado;
o iniciador glimmora o inicia na pasta própria do jogador.

Os textos seguem o idioma da área de trabalho (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
QT_SCALE_FACTOR define o tamanho das janelas.</translation>
    </message>
    <message>
        <source>Starts on the deal NUMBER, such as 20x12-43200250.</source>
        <translation>Começa na partida NÚMERO, por exemplo 20x12-43200250.</translation>
    </message>
    <message>
        <source>NUMBER</source>
        <translation>NÚMERO</translation>
    </message>
    <message>
        <source>Starts on today&apos;s deal, the same for every player.</source>
        <translation>Começa na partida do dia, a mesma para todos os jogadores.</translation>
    </message>
    <message>
        <source>--deal needs a deal number, such as 20x12-43200250</source>
        <translation>--deal precisa de um número da partida, por exemplo 20x12-43200250</translation>
    </message>
    <message>
        <source>%1: the field sizes are 20x12, 18x10 and 16x8</source>
        <translation>%1: os tamanhos de campo são 20x12, 18x10 e 16x8</translation>
    </message>
    <message>
        <source>%1: a deal&apos;s number goes up to 86399999</source>
        <translation>%1: o número de uma partida vai até 86399999</translation>
    </message>
    <message>
        <source>%1 is no deal number; they read like 20x12-43200250</source>
        <translation>%1 não é um número da partida; eles se escrevem como 20x12-43200250</translation>
    </message>
    <message>
        <source>unknown argument: %1</source>
        <translation>argumento desconhecido: %1</translation>
    </message>
</context>
<context>
    <name>DataPath</name>
    <message>
        <source>The folder the game was started in cannot be used: %1.</source>
        <translation>A pasta em que o jogo foi iniciado não pode ser usada: %1.</translation>
    </message>
    <message>
        <source>its name is unknown</source>
        <translation>o nome dela é desconhecido</translation>
    </message>
    <message>
        <source>it no longer exists</source>
        <translation>ela não existe mais</translation>
    </message>
</context>
<context>
    <name>GameAudio</name>
    <message>
        <source>Can&apos;t initialize digital sound system</source>
        <translation>Não foi possível inicializar o sistema de som digital</translation>
    </message>
    <message>
        <source>SDL_mixer version 2 was not loaded</source>
        <translation>O SDL_mixer versão 2 não foi carregado</translation>
    </message>
    <message>
        <source>Can&apos;t initialize CD system</source>
        <translation>Não foi possível inicializar o sistema de CD</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>Não foi possível abrir o arquivo “%1”. Não é um arquivo</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Não foi possível abrir o arquivo “%1”. %2</translation>
    </message>
    <message>
        <source>Cannot read picture &quot;%1&quot;: %2</source>
        <translation>Não foi possível ler a imagem “%1”: %2</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>takes no arguments</source>
        <translation>não aceita argumentos</translation>
    </message>
    <message>
        <source>cannot tell where the launcher is</source>
        <translation>não foi possível saber onde está o iniciador</translation>
    </message>
    <message>
        <source>the game is missing: %1</source>
        <translation>o jogo não foi encontrado: %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is missing: %1</source>
        <translation>os dados do jogo não foram encontrados: %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is incomplete: %1 has no Pics or defaults folder</source>
        <translation>os dados do jogo estão incompletos: %1 não tem a pasta Pics ou defaults</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder for the game</source>
        <translation>HOME não está definida, então não há pasta para o jogo</translation>
    </message>
    <message>
        <source>HOME is not an absolute path: %1</source>
        <translation>HOME não é um caminho absoluto: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>não foi possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>cannot enter the folder %1</source>
        <translation>não foi possível entrar na pasta %1</translation>
    </message>
    <message>
        <source>cannot write to the folder %1</source>
        <translation>não foi possível gravar na pasta %1</translation>
    </message>
    <message>
        <source>cannot remove the broken link %1</source>
        <translation>não foi possível remover o link quebrado %1</translation>
    </message>
    <message>
        <source>cannot make a link in %1: %2</source>
        <translation>não foi possível criar um link em %1: %2</translation>
    </message>
    <message>
        <source>cannot link %1: %2</source>
        <translation>não foi possível criar o link %1: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>não foi possível copiar %1 para %2: %3</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2</source>
        <translation>não foi possível copiar %1 para %2</translation>
    </message>
</context>
<context>
    <name>LitGroupText</name>
    <message>
        <source>piece</source>
        <translation>peça</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarelo</translation>
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
        <source>cyan</source>
        <translation>ciano</translation>
    </message>
    <message>
        <source>red</source>
        <translation>vermelho</translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n ponto</numerusform>
            <numerusform>%n pontos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n ponto</numerusform>
            <numerusform>%n pontos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, single piece, %2</source>
        <translation>%1, peça sozinha, %2</translation>
    </message>
    <message>
        <source>%1, group of %2, %3</source>
        <translation>%1, grupo de %2, %3</translation>
    </message>
</context>
<context>
    <name>MidiSequencer</name>
    <message>
        <source>No message available</source>
        <translation>Nenhuma mensagem disponível</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Not a valid MIDI file: %1</source>
        <translation>Arquivo MIDI inválido: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t open %1: %2</source>
        <translation>Não foi possível abrir %1: %2</translation>
    </message>
    <message>
        <source>MIDI file too large: %1</source>
        <translation>Arquivo MIDI grande demais: %1</translation>
    </message>
</context>
<context>
    <name>MidiSynth</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the soundfont %1</source>
        <translation>Não foi possível carregar o soundfont %1</translation>
    </message>
</context>
<context>
    <name>ScaleFactorFloor</name>
    <message>
        <source>The scale factor %1 is too small for the game&apos;s windows: they are drawn at 1.</source>
        <translation>O fator de escala %1 é pequeno demais para as janelas do jogo: elas são desenhadas em 1.</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>Cannot write file &quot;%1&quot;</source>
        <translation>Não foi possível gravar o arquivo “%1”</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;</source>
        <translation>Não foi possível criar o arquivo “%1”</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Não foi possível gravar o arquivo “%1”. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Não foi possível criar o arquivo “%1”. %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1” não é um número inteiro válido</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Não foi possível abrir o arquivo “%1”. %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>Não foi possível abrir o arquivo “%1”. Não é um arquivo</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Não foi possível ler o arquivo “%1”. %2</translation>
    </message>
    <message>
        <source>The score table &quot;%1&quot; is busy: another copy of the game is saving to it. Try Save again in a moment.</source>
        <translation>A tabela de recordes “%1” está ocupada: outra cópia do jogo está salvando nela. Tente Salvar de novo daqui a pouco.</translation>
    </message>
</context>
<context>
    <name>TFormDeal</name>
    <message>
        <source>Deal number</source>
        <translation>Número da partida</translation>
    </message>
    <message>
        <source>Deal number:</source>
        <translation>Número da partida:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Type a deal number, such as 20x12-43200250.</source>
        <translation>Digite um número da partida, por exemplo 20x12-43200250.</translation>
    </message>
    <message>
        <source>This is not a deal number. Write it as 20x12-43200250, or the number after the dash alone.</source>
        <translation>Isto não é um número da partida. Escreva-o como 20x12-43200250, ou só o número depois do hífen.</translation>
    </message>
    <message>
        <source>The game has no field of that size. The sizes are %1.</source>
        <translation>O jogo não tem um campo desse tamanho. Os tamanhos são %1.</translation>
    </message>
    <message>
        <source>The number after the dash is too large: it goes up to %L1.</source>
        <translation>O número depois do hífen é grande demais: vai até %L1.</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Glimmora! Game</source>
        <translation>Glimmora! Jogo</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source> Exit</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Dica (H)</translation>
    </message>
    <message>
        <source>Game field</source>
        <translation>Campo de jogo</translation>
    </message>
    <message>
        <source>Can&apos;t initialize OpenGL: this display offers no OpenGL context for the game&apos;s field</source>
        <translation>Não foi possível inicializar o OpenGL: esta tela não oferece nenhum contexto OpenGL para o campo do jogo</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Partida %1</translation>
    </message>
    <message>
        <source>SCORE:  %1</source>
        <extracomment>The HUD&apos;s score; the spaces line the number up under POINTS.</extracomment>
        <translation>PONTUAÇÃO: %1</translation>
    </message>
    <message>
        <source>POINTS: %1</source>
        <extracomment>The HUD&apos;s points of the lit group.</extracomment>
        <translation>PONTOS:    %1</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Dica: %1</translation>
    </message>
</context>
<context>
    <name>TFormOpt</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Player Name:</source>
        <translation>Jogador:</translation>
    </message>
    <message>
        <source>Rotate Objects</source>
        <translation>Girar as peças</translation>
    </message>
    <message>
        <source>Game Scheme:</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source>Scheme1</source>
        <translation>Estilo 1</translation>
    </message>
    <message>
        <source>Scheme2</source>
        <translation>Estilo 2</translation>
    </message>
    <message>
        <source>Scheme3</source>
        <translation>Estilo 3</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Sound ON/OFF</source>
        <translation>Som liga/desliga</translation>
    </message>
    <message>
        <source>Music ON/OFF</source>
        <translation>Música liga/desliga</translation>
    </message>
    <message>
        <source>Place worker to desired position</source>
        <translation>Coloque o trabalhador na posição desejada</translation>
    </message>
    <message>
        <source>20 x 12 Game Field</source>
        <translation>Campo 20 x 12</translation>
    </message>
    <message>
        <source>Choose wall primitive</source>
        <translation>Escolha a primitiva de parede</translation>
    </message>
    <message>
        <source>18 x 10 Game Field</source>
        <translation>Campo 18 x 10</translation>
    </message>
    <message>
        <source>Choose Box primitive</source>
        <translation>Escolha a primitiva de caixa</translation>
    </message>
    <message>
        <source>16 x 08 Game Field</source>
        <translation>Campo 16 x 08</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Nome do jogador</translation>
    </message>
    <message>
        <source>Sound volume down</source>
        <translation>Diminuir o volume do som</translation>
    </message>
    <message>
        <source>Sound volume up</source>
        <translation>Aumentar o volume do som</translation>
    </message>
    <message>
        <source>Sound volume</source>
        <translation>Volume do som</translation>
    </message>
    <message>
        <source>Music volume down</source>
        <translation>Diminuir o volume da música</translation>
    </message>
    <message>
        <source>Music volume up</source>
        <translation>Aumentar o volume da música</translation>
    </message>
    <message>
        <source>Music volume</source>
        <translation>Volume da música</translation>
    </message>
    <message>
        <source>Game Scheme</source>
        <translation>Estilo</translation>
    </message>
</context>
<context>
    <name>TFormScore</name>
    <message>
        <source>HighScores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source> Save</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Salvar</translation>
    </message>
    <message>
        <source> Close</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Plays the best line found on the field; a click or a key ends it</source>
        <translation>Reproduz no campo a melhor sequência encontrada; um clique ou uma tecla a encerra</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Partida %1</translation>
    </message>
    <message>
        <source>Deal %1, with a hint</source>
        <translation>Partida %1, com dica</translation>
    </message>
    <message>
        <source>Not entered: a hint was used</source>
        <translation>Não registrado: dica usada</translation>
    </message>
    <message>
        <source>The search for the best line is off</source>
        <translation>A busca pela melhor sequência está desligada</translation>
    </message>
    <message>
        <source>Searching for the best line...</source>
        <translation>Buscando a melhor sequência...</translation>
    </message>
    <message numerus="yes">
        <source>Best line found for this deal: %n points</source>
        <translation>
            <numerusform>Melhor sequência: %n ponto</numerusform>
            <numerusform>Melhor sequência: %n pontos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best line so far: %n points...</source>
        <translation>
            <numerusform>Melhor até agora: %n ponto...</numerusform>
            <numerusform>Melhor até agora: %n pontos...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>The settings file %1 is larger than %2 KB and was not read; the default settings are used.</source>
        <translation>O arquivo de configurações %1 tem mais de %2 KB e não foi lido; as configurações padrão são usadas.</translation>
    </message>
    <message>
        <source>Unable to write %1 to %2: the value holds a line break</source>
        <translation>Não foi possível gravar %1 em %2: o valor contém uma quebra de linha</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Não foi possível gravar em %1</translation>
    </message>
</context>
</TS>
