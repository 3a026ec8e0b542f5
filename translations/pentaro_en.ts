<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>AdviceRequest</name>
    <message>
        <source>Calcolo del consiglio...</source>
        <translation>Working out the advice...</translation>
    </message>
    <message>
        <source>Nessun consiglio in questo momento</source>
        <translation>No advice at this moment</translation>
    </message>
    <message>
        <source>Consiglio: scegli la casella segnata</source>
        <translation>Advice: choose the marked box</translation>
    </message>
    <message>
        <source>Consiglio: FERMATI</source>
        <translation>Advice: STOP</translation>
    </message>
    <message>
        <source>Consiglio: tieni i dadi segnati e FERMATI</source>
        <translation>Advice: hold the marked dice and STOP</translation>
    </message>
    <message>
        <source>Consiglio: tieni solo i dadi segnati e tira</source>
        <translation>Advice: hold only the marked dice and roll</translation>
    </message>
    <message>
        <source>Consiglio: ritira tutti i dadi</source>
        <translation>Advice: roll all the dice again</translation>
    </message>
    <message>
        <source>Consiglio: tira i dadi</source>
        <translation>Advice: roll the dice</translation>
    </message>
    <message>
        <source>Punteggio atteso: %1,%2</source>
        <translation>Expected score: %1.%2</translation>
    </message>
    <message>
        <source>Probabilità di vittoria: %1 %</source>
        <translation>Chance of winning: %1 %</translation>
    </message>
