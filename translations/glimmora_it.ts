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
    <message>
        <source>Starts on the deal NUMBER, such as 20x12-43200250.</source>
        <translation>Inizia con la partita NUMERO, per esempio 20x12-43200250.</translation>
    </message>
    <message>
        <source>NUMBER</source>
        <translation>NUMERO</translation>
    </message>
    <message>
        <source>Starts on today&apos;s deal, the same for every player.</source>
        <translation>Inizia con la partita del giorno, uguale per tutti i giocatori.</translation>
    </message>
    <message>
        <source>--deal needs a deal number, such as 20x12-43200250</source>
        <translation>--deal richiede un numero di partita, per esempio 20x12-43200250</translation>
    </message>
    <message>
        <source>%1: the field sizes are 20x12, 18x10 and 16x8</source>
        <translation>%1: le dimensioni del campo sono 20x12, 18x10 e 16x8</translation>
    </message>
    <message>
        <source>%1: a deal&apos;s number goes up to 86399999</source>
        <translation>%1: il numero di una partita arriva fino a 86399999</translation>
    </message>
    <message>
        <source>%1 is no deal number; they read like 20x12-43200250</source>
        <translation>%1 non è un numero di partita; si scrivono come 20x12-43200250</translation>
    </message>
    <message>
        <source>unknown argument: %1</source>
        <translation>argomento sconosciuto: %1</translation>
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
    <name>GameAudio</name>
    <message>
        <source>Can&apos;t initialize digital sound system</source>
        <translation>Impossibile inizializzare il sistema audio digitale</translation>
    </message>
    <message>
        <source>SDL_mixer version 2 was not loaded</source>
        <translation>SDL_mixer versione 2 non è stato caricato</translation>
    </message>
    <message>
        <source>Can&apos;t initialize CD system</source>
        <translation>Impossibile inizializzare il sistema CD</translation>
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
    <name>MidiSequencer</name>
    <message>
        <source>No message available</source>
        <translation>Nessun messaggio disponibile</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Not a valid MIDI file: %1</source>
        <translation>File MIDI non valido: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t open %1: %2</source>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>MIDI file too large: %1</source>
        <translation>File MIDI troppo grande: %1</translation>
    </message>
</context>
<context>
    <name>MidiSynth</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t load the soundfont %1</source>
        <translation>Impossibile caricare il soundfont %1</translation>
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
    <name>ScoreFile</name>
    <message>
        <source>Cannot write file &quot;%1&quot;</source>
        <translation>Impossibile scrivere il file «%1»</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;</source>
        <translation>Impossibile creare il file «%1»</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Impossibile scrivere il file «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossibile creare il file «%1». %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» non è un numero intero valido</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossibile aprire il file «%1». %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a file</source>
        <translation>Impossibile aprire il file «%1». Non è un file</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Impossibile leggere il file «%1». %2</translation>
    </message>
    <message>
        <source>The score table &quot;%1&quot; is busy: another copy of the game is saving to it. Try Save again in a moment.</source>
        <translation>La tabella dei punteggi migliori «%1» è occupata: un’altra copia del gioco ci sta salvando. Riprova Salva tra un momento.</translation>
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
    <name>TFormMain</name>
    <message>
        <source>Glimmora! Game</source>
        <translation>Glimmora! Gioco</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punteggi</translation>
    </message>
    <message>
        <source> Exit</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Suggerimento (H)</translation>
    </message>
    <message>
        <source>Game field</source>
        <translation>Campo di gioco</translation>
    </message>
    <message>
        <source>Can&apos;t initialize OpenGL: this display offers no OpenGL context for the game&apos;s field</source>
        <translation>Impossibile inizializzare OpenGL: questo schermo non offre alcun contesto OpenGL per il campo di gioco</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Partita %1</translation>
    </message>
    <message>
        <source>SCORE:  %1</source>
        <extracomment>The HUD&apos;s score; the spaces line the number up under POINTS.</extracomment>
        <translation>PUNTEGGIO: %1</translation>
    </message>
    <message>
        <source>POINTS: %1</source>
        <extracomment>The HUD&apos;s points of the lit group.</extracomment>
        <translation>PUNTI:     %1</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Suggerimento: %1</translation>
    </message>
