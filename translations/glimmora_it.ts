<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CommandLine</name>
    <message>
        <source>Glimmora, a puzzle game: clear a field of 3D pieces in groups of like colour.

The game keeps its settings and scores in the folder it is started in; the
launcher, glimmora, starts it in the player&apos;s own folder.

The texts follow the desktop&apos;s language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
QT_SCALE_FACTOR sets the size of the windows.</source>
        <translation>Glimmora, un rompicapo: svuota un campo di pezzi in 3D a gruppi dello stesso colore.

Il gioco conserva impostazioni e punteggi migliori nella cartella da cui viene avviato;
il programma di avvio glimmora lo avvia nella cartella personale del giocatore.

I testi seguono la lingua del desktop (LANGUAGE, LC_ALL, LC_MESSAGES, LANG);
QT_SCALE_FACTOR imposta la dimensione delle finestre.</translation>
    </message>
</context>
<context>
    <name>DataPath</name>
    <message>
        <source>The folder the game was started in cannot be used: %1.</source>
        <translation>Impossibile usare la cartella da cui è stato avviato il gioco: %1.</translation>
    </message>
    <message>
        <source>its name is unknown</source>
        <translation>il suo nome è sconosciuto</translation>
    </message>
    <message>
        <source>it no longer exists</source>
        <translation>non esiste più</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>Impossibile aprire il file «%1». Non è un file</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossibile aprire il file «%1». %2</translation>
    </message>
    <message>
        <source>Cannot read picture &quot;%1&quot;: %2</source>
        <translation>Impossibile leggere l’immagine «%1»: %2</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>takes no arguments</source>
        <translation>non accetta argomenti</translation>
    </message>
    <message>
        <source>cannot tell where the launcher is</source>
        <translation>impossibile stabilire dove si trova il programma di avvio</translation>
    </message>
    <message>
        <source>the game is missing: %1</source>
        <translation>il gioco manca: %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is missing: %1</source>
        <translation>i dati del gioco mancano: %1</translation>
    </message>
    <message>
        <source>the game&apos;s data is incomplete: %1 has no Pics or defaults folder</source>
        <translation>i dati del gioco sono incompleti: %1 non ha la cartella Pics o defaults</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder for the game</source>
        <translation>HOME non è impostata, quindi non c’è una cartella per il gioco</translation>
    </message>
    <message>
        <source>HOME is not an absolute path: %1</source>
        <translation>HOME non è un percorso assoluto: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <source>cannot enter the folder %1</source>
        <translation>impossibile entrare nella cartella %1</translation>
    </message>
    <message>
        <source>cannot write to the folder %1</source>
        <translation>impossibile scrivere nella cartella %1</translation>
    </message>
    <message>
        <source>cannot remove the broken link %1</source>
        <translation>impossibile rimuovere il collegamento interrotto %1</translation>
    </message>
    <message>
        <source>cannot make a link in %1: %2</source>
        <translation>impossibile creare un collegamento in %1: %2</translation>
    </message>
    <message>
        <source>cannot link %1: %2</source>
        <translation>impossibile collegare %1: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2: %3</source>
        <translation>impossibile copiare %1 in %2: %3</translation>
    </message>
    <message>
        <source>cannot copy %1 into %2</source>
        <translation>impossibile copiare %1 in %2</translation>
    </message>
</context>
<context>
    <name>LitGroupText</name>
    <message>
        <source>piece</source>
        <translation>pezzo</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>giallo</translation>
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
        <source>cyan</source>
        <translation>ciano</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n punti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n punti</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, single piece, %2</source>
        <translation>%1, pezzo singolo, %2</translation>
    </message>
    <message>
        <source>%1, group of %2, %3</source>
        <translation>%1, gruppo di %2, %3</translation>
    </message>
</context>
<context>
    <name>ScaleFactorFloor</name>
    <message>
        <source>The scale factor %1 is too small for the game&apos;s windows: they are drawn at 1.</source>
        <translation>Il fattore di scala %1 è troppo piccolo per le finestre del gioco: vengono disegnate a 1.</translation>
    </message>
</context>
<context>
    <name>TFormDeal</name>
    <message>
        <source>Deal number</source>
        <translation>Numero di partita</translation>
    </message>
    <message>
        <source>Deal number:</source>
        <translation>Numero di partita:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Type a deal number, such as 20x12-43200250.</source>
        <translation>Scrivi un numero di partita, per esempio 20x12-43200250.</translation>
    </message>
    <message>
        <source>This is not a deal number. Write it as 20x12-43200250, or the number after the dash alone.</source>
        <translation>Questo non è un numero di partita. Scrivilo come 20x12-43200250, o solo il numero dopo il trattino.</translation>
    </message>
    <message>
        <source>The game has no field of that size. The sizes are %1.</source>
        <translation>Il gioco non ha un campo di questa dimensione. Le dimensioni sono %1.</translation>
    </message>
    <message>
        <source>The number after the dash is too large: it goes up to %L1.</source>
        <translation>Il numero dopo il trattino è troppo grande: arriva fino a %L1.</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>The settings file %1 is larger than %2 KB and was not read; the default settings are used.</source>
        <translation>Il file delle impostazioni %1 supera %2 KB e non è stato letto; si usano le impostazioni predefinite.</translation>
    </message>
    <message>
        <source>Unable to write %1 to %2: the value holds a line break</source>
        <translation>Impossibile scrivere %1 in %2: il valore contiene un a capo</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossibile scrivere in %1</translation>
    </message>
</context>
</TS>
