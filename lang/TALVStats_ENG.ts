<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name></name>
    <message id="1">
        <source>new</source>
        <translation>new</translation>
    </message>
    <message id="2">
        <source>set-up running</source>
        <translation>set-up running</translation>
    </message>
    <message id="3">
        <source>state 3</source>
        <translation>state 3</translation>
    </message>
    <message id="4">
        <source>state 4</source>
        <translation>state 4</translation>
    </message>
    <message id="5">
        <source>set up</source>
        <translation>set up</translation>
    </message>
    <message id="6">
        <source>in progress</source>
        <translation>in progress</translation>
    </message>
    <message id="7">
        <source>state 7</source>
        <translation>state 7</translation>
    </message>
    <message id="8">
        <source>finished</source>
        <translation>finished</translation>
    </message>
    <message id="104">
        <source>HAVRIK Coach Tool game</source>
        <translation>HAVRIK Coach Tool game</translation>
    </message>
    <message id="1187">
        <source>Opponents</source>
        <translation>Opponents</translation>
    </message>
    <message id="5000">
        <source>own team</source>
        <translation>own team</translation>
    </message>
    <message id="5003">
        <source>Context menu 4</source>
        <translation>Context menu 4</translation>
    </message>
    <message id="5004">
        <source>Competition</source>
        <translation>Competition</translation>
    </message>
    <message id="5005">
        <source>Created automatically</source>
        <translation>Created automatically</translation>
    </message>
    <message id="5006">
        <source>Round robin</source>
        <translation>Round robin</translation>
    </message>
    <message id="5007">
        <source>Final</source>
        <translation>Final</translation>
    </message>
    <message id="5008">
        <source>Play-offs</source>
        <translation>Play-offs</translation>
    </message>
    <message id="5010">
        <source>My Team</source>
        <translation>My Team</translation>
    </message>
    <message id="5011">
        <source>Player %1</source>
        <translation>Player %1</translation>
    </message>
    <message id="5012">
        <source>Do you really want to delete "%1"?</source>
        <translation>Do you really want to delete "%1"?</translation>
    </message>
    <message id="5013">
        <source>Session %1</source>
        <translation>Session %1</translation>
    </message>
    <message id="5014">
        <source>Sheet %1</source>
        <translation>Sheet %1</translation>
    </message>
    <message id="5015">
        <source>Team %1</source>
        <translation>Team %1</translation>
    </message>
    <message id="5022">
        <source>Diagram</source>
        <translation>Diagram</translation>
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
        <translation>The image could not be saved to the file %1.</translation>
    </message>
    <message id="5031">
        <source>Do you want to finish the game?</source>
        <translation>Do you want to finish the game?</translation>
    </message>
    <message id="5035">
        <source>Game summary – %1</source>
        <translation>Game summary – %1</translation>
    </message>
    <message id="5036">
        <source>Game summary – %1</source>
        <translation>Game summary – %1</translation>
    </message>
    <message id="5037">
        <source>Game summary – %1</source>
        <translation>Game summary – %1</translation>
    </message>
    <message id="5038">
        <source>%1: General remarks</source>
        <translation>%1: General remarks</translation>
    </message>
    <message id="5039">
        <source>%1: Strengths</source>
        <translation>%1: Strengths</translation>
    </message>
    <message id="5040">
        <source>%1: Points to improve</source>
        <translation>%1: Points to improve</translation>
    </message>
    <message id="5042">
        <source>The game is already in the state "%1". Do you want to change the set-up anyway?</source>
        <translation>The game is already in the state "%1". Do you want to change the set-up anyway?</translation>
    </message>
    <message id="5051">
        <source>Which stone colour does %1 play?</source>
        <translation>Which stone colour does %1 play?</translation>
    </message>
    <message id="5061">
        <source>Menu bar</source>
        <translation>Menu bar</translation>
    </message>
    <message id="5062">
        <source>Do you want to mark the current stone as the MIS stone (most important stone)?</source>
        <translation>Do you want to mark the current stone as the MIS stone (most important stone)?</translation>
    </message>
    <message id="5063">
        <source>A MIS stone is already set in end %1. Do you want to replace it with the current stone?</source>
        <translation>A MIS stone is already set in end %1. Do you want to replace it with the current stone?</translation>
    </message>
    <message id="5064">
        <source>No MIS stone has been set yet. Please mark the most important stone of the game.</source>
        <translation>No MIS stone has been set yet. Please mark the most important stone of the game.</translation>
    </message>
    <message id="5066">
        <source>Which player of %1 delivered this stone?</source>
        <translation>Which player of %1 delivered this stone?</translation>
    </message>
    <message id="5068">
        <source>No MIS stone has been set.</source>
        <translation>No MIS stone has been set.</translation>
    </message>
    <message id="5073">
        <source>Statistics (number of stones)</source>
        <translation>Statistics (number of stones)</translation>
    </message>
    <message id="5074">
        <source>Statistics (percentages)</source>
        <translation>Statistics (percentages)</translation>
    </message>
    <message id="5075">
        <source>Context menu 1</source>
        <translation>Context menu 1</translation>
    </message>
    <message id="5076">
        <source>Tournament diagram</source>
        <translation>Tournament diagram</translation>
    </message>
    <message id="5077">
        <source>Context menu 2</source>
        <translation>Context menu 2</translation>
    </message>
    <message id="5079">
        <source>Context menu 3</source>
        <translation>Context menu 3</translation>
    </message>
    <message id="5081">
        <source>Context menu 5</source>
        <translation>Context menu 5</translation>
    </message>
    <message id="5083">
        <source>By position</source>
        <translation>By position</translation>
    </message>
    <message id="5084">
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message id="5088">
        <source>All categories, events, teams and players in the registry will be replaced by the default entries. Do you want to reset the registry?</source>
        <translation>All categories, events, teams and players in the registry will be replaced by the default entries. Do you want to reset the registry?</translation>
    </message>
    <message id="5090">
        <source>The new look has been saved. It will be applied the next time the program starts.</source>
        <translation>The new look has been saved. It will be applied the next time the program starts.</translation>
    </message>
    <message id="5091">
        <source>Result of end %1</source>
        <translation>Result of end %1</translation>
    </message>
    <message id="5092">
        <source>This stone differs from its stored version. Do you want to keep the change?</source>
        <translation>This stone differs from its stored version. Do you want to keep the change?</translation>
    </message>
    <message id="5093">
        <source>Do you want to return the game to the set-up state?</source>
        <translation>Do you want to return the game to the set-up state?</translation>
    </message>
    <message id="5094">
        <source>The game has already started. Do you really want to swap the playing direction?</source>
        <translation>The game has already started. Do you really want to swap the playing direction?</translation>
    </message>
    <message id="5095">
        <source>Sheet %1</source>
        <translation>Sheet %1</translation>
    </message>
    <message id="5096">
        <source>If a team was late, the current end is scored one point for the other team. Do you want to record the current end for a late team?</source>
        <translation>If a team was late, the current end is scored one point for the other team. Do you want to record the current end for a late team?</translation>
    </message>
    <message id="5097">
        <source>Do you want to reset the window layout and the toolbars to their defaults?</source>
        <translation>Do you want to reset the window layout and the toolbars to their defaults?</translation>
    </message>
    <message id="5098">
        <source>The end was not played out. Do you want to record the remaining stones of this end as not played?</source>
        <translation>The end was not played out. Do you want to record the remaining stones of this end as not played?</translation>
    </message>
    <message id="5099">
        <source>The last stone alternates every end, so the team that has just scored also has the last stone in the next end and %1 delivers first. Do you want to accept this?</source>
        <translation>The last stone alternates every end, so the team that has just scored also has the last stone in the next end and %1 delivers first. Do you want to accept this?</translation>
    </message>
    <message id="5100">
        <source>Through (not counted)</source>
        <translation>Through (not counted)</translation>
    </message>
    <message id="5101">
        <source>Both teams</source>
        <translation>Both teams</translation>
    </message>
    <message id="5102">
        <source>Total draws</source>
        <translation>Total draws</translation>
    </message>
    <message id="5103">
        <source>Clockwise</source>
        <translation>Clockwise</translation>
    </message>
    <message id="5104">
        <source>Counter-clockwise</source>
        <translation>Counter-clockwise</translation>
    </message>
    <message id="5105">
        <source>Total takeouts</source>
        <translation>Total takeouts</translation>
    </message>
    <message id="5106">
        <source>Difference to opponent</source>
        <translation>Difference to opponent</translation>
    </message>
    <message id="5107">
        <source>Stone</source>
        <translation>Stone</translation>
    </message>
    <message id="5108">
        <source>The game is linked to the results database. Do you want to change the line-up anyway?</source>
        <translation>The game is linked to the results database. Do you want to change the line-up anyway?</translation>
    </message>
    <message id="5109">
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message id="5110">
        <source>The entry is incomplete. Please select the task, the handle and the points.</source>
        <translation>The entry is incomplete. Please select the task, the handle and the points.</translation>
    </message>
    <message id="5111">
        <source>Do you want to reset the game timer?</source>
        <translation>Do you want to reset the game timer?</translation>
    </message>
    <message id="5112">
        <source>Customise...</source>
        <translation>Customise...</translation>
    </message>
    <message id="5113">
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message id="5114">
        <source>Stopwatch</source>
        <translation>Stopwatch</translation>
    </message>
    <message id="5115">
        <source>Game timer</source>
        <translation>Game timer</translation>
    </message>
    <message id="5116">
        <source>The game is finished and its entries can no longer be changed. Re-open the game to edit them.</source>
        <translation>The game is finished and its entries can no longer be changed. Re-open the game to edit them.</translation>
    </message>
    <message id="5117">
        <source>Game set-up</source>
        <translation>Game set-up</translation>
    </message>
    <message id="5118">
        <source>Page %1 of 3</source>
        <translation>Page %1 of 3</translation>
    </message>
    <message id="5119">
        <source>Do you really want to change the handle of this stone?</source>
        <translation>Do you really want to change the handle of this stone?</translation>
    </message>
    <message id="5120">
        <source>Tag set: %1</source>
        <translation>Tag set: %1</translation>
    </message>
    <message id="5121">
        <source>Inside-&gt;out</source>
        <translation>Inside-&gt;out</translation>
    </message>
    <message id="5122">
        <source>Outside-&gt;in</source>
        <translation>Outside-&gt;in</translation>
    </message>
    <message id="5123">
        <source>Number of tags of this stone: %1. Do you want to remove the last tag?</source>
        <translation>Number of tags of this stone: %1. Do you want to remove the last tag?</translation>
    </message>
    <message id="5124">
        <source>The current stone has no tags.</source>
        <translation>The current stone has no tags.</translation>
    </message>
    <message id="5125">
        <source>The video-analysis application was not found. Do you want to mark the start of the video anyway (dated 5 seconds back)?</source>
        <translation>The video-analysis application was not found. Do you want to mark the start of the video anyway (dated 5 seconds back)?</translation>
    </message>
    <message id="5126">
        <source>Do you want to stop the video?</source>
        <translation>Do you want to stop the video?</translation>
    </message>
    <message id="5127">
        <source>The video-analysis application was not found.</source>
        <translation>The video-analysis application was not found.</translation>
    </message>
    <message id="5128">
        <source>Start video</source>
        <translation>Start video</translation>
    </message>
    <message id="5129">
        <source>Stop video</source>
        <translation>Stop video</translation>
    </message>
    <message id="5130">
        <source>List tags</source>
        <translation>List tags</translation>
    </message>
    <message id="5131">
        <source>Remove last tag</source>
        <translation>Remove last tag</translation>
    </message>
    <message id="5132">
        <source>Tags of the current stone:

</source>
        <translation>Tags of the current stone:

</translation>
    </message>
    <message id="5133">
        <source>(no tags)</source>
        <translation>(no tags)</translation>
    </message>
    <message id="5135">
        <source>Changes were confirmed in a list opened from here. Do you want to undo them and restore the previous entries?</source>
        <translation>Changes were confirmed in a list opened from here. Do you want to undo them and restore the previous entries?</translation>
    </message>
    <message id="5136">
        <source>Which team is %1 in this game?</source>
        <translation>Which team is %1 in this game?</translation>
    </message>
    <message id="5144">
        <source>No game files were added.</source>
        <translation>No game files were added.</translation>
    </message>
    <message id="5146">
        <source>Edit remark</source>
        <translation>Edit remark</translation>
    </message>
    <message id="5147">
        <source>Edit comment</source>
        <translation>Edit comment</translation>
    </message>
    <message id="5148">
        <source>My Team is normally kept when the registry is reset. Do you want to reset My Team as well?</source>
        <translation>My Team is normally kept when the registry is reset. Do you want to reset My Team as well?</translation>
    </message>
    <message id="5149">
        <source>Ends</source>
        <translation>Ends</translation>
    </message>
    <message id="5150">
        <source>End %1</source>
        <translation>End %1</translation>
    </message>
    <message id="5154">
        <source>Stone order</source>
        <translation>Stone order</translation>
    </message>
    <message id="5155">
        <source>First stone</source>
        <translation>First stone</translation>
    </message>
    <message id="5156">
        <source>Second stone</source>
        <translation>Second stone</translation>
    </message>
    <message id="5158">
        <source>Please check the entry before continuing.</source>
        <translation>Please check the entry before continuing.</translation>
    </message>
    <message id="32021">
        <source>The game is linked to the results database. Please take the result of this end from the database and check it before you confirm it.</source>
        <translation>The game is linked to the results database. Please take the result of this end from the database and check it before you confirm it.</translation>
    </message>
    <message id="32041">
        <source>Do you want to re-open the finished game?</source>
        <translation>Do you want to re-open the finished game?</translation>
    </message>
    <message id="32045">
        <source>The regular number of ends has not been played yet. Do you really want to finish the game now?</source>
        <translation>The regular number of ends has not been played yet. Do you really want to finish the game now?</translation>
    </message>
    <message id="32046">
        <source>The score is tied. Choose No to continue with an extra end. Do you want to finish the game anyway?</source>
        <translation>The score is tied. Choose No to continue with an extra end. Do you want to finish the game anyway?</translation>
    </message>
    <message id="32112">
        <source>Analysis</source>
        <translation>Analysis</translation>
    </message>
</context>
</TS>