</context>
<context>
    <name>ComputerPlayer</name>
    <message>
        <source>Nessuno</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Computer principiante</source>
        <translation>Computer beginner</translation>
    </message>
    <message>
        <source>Computer esperto</source>
        <translation>Computer expert</translation>
    </message>
    <message>
        <source>Computer campione</source>
        <translation>Computer champion</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>ASSI</source>
        <translation>ACES</translation>
    </message>
    <message>
        <source>DUE</source>
        <translation>TWOS</translation>
    </message>
    <message>
        <source>TRE</source>
        <translation>THREES</translation>
    </message>
    <message>
        <source>QUATTRO</source>
        <translation>FOURS</translation>
    </message>
    <message>
        <source>CINQUE</source>
        <translation>FIVES</translation>
    </message>
    <message>
        <source>SEI</source>
        <translation>SIXES</translation>
    </message>
    <message>
        <source>&quot;3 di un tipo&quot;</source>
        <translation>THREE OF A KIND</translation>
    </message>
    <message>
        <source>&quot;4 di un tipo&quot;</source>
        <translation>FOUR OF A KIND</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>FULL HOUSE</translation>
    </message>
    <message>
        <source>Scala Minima</source>
        <translation>SMALL STRAIGHT</translation>
    </message>
    <message>
        <source>Scala Massima</source>
        <translation>LARGE STRAIGHT</translation>
    </message>
    <message>
        <source>Pentaro</source>
        <translation>PENTARO</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>CHANCE</translation>
    </message>
    <message>
        <source>PREMIO</source>
        <translation>BONUS</translation>
    </message>
    <message>
        <source>TOTALE PARTE SUPERIORE</source>
        <translation>UPPER SECTION TOTAL</translation>
    </message>
    <message>
        <source>TOTALE PARTE INFERIORE</source>
        <translation>LOWER SECTION TOTAL</translation>
    </message>
    <message>
        <source>TOTALE GENERALE</source>
        <translation>GRAND TOTAL</translation>
    </message>
    <message>
        <source>PARTE SUPERIORE</source>
        <translation>UPPER SECTION</translation>
    </message>
    <message>
        <source>PARTE INFERIORE</source>
        <translation>LOWER SECTION</translation>
    </message>
    <message>
        <source>Punti</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Somma solo gli Assi.</source>
        <translation>Adds up the aces only.</translation>
    </message>
    <message>
        <source>Somma solo i Due.</source>
        <translation>Adds up the twos only.</translation>
    </message>
    <message>
        <source>Somma solo i Tre.</source>
        <translation>Adds up the threes only.</translation>
    </message>
    <message>
        <source>Somma solo i Quattro.</source>
        <translation>Adds up the fours only.</translation>
    </message>
    <message>
        <source>Somma solo i Cinque.</source>
        <translation>Adds up the fives only.</translation>
    </message>
    <message>
        <source>Somma solo i Sei.</source>
        <translation>Adds up the sixes only.</translation>
    </message>
    <message>
        <source>Somma tutti i dadi</source>
        <translation>Adds up all the dice</translation>
    </message>
    <message>
        <source>Vale 25 punti</source>
        <translation>Scores 25 points</translation>
    </message>
    <message>
        <source>Sequenza di 4. Vale 30 punti.</source>
        <translation>A run of 4. Scores 30 points.</translation>
    </message>
    <message>
        <source>Sequenza di 5. Vale 40 punti.</source>
        <translation>A run of 5. Scores 40 points.</translation>
    </message>
    <message>
        <source>5 di un tipo. Vale 50 punti</source>
        <translation>5 of a kind. Scores 50 points</translation>
    </message>
    <message>
        <source>Segna il totale dei 5 dadi.</source>
        <translation>Scores the total of the 5 dice.</translation>
    </message>
    <message>
        <source>Se il totale raggiunge o supera 63. Vale 35 punti.</source>
        <translation>When the upper total reaches 63 or more. Scores 35 points.</translation>
    </message>
    <message>
        <source>TIRO</source>
        <translation>ROLL</translation>
    </message>
    <message>
        <source>1° TIRO</source>
        <translation>1st ROLL</translation>
    </message>
    <message>
        <source>2° TIRO</source>
        <translation>2nd ROLL</translation>
    </message>
    <message>
        <source>3° TIRO</source>
        <translation>3rd ROLL</translation>
    </message>
    <message>
        <source>%1° TIRO</source>
        <translation>ROLL %1</translation>
    </message>
    <message>
        <source>TIENI</source>
        <translation>HOLD</translation>
    </message>
    <message>
        <source>SCARTA</source>
        <translation>RE-ROLL</translation>
    </message>
    <message>
        <source>FERMATI</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>ACCETTA</source>
        <translation>ACCEPT</translation>
    </message>
    <message>
        <source>Nome Giocatore</source>
        <translation>Player Name</translation>
    </message>
    <message>
        <source>Nome Giocatore %1</source>
        <translation>Name of Player %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Il Vincitore è...</source>
        <translation>The Winner is...</translation>
    </message>
    <message>
        <source>PARITA&apos;</source>
        <translation>DRAW</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>GAME OVER</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>RECORD</translation>
    </message>
    <message>
        <source>1 Giocatore</source>
        <translation>1 Player</translation>
    </message>
    <message>
        <source>2 Giocatori</source>
        <translation>2 Players</translation>
    </message>
    <message>
        <source>Inizia</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Interrompi</source>
        <translation>Abandon</translation>
    </message>
    <message>
        <source>PROGRAMA ARRESTATO</source>
        <translation>PROGRAM STOPPED</translation>
    </message>
    <message>
        <source>FILE DANNEGGIATO O DATI NON TROVATI!!!
Lanciare il programma dalla Directory di installazione!</source>
        <translation>DAMAGED FILE OR DATA NOT FOUND!!!
Start the program from its installation directory!</translation>
    </message>
    <message>
        <source>FILE RECORD DANNEGGIATO O NON TROVATO!!!
Lanciare il programma dalla Directory di installazione!
Se non funziona, reinstallare il programma!</source>
        <translation>RECORD FILE DAMAGED OR NOT FOUND!!!
Start the program from its installation directory!
If that does not help, install the program again!</translation>
    </message>
    <message>
        <source>Il gioco è già aperto in questa cartella.</source>
        <translation>The game is already open in this folder.</translation>
    </message>
