<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About HAVRIK Coach Tool</source>
        <translation>Informazioni su HAVRIK Coach Tool</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:15pt; font-weight:600&apos;&gt;HAVRIK Coach Tool&lt;/p&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Records every stone of a curling game &amp;mdash; who threw it, the called shot, the rotation, how well it was made and where the stones came to rest &amp;mdash; and turns the records into percentages per player, position, team and shot, diagrams and house drawings. Keeps both teams&apos; thinking time, a stopwatch and time-outs.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:15pt; font-weight:600&apos;&gt;HAVRIK Coach Tool&lt;/p&gt;&lt;p&gt;Versione %1&lt;/p&gt;&lt;p&gt;Registra ogni sasso di una partita di curling &amp;mdash; chi l&apos;ha lanciato, il tiro chiamato, la rotazione, la riuscita e dove si sono fermati i sassi &amp;mdash; e ne ricava percentuali per giocatore, posizione, squadra e tiro, diagrammi e disegni della casa. Tiene il tempo di riflessione di entrambe le squadre, un cronometro e i time-out.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CCategoriesBrowser</name>
    <message>
        <source>Categories</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Nuova categoria</translation>
    </message>
    <message>
        <source>Edit category</source>
        <translation>Modifica categoria</translation>
    </message>
</context>
<context>
    <name>CCategoryDialog</name>
    <message>
        <source>No c&amp;ompetition</source>
        <translation>Nessuna c&amp;ompetizione</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Categoria:</translation>
    </message>
    <message>
        <source>Edit &amp;My Team…</source>
        <translation>Modifica la &amp;mia squadra…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importa…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;sporta…</translation>
    </message>
    <message>
        <source>&amp;Reset to defaults…</source>
        <translation>&amp;Ripristina i valori predefiniti…</translation>
    </message>
    <message>
        <source>Competition category</source>
        <translation>Categoria della competizione</translation>
    </message>
    <message>
        <source>Choose the competition the game belongs to.</source>
        <translation>Scegliere la competizione a cui appartiene la partita.</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Nuova categoria</translation>
    </message>
    <message>
        <source>Edit category</source>
        <translation>Modifica categoria</translation>
    </message>
</context>
<context>
    <name>CCompetitionDialog</name>
    <message>
        <source>Ask before the last stone &amp;switches</source>
        <translation>Chiedere prima che l&apos;ultimo sasso &amp;cambi</translation>
    </message>
    <message>
        <source>Stone &amp;A position:</source>
        <translation>Posizione del sasso &amp;A:</translation>
    </message>
    <message>
        <source>Competition</source>
        <translation>Competizione</translation>
    </message>
    <message>
        <source>Event, session, sheet, place and time of the game.</source>
        <translation>Evento, sessione, pista, luogo e ora della partita.</translation>
    </message>
    <message>
        <source>&amp;Event:</source>
        <translation>&amp;Evento:</translation>
    </message>
    <message>
        <source>Se&amp;ssion:</source>
        <translation>Se&amp;ssione:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>&amp;Pista:</translation>
    </message>
    <message>
        <source>&amp;City:</source>
        <translation>&amp;Città:</translation>
    </message>
    <message>
        <source>N&amp;umber of ends:</source>
        <translation>N&amp;umero di end:</translation>
    </message>
    <message>
        <source>&amp;Date and start:</source>
        <translation>&amp;Data e inizio:</translation>
    </message>
    <message>
        <source>session</source>
        <translation>sessione</translation>
    </message>
    <message>
        <source>sheet</source>
        <translation>pista</translation>
    </message>
    <message>
        <source>New %1</source>
        <translation>Nuova %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifica %1</translation>
    </message>
    <message>
        <source>New event</source>
        <translation>Nuovo evento</translation>
    </message>
    <message>
        <source>Edit event</source>
        <translation>Modifica evento</translation>
    </message>
</context>
<context>
    <name>CEventsBrowser</name>
    <message>
        <source>New event</source>
        <translation>Nuovo evento</translation>
    </message>
    <message>
        <source>Edit event</source>
        <translation>Modifica evento</translation>
    </message>
