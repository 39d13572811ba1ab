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
    <name>ScaleFactorFloor</name>
    <message>
        <source>The scale factor %1 is too small for the game&apos;s windows: they are drawn at 1.</source>
        <translation>O fator de escala %1 é pequeno demais para as janelas do jogo: elas são desenhadas em 1.</translation>
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