</context>
<context>
    <name>HistoryCsv</name>
    <message>
        <source>la storia non si apre</source>
        <translation>the history does not open</translation>
    </message>
    <message>
        <source>Esporta la storia in CSV</source>
        <translation>Export the history to CSV</translation>
    </message>
    <message>
        <source>Esporta in CSV</source>
        <translation>Export to CSV</translation>
    </message>
    <message>
        <source>Scritti %1 e %2 in %3.</source>
        <translation>Wrote %1 and %2 in %3.</translation>
    </message>
    <message>
        <source>Esportazione non riuscita: %1</source>
        <translation>Export failed: %1</translation>
    </message>
</context>
<context>
    <name>HistoryLink</name>
    <message>
        <source>Storia</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Statistiche</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Analisi della partita</source>
        <translation>Game Review</translation>
    </message>
    <message>
        <source>Esporta in CSV...</source>
        <translation>Export to CSV...</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>è di una versione più recente di PENTARO, che questa non sa leggere</source>
        <translation>comes from a newer version of PENTARO, which this one cannot read</translation>
    </message>
    <message>
        <source>è bloccata da un altro programma</source>
        <translation>is locked by another program</translation>
    </message>
    <message>
        <source>è di sola lettura</source>
        <translation>is read-only</translation>
    </message>
    <message>
        <source>è danneggiata</source>
        <translation>is damaged</translation>
    </message>
    <message>
        <source>non ha più spazio sul disco</source>
        <translation>has no room left on the disk</translation>
    </message>
    <message>
        <source>non si può aprire</source>
        <translation>cannot be opened</translation>
    </message>
    <message>
        <source>non è un archivio SQLite</source>
        <translation>is not an SQLite database</translation>
    </message>
    <message>
        <source>non si può %1 (%2)</source>
        <translation>cannot be %1 (%2)</translation>
    </message>
    <message>
        <source>La storia %1 %2 e non si può spostare: le partite di questa sessione non vengono salvate.</source>
        <translation>The history %1 %2 and cannot be moved: the games of this session are not kept.</translation>
    </message>
    <message>
        <source>La storia %1 %2: è stata messa da parte come %3, ma una nuova non si può iniziare (%4). Le partite di questa sessione non vengono salvate.</source>
        <translation>The history %1 %2: it was set aside as %3, but a new one cannot be started (%4). The games of this session are not kept.</translation>
    </message>
    <message>
        <source>La storia %1 %2: è stata messa da parte come %3 e ne è iniziata una nuova.</source>
        <translation>The history %1 %2: it was set aside as %3 and a new one was started.</translation>
    </message>
    <message>
        <source>Le partite di questa sessione non vengono salvate (%1).</source>
        <translation>The games of this session are not kept (%1).</translation>
    </message>
    <message>
        <source>aprire</source>
        <translation>opened</translation>
    </message>
    <message>
        <source>creare</source>
        <translation>created</translation>
    </message>
    <message>
        <source>scrivere</source>
        <translation>written</translation>
    </message>
    <message>
        <source>leggere</source>
        <translation>read</translation>
    </message>
</context>
<context>
    <name>HistoryWords</name>
    <message>
        <source>interrotta</source>
        <translation>abandoned</translation>
    </message>
    <message>
        <source>in corso</source>
        <translation>in progress</translation>
    </message>
    <message>
        <source>finita</source>
        <translation>over</translation>
    </message>
    <message>
        <source>parità</source>
        <translation>draw</translation>
    </message>
    <message>
        <source>vince %1</source>
        <translation>%1 wins</translation>
    </message>
    <message>
        <source>persona</source>
        <translation>person</translation>
    </message>
    <message>
        <source>computer</source>
        <translation>computer</translation>
    </message>
    <message>
        <source>it_IT</source>
        <translation>en_GB</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>&amp;Lingua</source>
        <translation>&amp;Language</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>Avversario</source>
        <translation>Opponent</translation>
    </message>
