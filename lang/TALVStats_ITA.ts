<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_CH">
<context>
    <name></name>
    <message id="1">
        <source>new</source>
        <translation>nuova</translation>
    </message>
    <message id="2">
        <source>set-up running</source>
        <translation>configurazione in corso</translation>
    </message>
    <message id="3">
        <source>state 3</source>
        <translation>stato 3</translation>
    </message>
    <message id="4">
        <source>state 4</source>
        <translation>stato 4</translation>
    </message>
    <message id="5">
        <source>set up</source>
        <translation>configurata</translation>
    </message>
    <message id="6">
        <source>in progress</source>
        <translation>in corso</translation>
    </message>
    <message id="7">
        <source>state 7</source>
        <translation>stato 7</translation>
    </message>
    <message id="8">
        <source>finished</source>
        <translation>terminata</translation>
    </message>
    <message id="104">
        <source>HAVRIK Coach Tool game</source>
        <translation>Partita HAVRIK Coach Tool</translation>
    </message>
    <message id="1187">
        <source>Opponents</source>
        <translation>Avversari</translation>
    </message>
    <message id="5000">
        <source>own team</source>
        <translation>propria squadra</translation>
    </message>
    <message id="5003">
        <source>Context menu 4</source>
        <translation>Menu contestuale 4</translation>
    </message>
    <message id="5004">
        <source>Competition</source>
        <translation>Competizione</translation>
    </message>
    <message id="5005">
        <source>Created automatically</source>
        <translation>Creato automaticamente</translation>
    </message>
    <message id="5006">
        <source>Round robin</source>
        <translation>Girone all'italiana</translation>
    </message>
    <message id="5007">
        <source>Final</source>
        <translation>Finale</translation>
    </message>
    <message id="5008">
        <source>Play-offs</source>
        <translation>Play-off</translation>
    </message>
    <message id="5010">
        <source>My Team</source>
        <translation>La mia squadra</translation>
    </message>
    <message id="5011">
        <source>Player %1</source>
        <translation>Giocatore %1</translation>
    </message>
    <message id="5012">
        <source>Do you really want to delete "%1"?</source>
        <translation>Eliminare davvero «%1»?</translation>
    </message>
    <message id="5013">
        <source>Session %1</source>
        <translation>Sessione %1</translation>
    </message>
    <message id="5014">
        <source>Sheet %1</source>
        <translation>Pista %1</translation>
    </message>
    <message id="5015">
        <source>Team %1</source>
        <translation>Squadra %1</translation>
    </message>
    <message id="5022">
        <source>Diagram</source>
        <translation>Diagramma</translation>
    </message>
    <message id="5024">
        <source>End</source>
        <translation>End</translation>
    </message>
    <message id="5025">
        <source>End %1</source>
        <translation>End %1</translation>
    </message>
    <message id="5030">
        <source>The image could not be saved to the file %1.</source>
        <translation>Impossibile salvare l'immagine nel file %1.</translation>
    </message>
    <message id="5031">
        <source>Do you want to finish the game?</source>
        <translation>Terminare la partita?</translation>
    </message>
    <message id="5035">
        <source>Game summary – %1</source>
        <translation>Riepilogo della partita – %1</translation>
    </message>
    <message id="5036">
        <source>Game summary – %1</source>
        <translation>Riepilogo della partita – %1</translation>
    </message>
    <message id="5037">
        <source>Game summary – %1</source>
        <translation>Riepilogo della partita – %1</translation>
    </message>
    <message id="5038">
        <source>%1: General remarks</source>
        <translation>%1: Osservazioni generali</translation>
    </message>
    <message id="5039">
        <source>%1: Strengths</source>
        <translation>%1: Punti di forza</translation>
    </message>
    <message id="5040">
        <source>%1: Points to improve</source>
        <translation>%1: Punti da migliorare</translation>
    </message>
    <message id="5042">
        <source>The game is already in the state "%1". Do you want to change the set-up anyway?</source>
        <translation>La partita è già nello stato «%1». Modificare comunque la configurazione?</translation>
    </message>
    <message id="5051">
        <source>Which stone colour does %1 play?</source>
        <translation>Con quale colore di sassi gioca %1?</translation>
    </message>
    <message id="5061">
        <source>Menu bar</source>
        <translation>Barra dei menu</translation>
    </message>
    <message id="5062">
        <source>Do you want to mark the current stone as the MIS stone (most important stone)?</source>
        <translation>Contrassegnare il sasso attuale come sasso MIS (sasso più importante)?</translation>
    </message>
    <message id="5063">
        <source>A MIS stone is already set in end %1. Do you want to replace it with the current stone?</source>
        <translation>Nell'end %1 è già impostato un sasso MIS. Sostituirlo con il sasso attuale?</translation>
    </message>
    <message id="5064">
        <source>No MIS stone has been set yet. Please mark the most important stone of the game.</source>
        <translation>Non è ancora stato impostato alcun sasso MIS. Contrassegnare il sasso più importante della partita.</translation>
    </message>
    <message id="5066">
        <source>Which player of %1 delivered this stone?</source>
        <translation>Quale giocatore di %1 ha giocato questo sasso?</translation>
    </message>
    <message id="5068">
        <source>No MIS stone has been set.</source>
        <translation>Non è impostato alcun sasso MIS.</translation>
    </message>
    <message id="5073">
        <source>Statistics (number of stones)</source>
        <translation>Statistiche (numero di sassi)</translation>
    </message>
    <message id="5074">
        <source>Statistics (percentages)</source>
        <translation>Statistiche (percentuali)</translation>
    </message>
    <message id="5075">
        <source>Context menu 1</source>
        <translation>Menu contestuale 1</translation>
    </message>
    <message id="5076">
        <source>Tournament diagram</source>
        <translation>Diagramma del torneo</translation>
    </message>
    <message id="5077">
        <source>Context menu 2</source>
        <translation>Menu contestuale 2</translation>
    </message>
    <message id="5079">
        <source>Context menu 3</source>
        <translation>Menu contestuale 3</translation>
    </message>
    <message id="5081">
        <source>Context menu 5</source>
        <translation>Menu contestuale 5</translation>
    </message>
    <message id="5083">
        <source>By position</source>
        <translation>Per posizione</translation>
    </message>
    <message id="5084">
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message id="5088">
        <source>All categories, events, teams and players in the registry will be replaced by the default entries. Do you want to reset the registry?</source>
        <translation>Tutte le categorie, gli eventi, le squadre e i giocatori del registro saranno sostituiti dalle voci predefinite. Reimpostare il registro?</translation>
    </message>
    <message id="5090">
        <source>The new look has been saved. It will be applied the next time the program starts.</source>
        <translation>Il nuovo aspetto è stato salvato. Verrà applicato al prossimo avvio del programma.</translation>
    </message>
    <message id="5091">
        <source>Result of end %1</source>
        <translation>Risultato dell'end %1</translation>
    </message>
    <message id="5092">
        <source>This stone differs from its stored version. Do you want to keep the change?</source>
        <translation>Questo sasso differisce dalla versione registrata. Mantenere la modifica?</translation>
    </message>
    <message id="5093">
        <source>Do you want to return the game to the set-up state?</source>
        <translation>Riportare la partita allo stato di configurazione?</translation>
    </message>
    <message id="5094">
        <source>The game has already started. Do you really want to swap the playing direction?</source>
        <translation>La partita è già iniziata. Invertire davvero la direzione di gioco?</translation>
    </message>
    <message id="5095">
        <source>Sheet %1</source>
        <translation>Pista %1</translation>
    </message>
    <message id="5096">
        <source>If a team was late, the current end is scored one point for the other team. Do you want to record the current end for a late team?</source>
        <translation>Se una squadra è arrivata in ritardo, l'end attuale vale un punto per l'altra squadra. Registrare l'end attuale per una squadra in ritardo?</translation>
    </message>
    <message id="5097">
        <source>Do you want to reset the window layout and the toolbars to their defaults?</source>
        <translation>Ripristinare la disposizione predefinita delle finestre e delle barre degli strumenti?</translation>
    </message>
    <message id="5098">
        <source>The end was not played out. Do you want to record the remaining stones of this end as not played?</source>
        <translation>L'end non è stato giocato fino in fondo. Registrare i sassi rimanenti di questo end come non giocati?</translation>
    </message>
    <message id="5099">
        <source>The last stone alternates every end, so the team that has just scored also has the last stone in the next end and %1 delivers first. Do you want to accept this?</source>
        <translation>L'ultimo sasso si alterna a ogni end: la squadra che ha appena segnato ha l'ultimo sasso anche nell'end successivo e %1 gioca per prima. Accettare?</translation>
    </message>
    <message id="5100">
        <source>Through (not counted)</source>
        <translation>Attraverso la casa (non conteggiato)</translation>
    </message>
    <message id="5101">
        <source>Both teams</source>
        <translation>Entrambe le squadre</translation>
    </message>
    <message id="5102">
        <source>Total draws</source>
        <translation>Totale accosti</translation>
    </message>
    <message id="5103">
        <source>Clockwise</source>
        <translation>Senso orario</translation>
    </message>
    <message id="5104">
        <source>Counter-clockwise</source>
        <translation>Senso anti-orario</translation>
    </message>
    <message id="5105">
        <source>Total takeouts</source>
        <translation>Totale bocciate</translation>
    </message>
    <message id="5106">
        <source>Difference to opponent</source>
        <translation>Differenza rispetto all'avversario</translation>
    </message>
    <message id="5107">
        <source>Stone</source>
        <translation>Sasso</translation>
    </message>
    <message id="5108">
        <source>The game is linked to the results database. Do you want to change the line-up anyway?</source>
        <translation>La partita è collegata alla banca dati dei risultati. Modificare comunque la formazione?</translation>
    </message>
    <message id="5109">
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message id="5110">
        <source>The entry is incomplete. Please select the task, the handle and the points.</source>
        <translation>L'inserimento è incompleto. Selezionare il tiro, la rotazione e i punti.</translation>
    </message>
    <message id="5111">
        <source>Do you want to reset the game timer?</source>
        <translation>Azzerare il tempo di riflessione?</translation>
    </message>
    <message id="5112">
        <source>Customise...</source>
        <translation>Personalizza...</translation>
    </message>
    <message id="5113">
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message id="5114">
        <source>Stopwatch</source>
        <translation>Cronometro</translation>
    </message>
    <message id="5115">
        <source>Game timer</source>
        <translation>Tempo di riflessione</translation>
    </message>
    <message id="5116">
        <source>The game is finished and its entries can no longer be changed. Re-open the game to edit them.</source>
        <translation>La partita è terminata; gli inserimenti non possono più essere modificati. Riaprire la partita per modificarli.</translation>
    </message>
    <message id="5117">
        <source>Game set-up</source>
        <translation>Configurazione della partita</translation>
    </message>
    <message id="5118">
        <source>Page %1 of 3</source>
        <translation>Pagina %1 di 3</translation>
    </message>
    <message id="5119">
        <source>Do you really want to change the handle of this stone?</source>
        <translation>Modificare davvero la rotazione di questo sasso?</translation>
    </message>
    <message id="5120">
        <source>Tag set: %1</source>
        <translation>Marcatore inserito: %1</translation>
    </message>
    <message id="5121">
        <source>Inside-&gt;out</source>
        <translation>Interno-&gt;esterno</translation>
    </message>
    <message id="5122">
        <source>Outside-&gt;in</source>
        <translation>Esterno-&gt;interno</translation>
    </message>
    <message id="5123">
        <source>Number of tags of this stone: %1. Do you want to remove the last tag?</source>
        <translation>Numero di marcatori di questo sasso: %1. Rimuovere l'ultimo marcatore?</translation>
    </message>
    <message id="5124">
        <source>The current stone has no tags.</source>
        <translation>Il sasso attuale non ha marcatori.</translation>
    </message>
    <message id="5125">
        <source>The video-analysis application was not found. Do you want to mark the start of the video anyway (dated 5 seconds back)?</source>
        <translation>L'applicazione di analisi video non è stata trovata. Marcare comunque l'inizio del video (datato 5 secondi prima)?</translation>
    </message>
    <message id="5126">
        <source>Do you want to stop the video?</source>
        <translation>Fermare il video?</translation>
    </message>
    <message id="5127">
        <source>The video-analysis application was not found.</source>
        <translation>L'applicazione di analisi video non è stata trovata.</translation>
    </message>
    <message id="5128">
        <source>Start video</source>
        <translation>Avvia video</translation>
    </message>
    <message id="5129">
        <source>Stop video</source>
        <translation>Ferma video</translation>
    </message>
    <message id="5130">
        <source>List tags</source>
        <translation>Mostra marcatori</translation>
    </message>
    <message id="5131">
        <source>Remove last tag</source>
        <translation>Rimuovi ultimo marcatore</translation>
    </message>
    <message id="5132">
        <source>Tags of the current stone:

</source>
        <translation>Marcatori del sasso attuale:

</translation>
    </message>
    <message id="5133">
        <source>(no tags)</source>
        <translation>(nessun marcatore)</translation>
    </message>
    <message id="5135">
        <source>Changes were confirmed in a list opened from here. Do you want to undo them and restore the previous entries?</source>
        <translation>Sono state confermate modifiche in un elenco aperto da qui. Annullarle e ripristinare le voci precedenti?</translation>
    </message>
    <message id="5136">
        <source>Which team is %1 in this game?</source>
        <translation>Quale squadra è %1 in questa partita?</translation>
    </message>
    <message id="5144">
        <source>No game files were added.</source>
        <translation>Non è stato aggiunto alcun file di partita.</translation>
    </message>
    <message id="5146">
        <source>Edit remark</source>
        <translation>Modifica osservazione</translation>
    </message>
    <message id="5147">
        <source>Edit comment</source>
        <translation>Modifica commento</translation>
    </message>
    <message id="5148">
        <source>My Team is normally kept when the registry is reset. Do you want to reset My Team as well?</source>
        <translation>La mia squadra viene normalmente mantenuta quando si reimposta il registro. Reimpostare anche La mia squadra?</translation>
    </message>
    <message id="5149">
        <source>Ends</source>
        <translation>End</translation>
    </message>
    <message id="5150">
        <source>End %1</source>
        <translation>End %1</translation>
    </message>
    <message id="5154">
        <source>Stone order</source>
        <translation>Ordine dei sassi</translation>
    </message>
    <message id="5155">
        <source>First stone</source>
        <translation>Primo sasso</translation>
    </message>
    <message id="5156">
        <source>Second stone</source>
        <translation>Secondo sasso</translation>
    </message>
    <message id="5158">
        <source>Please check the entry before continuing.</source>
        <translation>Verificare l'inserimento prima di continuare.</translation>
    </message>
    <message id="32021">
        <source>The game is linked to the results database. Please take the result of this end from the database and check it before you confirm it.</source>
        <translation>La partita è collegata alla banca dati dei risultati. Riprendere il risultato di questo end dalla banca dati e verificarlo prima di confermarlo.</translation>
    </message>
    <message id="32041">
        <source>Do you want to re-open the finished game?</source>
        <translation>Riaprire la partita terminata?</translation>
    </message>
    <message id="32045">
        <source>The regular number of ends has not been played yet. Do you really want to finish the game now?</source>
        <translation>Il numero regolamentare di end non è ancora stato giocato. Terminare davvero la partita ora?</translation>
    </message>
    <message id="32046">
        <source>The score is tied. Choose No to continue with an extra end. Do you want to finish the game anyway?</source>
        <translation>Il punteggio è in parità. Scegliere No per giocare un end supplementare. Terminare comunque la partita?</translation>
    </message>
    <message id="32112">
        <source>Analysis</source>
        <translation>Analisi</translation>
    </message>
</context>
</TS>