</context>
<context>
    <name>CGotoDialog</name>
    <message>
        <source>Go to end</source>
        <translation>Vai all&apos;end</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;End:</translation>
    </message>
</context>
<context>
    <name>CHandleDialog</name>
    <message>
        <source>Handles of the first colour</source>
        <translation>Maniglie del primo colore</translation>
    </message>
    <message>
        <source>Handles of the second colour</source>
        <translation>Maniglie del secondo colore</translation>
    </message>
    <message>
        <source>Stone colours</source>
        <translation>Colori dei sassi</translation>
    </message>
</context>
<context>
    <name>CLSFEDialog</name>
    <message>
        <source>Last stone in the first end</source>
        <translation>Ultimo sasso nel primo end</translation>
    </message>
    <message>
        <source>Which team has the last stone in end 1?</source>
        <translation>Quale squadra ha l&apos;ultimo sasso nell&apos;end 1?</translation>
    </message>
</context>
<context>
    <name>CLateTeamDialog</name>
    <message>
        <source>Late team</source>
        <translation>Squadra in ritardo</translation>
    </message>
    <message>
        <source>Which team was late?</source>
        <translation>Quale squadra era in ritardo?</translation>
    </message>
</context>
<context>
    <name>CLineupDialog</name>
    <message>
        <source>The team plays with three players (the second sits out)</source>
        <translation>La squadra gioca in tre (il secondo resta fuori)</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Primo</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Secondo</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Terzo</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Quarto</translation>
    </message>
    <message>
        <source>Alternate</source>
        <translation>Riserva</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>&amp;Rename player…</source>
        <translation>&amp;Rinomina giocatore…</translation>
    </message>
    <message>
        <source>Rename player</source>
        <translation>Rinomina giocatore</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
</context>
<context>
    <name>CLineupWizard</name>
    <message>
        <source>Line-up</source>
        <translation>Formazione</translation>
    </message>
</context>
<context>
    <name>CMISDialog</name>
    <message>
        <source>&amp;Go to this stone</source>
        <translation>&amp;Vai a questo sasso</translation>
    </message>
    <message>
        <source>Most important shot</source>
        <translation>Tiro più importante</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Testo:</translation>
    </message>
    <message>
        <source>Stone:</source>
        <translation>Sasso:</translation>
    </message>
</context>
<context>
    <name>CMixedDoublesDialog</name>
    <message>
        <source>&amp;Power play</source>
        <translation>&amp;Power play</translation>
    </message>
    <message>
        <source>First thrower</source>
        <translation>Primo lanciatore</translation>
    </message>
    <message>
        <source>Thrower</source>
        <translation>Lanciatore</translation>
    </message>
    <message>
        <source>Which team delivers first in this end?</source>
        <translation>Quale squadra lancia per prima in questo end?</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Sinistra</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Destra</translation>
    </message>
</context>
<context>
    <name>CNameNoteDialog</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;ota:</translation>
    </message>
</context>
<context>
    <name>CPlayerDialog</name>
    <message>
        <source>Players of team %1</source>
        <translation>Giocatori della squadra %1</translation>
    </message>
    <message>
        <source>New player</source>
        <translation>Nuovo giocatore</translation>
    </message>
    <message>
        <source>Edit player</source>
        <translation>Modifica giocatore</translation>
    </message>
</context>
<context>
    <name>CPlayerEntryDialog</name>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Skip</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>N&amp;umber:</source>
        <translation>N&amp;umero:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;ota:</translation>
    </message>
</context>
<context>
    <name>CPlayerOrder</name>
    <message>
        <source>Player of this stone</source>
        <translation>Giocatore di questo sasso</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Giocatore:</translation>
    </message>
</context>
<context>
    <name>CPlayersBrowser</name>
    <message>
        <source>New player</source>
        <translation>Nuovo giocatore</translation>
    </message>
    <message>
        <source>Edit player</source>
        <translation>Modifica giocatore</translation>
    </message>