</context>
<context>
    <name>PlayerAids</name>
    <message>
        <source>&amp;Aiuto</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Consiglio</source>
        <translation>Advice</translation>
    </message>
    <message>
        <source>Regole del gioco</source>
        <translation>Rules of the Game</translation>
    </message>
    <message>
        <source>Informazioni su PENTARO</source>
        <translation>About PENTARO</translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <source>Analisi della partita</source>
        <translation>Game Review</translation>
    </message>
    <message>
        <source>Nessuna partita da analizzare.</source>
        <translation>No game to review.</translation>
    </message>
    <message>
        <source>si ferma</source>
        <translation>stops</translation>
    </message>
    <message>
        <source>rilancia tutti</source>
        <translation>re-rolls all</translation>
    </message>
    <message>
        <source>tiene %1</source>
        <translation>holds %1</translation>
    </message>
    <message>
        <source>Calcolo del gioco perfetto...</source>
        <translation>Working out perfect play...</translation>
    </message>
    <message>
        <source>Partita del %1</source>
        <translation>Game of %1</translation>
    </message>
    <message>
        <source>Turno</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>Tiro</source>
        <translation>Roll</translation>
    </message>
    <message>
        <source>Dadi</source>
        <translation>Dice</translation>
    </message>
    <message>
        <source>Scelta</source>
        <translation>Choice</translation>
    </message>
    <message>
        <source>Gioco perfetto</source>
        <translation>Perfect play</translation>
    </message>
    <message>
        <source>Punti persi</source>
        <translation>Points lost</translation>
    </message>
    <message>
        <source>Punteggio finale atteso dopo ogni decisione</source>
        <translation>Expected final score after each decision</translation>
    </message>
    <message>
        <source>Punteggio: %1   Punti attesi persi: %2   Precisione: %3 % (%4 decisioni)   Gioco perfetto da inizio partita: %5</source>
        <translation>Score: %1   Expected points lost: %2   Precision: %3 % (%4 decisions)   Perfect play from the start: %5</translation>
    </message>
    <message>
        <source>Decisione</source>
        <translation>Decision</translation>
    </message>