</context>
<context>
    <name>TFormOpt</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Player Name:</source>
        <translation>Giocatore:</translation>
    </message>
    <message>
        <source>Rotate Objects</source>
        <translation>Ruota i pezzi</translation>
    </message>
    <message>
        <source>Game Scheme:</source>
        <translation>Stile:</translation>
    </message>
    <message>
        <source>Scheme1</source>
        <translation>Stile 1</translation>
    </message>
    <message>
        <source>Scheme2</source>
        <translation>Stile 2</translation>
    </message>
    <message>
        <source>Scheme3</source>
        <translation>Stile 3</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Sound ON/OFF</source>
        <translation>Suoni ON/OFF</translation>
    </message>
    <message>
        <source>Music ON/OFF</source>
        <translation>Musica ON/OFF</translation>
    </message>
    <message>
        <source>Place worker to desired position</source>
        <translation>Posiziona l’operaio nel punto desiderato</translation>
    </message>
    <message>
        <source>20 x 12 Game Field</source>
        <translation>Campo 20 x 12</translation>
    </message>
    <message>
        <source>Choose wall primitive</source>
        <translation>Scegli la primitiva muro</translation>
    </message>
    <message>
        <source>18 x 10 Game Field</source>
        <translation>Campo 18 x 10</translation>
    </message>
    <message>
        <source>Choose Box primitive</source>
        <translation>Scegli la primitiva cassa</translation>
    </message>
    <message>
        <source>16 x 08 Game Field</source>
        <translation>Campo 16 x 08</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Nome del giocatore</translation>
    </message>
    <message>
        <source>Sound volume down</source>
        <translation>Abbassa il volume dei suoni</translation>
    </message>
    <message>
        <source>Sound volume up</source>
        <translation>Alza il volume dei suoni</translation>
    </message>
    <message>
        <source>Sound volume</source>
        <translation>Volume dei suoni</translation>
    </message>
    <message>
        <source>Music volume down</source>
        <translation>Abbassa il volume della musica</translation>
    </message>
    <message>
        <source>Music volume up</source>
        <translation>Alza il volume della musica</translation>
    </message>
    <message>
        <source>Music volume</source>
        <translation>Volume della musica</translation>
    </message>
    <message>
        <source>Game Scheme</source>
        <translation>Stile</translation>
    </message>
</context>
<context>
    <name>TFormScore</name>
    <message>
        <source>HighScores</source>
        <translation>Punteggi migliori</translation>
    </message>
    <message>
        <source> Save</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Salva</translation>
    </message>
    <message>
        <source> Close</source>
        <extracomment>The space before the word is the English plate&apos;s layout: leave it out.</extracomment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Plays the best line found on the field; a click or a key ends it</source>
        <translation>Riproduce sul campo la miglior sequenza trovata; un clic o un tasto la ferma</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Partita %1</translation>
    </message>
    <message>
        <source>Deal %1, with a hint</source>
        <translation>Partita %1, con suggerimento</translation>
    </message>
    <message>
        <source>Not entered: a hint was used</source>
        <translation>Non registrato: usato un suggerimento</translation>
    </message>
    <message>
        <source>The search for the best line is off</source>
        <translation>La ricerca della miglior sequenza è disattivata</translation>
    </message>
    <message>
        <source>Searching for the best line...</source>
        <translation>Ricerca della miglior sequenza...</translation>
    </message>
    <message numerus="yes">
        <source>Best line found for this deal: %n points</source>
        <translation>
            <numerusform>Miglior sequenza trovata: %n punto</numerusform>
            <numerusform>Miglior sequenza trovata: %n punti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best line so far: %n points...</source>
        <translation>
            <numerusform>Miglior sequenza finora: %n punto...</numerusform>
            <numerusform>Miglior sequenza finora: %n punti...</numerusform>
        </translation>
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