</context>
<context>
    <name>CRegistryListBox</name>
    <message>
        <source>Ne&amp;w…</source>
        <translation>&amp;Nuovo…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Modifica…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>C&amp;lear selection</source>
        <translation>Annulla &amp;selezione</translation>
    </message>
</context>
<context>
    <name>CResultDialog</name>
    <message>
        <source>Database</source>
        <translation>Database</translation>
    </message>
</context>
<context>
    <name>CSetGameTimerDialog</name>
    <message>
        <source>Sa&amp;me time for both teams</source>
        <translation>Stesso &amp;tempo per entrambe le squadre</translation>
    </message>
    <message>
        <source>Set game timer</source>
        <translation>Imposta il tempo di gioco</translation>
    </message>
    <message>
        <source>M&amp;inutes</source>
        <translation>M&amp;inuti</translation>
    </message>
    <message>
        <source>&amp;Seconds</source>
        <translation>&amp;Secondi</translation>
    </message>
</context>
<context>
    <name>CSetupWizard</name>
    <message>
        <source>Game set-up</source>
        <translation>Impostazione della partita</translation>
    </message>
    <message>
        <source>Set up the game</source>
        <translation>Impostare la partita</translation>
    </message>
    <message>
        <source>Describe the game before its first stone.</source>
        <translation>Descrivere la partita prima del suo primo sasso.</translation>
    </message>
    <message>
        <source>The pages that follow ask for the competition, the two teams and their players, the colour of each team&apos;s stone handles, the team with the last stone in the first end and who records the game.

Every page can be opened alone later from the Game menu.</source>
        <translation>Le pagine seguenti chiedono la competizione, le due squadre e i loro giocatori, il colore delle maniglie dei sassi di ogni squadra, la squadra con l&apos;ultimo sasso nel primo end e chi registra la partita.

Ogni pagina può essere riaperta da sola in seguito dal menu Partita.</translation>
    </message>
    <message>
        <source>The game is set up</source>
        <translation>La partita è impostata</translation>
    </message>
    <message>
        <source>Every page is filled in.</source>
        <translation>Tutte le pagine sono compilate.</translation>
    </message>
    <message>
        <source>Press Finish to keep these settings. The shot-entry form is then ready for the first stone.</source>
        <translation>Premere Fine per mantenere queste impostazioni. Il modulo di inserimento è quindi pronto per il primo sasso.</translation>
    </message>
</context>
<context>
    <name>CSplash</name>
    <message>
        <source>Curling statistics</source>
        <translation>Statistiche di curling</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>CStatisticianDialog</name>
    <message>
        <source>Statistician</source>
        <translation>Statistico</translation>
    </message>
    <message>
        <source>Who records this game?</source>
        <translation>Chi registra questa partita?</translation>
    </message>
    <message>
        <source>&amp;First statistician:</source>
        <translation>&amp;Primo statistico:</translation>
    </message>
    <message>
        <source>&amp;Second statistician:</source>
        <translation>&amp;Secondo statistico:</translation>
    </message>
    <message>
        <source>New statistician</source>
        <translation>Nuovo statistico</translation>
    </message>
    <message>
        <source>Edit statistician</source>
        <translation>Modifica statistico</translation>
    </message>
</context>
<context>
    <name>CSummaryWizard</name>
    <message>
        <source>Game summary</source>
        <translation>Riepilogo della partita</translation>
    </message>
    <message>
        <source>Summary of the game</source>
        <translation>Riepilogo della partita</translation>
    </message>
    <message>
        <source>What mattered in this game.</source>
        <translation>Ciò che ha contato in questa partita.</translation>
    </message>
    <message>
        <source>Each of the next three pages holds one free text. Finish keeps them with the game; Cancel leaves the game as it was.</source>
        <translation>Ognuna delle tre pagine seguenti contiene un testo libero. Fine li conserva con la partita; Annulla lascia la partita com&apos;era.</translation>
    </message>
    <message>
        <source>Summary complete</source>
        <translation>Riepilogo completo</translation>
    </message>
    <message>
        <source>All three texts are written.</source>
        <translation>Tutti e tre i testi sono scritti.</translation>
    </message>
    <message>
        <source>Press Finish to keep the three texts with the game.</source>
        <translation>Premere Fine per conservare i tre testi con la partita.</translation>
    </message>