</context>
<context>
    <name>RulesWindow</name>
    <message>
        <source>Avversario</source>
        <translation>Opponent</translation>
    </message>
    <message>
        <source>&lt;p&gt;Chi gioca da solo pu&amp;ograve; sfidare il computer: nel menu &lt;b&gt;Avversario&lt;/b&gt; si sceglie il livello, poi &lt;b&gt;2 Giocatori&lt;/b&gt;. Il computer siede al secondo posto e gioca il suo turno sul tavolo; intanto clic e tasti sul tavolo non contano, il menu resta attivo.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Principiante&lt;/b&gt; tiene la faccia pi&amp;ugrave; frequente e prende la casella che vale di pi&amp;ugrave; subito; &lt;b&gt;esperto&lt;/b&gt; gioca al meglio per il proprio punteggio; &lt;b&gt;campione&lt;/b&gt; gioca per vincere, guardando anche il foglio dell&apos;altro. Il record resta alle persone.&lt;/p&gt;</source>
        <translation>&lt;p&gt;A lone player can take on the computer: choose its level in the &lt;b&gt;Opponent&lt;/b&gt; menu, then &lt;b&gt;2 Players&lt;/b&gt;. The computer takes the second seat and plays its turn on the table; meanwhile clicks and keys on the table do nothing, the menu stays active.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Beginner&lt;/b&gt; keeps its most frequent face and takes the box worth most now; &lt;b&gt;expert&lt;/b&gt; plays its best for its own score; &lt;b&gt;champion&lt;/b&gt; plays to win, looking at the other sheet too. The record stays with people.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Per esempio, restano solo Pentaro e Chance e l&apos;altro ha finito con 40 punti in pi&amp;ugrave;; il primo tiro d&amp;agrave; 1 1 1 6 6. &lt;b&gt;Esperto&lt;/b&gt; tiene i due 6 per una buona Chance; &lt;b&gt;campione&lt;/b&gt; tiene i tre 1, perch&amp;eacute; solo un Pentaro pu&amp;ograve; vincere. In due anche &lt;b&gt;Consiglio&lt;/b&gt; gioca per vincere e mostra la &lt;b&gt;Probabilit&amp;agrave; di vittoria&lt;/b&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;For example, with only Pentaro and Chance left and the other player finished 40 points ahead, the first throw gives 1 1 1 6 6. &lt;b&gt;Expert&lt;/b&gt; keeps the two 6s for a good Chance; &lt;b&gt;champion&lt;/b&gt; keeps the three 1s, because only a Pentaro can win. In a game for two In a game for two &lt;b&gt;Hint&lt;/b&gt; plays to winlt;b&gt;Advice&lt;/b&gt; plays to win as well and shows the &lt;b&gt;Chance of winning&lt;/b&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>GNU General Public License, versione 3 o successiva (GPL-3.0-or-later). PENTARO è software libero: può essere ridistribuito e modificato secondo i termini di questa licenza. È distribuito SENZA ALCUNA GARANZIA.</source>
        <translation>GNU General Public License, version 3 or later (GPL-3.0-or-later). PENTARO is free software: you can redistribute it and modify it under the terms of this licence. It comes WITH NO WARRANTY.</translation>
    </message>
    <message>
        <source>Interrompi</source>
        <translation>Abandon</translation>
    </message>
    <message>
        <source>Alt+G / Alt+A</source>
        <translation>Alt+G / Alt+H</translation>
    </message>
    <message>
        <source>aprono i menu Game e Aiuto</source>
        <translation>open the Game and Help menus</translation>
    </message>
    <message>
        <source> (con almeno tre dadi uguali)</source>
        <translation> (with at least three dice alike)</translation>
    </message>
    <message>
        <source> (con almeno quattro dadi uguali)</source>
        <translation> (with at least four dice alike)</translation>
    </message>
    <message>
        <source> (tre dadi uguali e due uguali tra loro; cinque uguali non sono un Full)</source>
        <translation> (three dice alike and another two alike; five alike are no FULL HOUSE)</translation>
    </message>
    <message>
        <source> Conta il totale della parte superiore.</source>
        <translation> The upper section total counts.</translation>
    </message>
    <message>
        <source>parte superiore, premio e parte inferiore insieme</source>
        <translation>upper section, bonus and lower section together</translation>
    </message>
    <message>
        <source>Inizia</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>1 Giocatore / 2 Giocatori</source>
        <translation>1 Player / 2 Players</translation>
    </message>
    <message>
        <source>Spazio</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>il tiro (1&amp;deg; TIRO, 2&amp;deg; TIRO, 3&amp;deg; TIRO)</source>
        <translation>the roll (1st ROLL, 2nd ROLL, 3rd ROLL)</translation>
    </message>
    <message>
        <source>scelgono o lasciano i dadi nel vassoio, dall&apos;alto in basso e da sinistra a destra</source>
        <translation>choose or let go the dice on the tray, top to bottom and left to right</translation>
    </message>
    <message>
        <source>scelgono o lasciano i dadi tenuti, dal primo al quinto</source>
        <translation>choose or let go the held dice, first to fifth</translation>
    </message>
    <message>
        <source>TIENI / SCARTA</source>
        <translation>HOLD / RE-ROLL</translation>
    </message>
    <message>
        <source>FERMATI</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>scorrono le caselle libere del foglio</source>
        <translation>move along the free boxes of the sheet</translation>
    </message>
    <message>
        <source>Invio</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>segna i dadi nella casella evidenziata</source>
        <translation>scores the dice in the highlighted box</translation>
    </message>
    <message>
        <source>ACCETTA</source>
        <translation>ACCEPT</translation>
    </message>
    <message>
        <source>Consiglio</source>
        <translation>Advice</translation>
    </message>
    <message>
        <source>queste regole</source>
        <translation>these rules</translation>
    </message>
    <message>
        <source>Statistiche / Analisi della partita</source>
        <translation>Statistics / Game Review</translation>
    </message>
    <message>
        <source>Il turno</source>
        <translation>The turn</translation>
    </message>
    <message>
        <source>&lt;p&gt;Si gioca da soli o in due, a turno, per tredici turni ciascuno. In ogni turno si tirano i cinque dadi fino a tre volte: un clic su &lt;b&gt;1&amp;deg; TIRO&lt;/b&gt;, poi su &lt;b&gt;2&amp;deg; TIRO&lt;/b&gt; e &lt;b&gt;3&amp;deg; TIRO&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Tra un tiro e l&apos;altro si tengono i dadi buoni: si sceglie un dado con un clic (un secondo clic lo lascia) e si conferma con &lt;b&gt;TIENI&lt;/b&gt;. I dadi tenuti passano nella fila in alto e non vengono ritirati. Per ritirarli si sceglie un dado tenuto e si conferma con &lt;b&gt;SCARTA&lt;/b&gt;: torna nel vassoio.&lt;/p&gt;&lt;p&gt;Con almeno un dado tenuto, &lt;b&gt;FERMATI&lt;/b&gt; chiude i tiri prima del terzo. Finiti i tiri, i cinque dadi sono nella fila in alto.&lt;/p&gt;</source>
        <translation>&lt;p&gt;One player alone or two taking turns, thirteen turns each. In every turn the five dice are rolled up to three times: a click on &lt;b&gt;1st ROLL&lt;/b&gt;, then on &lt;b&gt;2nd ROLL&lt;/b&gt; and &lt;b&gt;3rd ROLL&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Between rolls you keep the good dice: choose a die with a click (a second click lets it go) and confirm with &lt;b&gt;HOLD&lt;/b&gt;. Held dice move to the row at the top and are not rolled again. To roll them again, choose a held die and confirm with &lt;b&gt;RE-ROLL&lt;/b&gt;: it goes back to the tray.&lt;/p&gt;&lt;p&gt;With at least one die held, &lt;b&gt;STOP&lt;/b&gt; ends the rolling before the third roll. Once the rolling is over, all five dice are in the row at the top.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Il foglio dei punti</source>
        <translation>The score sheet</translation>
    </message>
    <message>
        <source>&lt;p&gt;Si sceglie una casella libera con un clic: vi si scrivono i punti dei dadi, anche 0. Un clic su un&apos;altra casella libera sposta i punti; &lt;b&gt;ACCETTA&lt;/b&gt; li conferma e passa il turno. Ogni casella si usa una sola volta; un secondo Pentaro non vale nulla in pi&amp;ugrave;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Choose a free box with a click: the dice&apos;s points are written in it, 0 too. A click on another free box moves the points; &lt;b&gt;ACCEPT&lt;/b&gt; confirms them and ends the turn. Each box is used once only; a second Pentaro earns nothing more.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Fine della partita e record</source>
        <translation>End of the game and the record</translation>
    </message>
    <message>
        <source>&lt;p&gt;Dopo la tredicesima casella di ogni giocatore compare &lt;b&gt;GAME OVER&lt;/b&gt;. In due vince chi ha il TOTALE GENERALE pi&amp;ugrave; alto; a pari punti compare &lt;b&gt;PARITA&apos;&lt;/b&gt;. Un punteggio finale pari o superiore al &lt;b&gt;RECORD&lt;/b&gt; prende il suo posto, con il nome di chi l&apos;ha fatto. &lt;b&gt;Interrompi&lt;/b&gt; abbandona la partita senza record.&lt;/p&gt;</source>
        <translation>&lt;p&gt;After each player&apos;s thirteenth box &lt;b&gt;GAME OVER&lt;/b&gt; appears. With two players the higher GRAND TOTAL wins; equal points show a &lt;b&gt;DRAW&lt;/b&gt;. A final score equal to or higher than the &lt;b&gt;RECORD&lt;/b&gt; takes its place, with the name of whoever made it. &lt;b&gt;Abandon&lt;/b&gt; leaves the game without a record.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>I tasti</source>
        <translation>The keys</translation>
    </message>
    <message>
        <source>&lt;p&gt;Tutto il gioco si pu&amp;ograve; fare anche con la tastiera. Finch&amp;eacute; si usano i tasti, accanto a ogni dado compare il suo numero; muovendo il mouse spariscono.&lt;/p&gt;</source>
        <translation>&lt;p&gt;The whole game can be played with the keyboard too. While keys are used, each die shows its number beside it; moving the mouse makes the numbers go.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Consiglio&lt;/b&gt; (menu Aiuto, tasto H) mostra la mossa migliore per chi &amp;egrave; di turno &amp;ndash; i dadi da tenere, FERMATI o la casella da scegliere &amp;ndash; e il punteggio finale che ci si pu&amp;ograve; attendere giocando sempre al meglio. Non gioca al posto vostro e sparisce alla mossa successiva.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Advice&lt;/b&gt; (Help menu, key H) shows the best move for the player on turn &amp;ndash; the dice to hold, STOP or the box to choose &amp;ndash; and the final score to expect when always playing at best. It does not play for you and goes at the next move.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Regole del gioco</source>
        <translation>Rules of the Game</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Giocatori e punti</source>
        <translation>Players and points</translation>
    </message>
    <message>
        <source>Esito</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Punteggio</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Media delle ultime %1</source>
        <translation>Mean of the last %1</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Partite</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>Punteggio finale</source>
        <translation>Final score</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Gioco perfetto</source>
        <translation>Perfect play</translation>
    </message>
    <message>
        <source>Gioco perfetto (calcolo...)</source>
        <translation>Perfect play (working out...)</translation>
    </message>
    <message>
        <source>Punti medi</source>
        <translation>Mean points</translation>
    </message>
    <message>
        <source>Nessuna partita a due finita.</source>
        <translation>No finished game for two.</translation>
    </message>
    <message>
        <source>&lt;table cellspacing=6&gt;&lt;tr&gt;&lt;th align=left&gt;Avversario&lt;/th&gt;&lt;th align=left&gt;Chi gioca&lt;/th&gt;&lt;th&gt;Vinte&lt;/th&gt;&lt;th&gt;Perse&lt;/th&gt;&lt;th&gt;Pari&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;</source>
        <translation>&lt;table cellspacing=6&gt;&lt;tr&gt;&lt;th align=left&gt;Opponent&lt;/th&gt;&lt;th align=left&gt;Who plays&lt;/th&gt;&lt;th&gt;Won&lt;/th&gt;&lt;th&gt;Lost&lt;/th&gt;&lt;th&gt;Drawn&lt;/th&gt;&lt;/tr&gt;%1&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Analisi della partita</source>
        <translation>Game Review</translation>
    </message>
    <message>
        <source>Statistiche</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Giocatore:</source>
        <translation>Player:</translation>
    </message>
    <message>
        <source>Tutte le partite</source>
        <translation>All games</translation>
    </message>
    <message>
        <source>Ultime %1</source>
        <translation>Last %1</translation>
    </message>
    <message>
        <source>Tutti</source>
        <translation>Everyone</translation>
    </message>
    <message>
        <source>Punteggi nel tempo</source>
        <translation>Scores over time</translation>
    </message>
    <message>
        <source>Distribuzione</source>
        <translation>Distribution</translation>
    </message>
    <message>
        <source>Caselle</source>
        <translation>Boxes</translation>
    </message>
    <message>
        <source>Avversari</source>
        <translation>Opponents</translation>
    </message>
    <message>
        <source>Nessuna partita finita (interrotte: %1).</source>
        <translation>No finished game (abandoned: %1).</translation>
    </message>
    <message>
        <source>Partite finite: %1 (interrotte: %2)   Media: %3   Migliore: %4   Premio: %5 %   Pentaro: %6 %</source>
        <translation>Games finished: %1 (abandoned: %2)   Mean: %3   Best: %4   Bonus: %5 %   Pentaro: %6 %</translation>
    </message>
</context>
</TS>