</context>
<context>
    <name>CTALVGraphicsVIEW</name>
    <message>
        <source>Colour</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Choose colour…</source>
        <translation>Scegli colore…</translation>
    </message>
    <message>
        <source>Reset colours</source>
        <translation>Ripristina colori</translation>
    </message>
    <message>
        <source>Swap ring colours</source>
        <translation>Scambia i colori dei cerchi</translation>
    </message>
    <message>
        <source>Out of play</source>
        <translation>Fuori gioco</translation>
    </message>
    <message>
        <source>Pick up</source>
        <translation>Raccogli</translation>
    </message>
    <message>
        <source>Go to its delivery</source>
        <translation>Vai al suo lancio</translation>
    </message>
    <message>
        <source>Go back to the shot that last moved it</source>
        <translation>Torna al tiro che l&apos;ha spostato per ultimo</translation>
    </message>
    <message>
        <source>Show broom</source>
        <translation>Mostra la scopa</translation>
    </message>
    <message>
        <source>Show target</source>
        <translation>Mostra il bersaglio</translation>
    </message>
    <message>
        <source>Save image…</source>
        <translation>Salva immagine…</translation>
    </message>
</context>
<context>
    <name>CTeamDialog</name>
    <message>
        <source>My Team plays in the &amp;second place</source>
        <translation>La mia squadra gioca in &amp;seconda posizione</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Squadre</translation>
    </message>
    <message>
        <source>The two teams of the game and their codes.</source>
        <translation>Le due squadre della partita e i loro codici.</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Squadra</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>Team &amp;%1:</source>
        <translation>Squadra &amp;%1:</translation>
    </message>
    <message>
        <source>New team</source>
        <translation>Nuova squadra</translation>
    </message>
    <message>
        <source>Edit team</source>
        <translation>Modifica squadra</translation>
    </message>
</context>
<context>
    <name>CTeamEntryDialog</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Codice:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;ota:</translation>
    </message>
</context>
<context>
    <name>CTeamsBrowser</name>
    <message>
        <source>New team</source>
        <translation>Nuova squadra</translation>
    </message>
    <message>
        <source>Edit team</source>
        <translation>Modifica squadra</translation>
    </message>
    <message>
        <source>Edit My Team</source>
        <translation>Modifica la mia squadra</translation>
    </message>
</context>
<context>
    <name>CTimeoutDialog</name>
    <message>
        <source>Time-out</source>
        <translation>Time-out</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Testo:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Squadra:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>End:</translation>
    </message>
    <message>
        <source>Stone:</source>
        <translation>Sasso:</translation>
    </message>
</context>
<context>
    <name>CTypesDialog</name>
    <message>
        <source>&amp;Add to the list</source>
        <translation>&amp;Aggiungi all&apos;elenco</translation>
    </message>
</context>
<context>
    <name>CWizardEndMainDialog</name>
    <message>
        <source>A free text that stays with the game.</source>
        <translation>Un testo libero che resta con la partita.</translation>
    </message>
</context>
<context>
    <name>CWizardPropertySheet</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ConfigMenu</name>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configurazione</translation>
    </message>
    <message>
        <source>&amp;New category…</source>
        <translation>&amp;Nuova categoria…</translation>
    </message>
    <message>
        <source>&amp;Delete category…</source>
        <translation>&amp;Elimina categoria…</translation>
    </message>
    <message>
        <source>Edit &amp;My Team…</source>
        <translation>Modifica la &amp;mia squadra…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>E&amp;sporta…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importa…</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Nuova categoria</translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <source>The user guide could not be opened:
%1</source>
        <translation>Impossibile aprire la guida utente:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Previous stone</source>
        <translation>Sasso &amp;precedente</translation>
    </message>
    <message>
        <source>&amp;First stone of the game</source>
        <translation>P&amp;rimo sasso della partita</translation>
    </message>
    <message>
        <source>&amp;Go to end…</source>
        <translation>&amp;Vai all&apos;end…</translation>
    </message>
    <message>
        <source>&amp;Move stone</source>
        <translation>&amp;Sposta sasso</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>In &amp;alto</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>In &amp;basso</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>A &amp;sinistra</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>A &amp;destra</translation>
    </message>
    <message>
        <source>&amp;Set most important shot</source>
        <translation>&amp;Imposta il tiro più importante</translation>
    </message>
    <message>
        <source>S&amp;how most important shot…</source>
        <translation>&amp;Mostra il tiro più importante…</translation>
    </message>
    <message>
        <source>Go to most &amp;important shot</source>
        <translation>Vai al tiro più impor&amp;tante</translation>
    </message>
    <message>
        <source>Remove last &amp;tag</source>
        <translation>Rimuovi l&apos;&amp;ultimo marcatore</translation>
    </message>
    <message>
        <source>&amp;Clear pending correction</source>
        <translation>Annulla &amp;correzione in sospeso</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;Set up game…</source>
        <translation>&amp;Imposta la partita…</translation>
    </message>
    <message>
        <source>Set-up pa&amp;ges</source>
        <translation>Pagine di imposta&amp;zione</translation>
    </message>
    <message>
        <source>&amp;Category…</source>
        <translation>&amp;Categoria…</translation>
    </message>
    <message>
        <source>C&amp;ompetition…</source>
        <translation>C&amp;ompetizione…</translation>
    </message>
    <message>
        <source>&amp;Teams…</source>
        <translation>&amp;Squadre…</translation>
    </message>
    <message>
        <source>&amp;Players…</source>
        <translation>&amp;Giocatori…</translation>
    </message>
    <message>
        <source>Stone co&amp;lours…</source>
        <translation>Co&amp;lori dei sassi…</translation>
    </message>
    <message>
        <source>Last stone in the &amp;first end…</source>
        <translation>Ultimo sasso nel p&amp;rimo end…</translation>
    </message>
    <message>
        <source>&amp;Statistician…</source>
        <translation>S&amp;tatistico…</translation>
    </message>
    <message>
        <source>Back to set-&amp;up…</source>
        <translation>&amp;Torna all&apos;impostazione…</translation>
    </message>
    <message>
        <source>&amp;Line-up…</source>
        <translation>&amp;Formazione…</translation>
    </message>
    <message>
        <source>Change line-up &amp;during the game…</source>
        <translation>Cambia formazione &amp;durante la partita…</translation>
    </message>
    <message>
        <source>&amp;Player of this stone…</source>
        <translation>&amp;Giocatore di questo sasso…</translation>
    </message>
    <message>
        <source>&amp;End not played out…</source>
        <translation>&amp;End non giocato fino in fondo…</translation>
    </message>
    <message>
        <source>L&amp;ate team…</source>
        <translation>S&amp;quadra in ritardo…</translation>
    </message>
    <message>
        <source>&amp;Correct previous end…</source>
        <translation>Correggi l&apos;end p&amp;recedente…</translation>
    </message>
    <message>
        <source>Choose first &amp;thrower…</source>
        <translation>Scegli il primo &amp;lanciatore…</translation>
    </message>
    <message>
        <source>Mixed doubles: thrower &amp;assignment…</source>
        <translation>Doppio misto: &amp;assegnazione dei lanciatori…</translation>
    </message>
    <message>
        <source>Power play &amp;left</source>
        <translation>Power play a si&amp;nistra</translation>
    </message>
    <message>
        <source>Power play &amp;right</source>
        <translation>Power play a de&amp;stra</translation>
    </message>
    <message>
        <source>T&amp;ime-out…</source>
        <translation>Ti&amp;me-out…</translation>
    </message>
    <message>
        <source>&amp;Quick statistics</source>
        <translation>Statistic&amp;he rapide</translation>
    </message>
    <message>
        <source>&amp;Finish or re-open game</source>
        <translation>Termina &amp;o riapri la partita</translation>
    </message>
    <message>
        <source>Summar&amp;y…</source>
        <translation>Rie&amp;pilogo…</translation>
    </message>
    <message>
        <source>Switch database link &amp;off</source>
        <translation>Disatti&amp;va il collegamento al database</translation>
    </message>
    <message>
        <source>&amp;Timing</source>
        <translation>&amp;Tempi</translation>
    </message>
    <message>
        <source>Start clock of team &amp;1</source>
        <translation>Avvia l&apos;orologio della squadra &amp;1</translation>
    </message>
    <message>
        <source>Start clock of team &amp;2</source>
        <translation>Avvia l&apos;orologio della squadra &amp;2</translation>
    </message>
    <message>
        <source>&amp;Stop clocks</source>
        <translation>&amp;Ferma gli orologi</translation>
    </message>
    <message>
        <source>Game timer &amp;display</source>
        <translation>&amp;Visualizzazione del tempo di gioco</translation>
    </message>
    <message>
        <source>&amp;Used time</source>
        <translation>Tempo &amp;usato</translation>
    </message>
    <message>
        <source>&amp;Deviation from plan</source>
        <translation>&amp;Scostamento dal piano</translation>
    </message>
    <message>
        <source>&amp;Remaining time</source>
        <translation>Tempo &amp;rimanente</translation>
    </message>
    <message>
        <source>&amp;Times to comment</source>
        <translation>&amp;Tempi nel commento</translation>
    </message>
    <message>
        <source>S&amp;et game timer…</source>
        <translation>&amp;Imposta il tempo di gioco…</translation>
    </message>
    <message>
        <source>&amp;Reset game timer…</source>
        <translation>&amp;Azzera il tempo di gioco…</translation>
    </message>
    <message>
        <source>Stopwatch st&amp;art</source>
        <translation>Avvia il &amp;cronometro</translation>
    </message>
    <message>
        <source>Stopwatch st&amp;op</source>
        <translation>Ferma il cr&amp;onometro</translation>
    </message>
    <message>
        <source>Stopwatch s&amp;plit</source>
        <translation>Tempo &amp;parziale del cronometro</translation>
    </message>
    <message>
        <source>Stopwatch to &amp;comment</source>
        <translation>Cronometro nel co&amp;mmento</translation>
    </message>
    <message>
        <source>Stopwatch rese&amp;t</source>
        <translation>A&amp;zzera il cronometro</translation>
    </message>
    <message>
        <source>Stopwatch &amp;mode</source>
        <translation>Modalità d&amp;el cronometro</translation>
    </message>
    <message>
        <source>&amp;Start and stop</source>
        <translation>&amp;Avvio e arresto</translation>
    </message>
    <message>
        <source>S&amp;plit times</source>
        <translation>Tempi &amp;intermedi</translation>
    </message>
    <message>
        <source>&amp;Game timer bar</source>
        <translation>Barra del &amp;tempo di gioco</translation>
    </message>
    <message>
        <source>Stop&amp;watch bar</source>
        <translation>Barra del &amp;cronometro</translation>
    </message>
    <message>
        <source>G&amp;uidelines</source>
        <translation>&amp;Linee guida</translation>
    </message>
    <message>
        <source>&amp;Advanced handle options</source>
        <translation>Opzioni avan&amp;zate delle maniglie</translation>
    </message>
    <message>
        <source>&amp;Position recording</source>
        <translation>Registrazione delle p&amp;osizioni</translation>
    </message>
    <message>
        <source>Swap playing &amp;direction</source>
        <translation>Inverti la &amp;direzione di gioco</translation>
    </message>
    <message>
        <source>&amp;Second house view</source>
        <translation>Seconda vista della &amp;casa</translation>
    </message>
    <message>
        <source>Save &amp;tags</source>
        <translation>Salva i &amp;marcatori</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Ora del giorno</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation>Inizia una nuova partita</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Apri…</translation>
    </message>
    <message>
        <source>Open a saved game or a CIS file</source>
        <translation>Apri una partita salvata o un file CIS</translation>
    </message>
    <message>
        <source>Open game</source>
        <translation>Apri partita</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save the active game</source>
        <translation>Salva la partita attiva</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Salva con no&amp;me…</translation>
    </message>
    <message>
        <source>Save the active game under another name</source>
        <translation>Salva la partita attiva con un altro nome</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Close the active game</source>
        <translation>Chiudi la partita attiva</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Close all games and end the program</source>
        <translation>Chiudi tutte le partite ed esci dal programma</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Recent games</source>
        <translation>Partite &amp;recenti</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Toolbars</source>
        <translation>&amp;Barre degli strumenti</translation>
    </message>
    <message>
        <source>&amp;Fit panes</source>
        <translation>Ad&amp;atta i riquadri</translation>
    </message>
    <message>
        <source>Application &amp;look</source>
        <translation>Aspe&amp;tto dell&apos;applicazione</translation>
    </message>
    <message>
        <source>Use the %1 look</source>
        <translation>Usa l&apos;aspetto %1</translation>
    </message>
    <message>
        <source>Look-styled &amp;buttons</source>
        <translation>&amp;Pulsanti nello stile dell&apos;aspetto</translation>
    </message>
    <message>
        <source>Draw the form&apos;s buttons in the application look</source>
        <translation>Disegna i pulsanti del modulo con l&apos;aspetto dell&apos;applicazione</translation>
    </message>
    <message>
        <source>&amp;Reset window layout…</source>
        <translation>&amp;Ripristina la disposizione delle finestre…</translation>
    </message>
    <message>
        <source>Put the toolbars back in their places and return to the Blue look</source>
        <translation>Riporta le barre degli strumenti al loro posto e torna all&apos;aspetto Blue</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>F&amp;inestra</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;User guide</source>
        <translation>&amp;Guida utente</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>Apri la guida utente</translation>
    </message>
    <message>
        <source>Check for &amp;updates</source>
        <translation>Cerca &amp;aggiornamenti</translation>
    </message>
    <message>
        <source>Open the maker&apos;s update page in the browser</source>
        <translation>Apri la pagina degli aggiornamenti del produttore nel browser</translation>
    </message>
    <message>
        <source>&amp;About HAVRIK Coach Tool</source>
        <translation>&amp;Informazioni su HAVRIK Coach Tool</translation>
    </message>
    <message>
        <source>Program name and version</source>
        <translation>Nome e versione del programma</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Cronometro</translation>
    </message>
    <message>
        <source>Game timer</source>
        <translation>Tempo di gioco</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Affianca</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>A &amp;cascata</translation>
    </message>
    <message>
        <source>&amp;Next window</source>
        <translation>Finestra &amp;successiva</translation>
    </message>
    <message>
        <source>&amp;Previous window</source>
        <translation>Finestra &amp;precedente</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partite</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Games</source>
        <translation>Partite</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>TimerBars</name>
    <message>
        <source>Stop both clocks</source>
        <translation>Ferma entrambi gli orologi</translation>
    </message>
    <message>
        <source>Start the clock of team %1</source>
        <translation>Avvia l&apos;orologio della squadra %1</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Cronometro</translation>
    </message>
    <message>
        <source>Start the stopwatch</source>
        <translation>Avvia il cronometro</translation>
    </message>
    <message>
        <source>Stop the stopwatch</source>
        <translation>Ferma il cronometro</translation>
    </message>
    <message>
        <source>Split time</source>
        <translation>Tempo parziale</translation>
    </message>
    <message>
        <source>Reset the stopwatch</source>
        <translation>Azzera il cronometro</translation>
    </message>
    <message>
        <source>Write the stopwatch reading into the comment</source>
        <translation>Scrivi la lettura del cronometro nel commento</translation>
    </message>
</context>
</TS>
