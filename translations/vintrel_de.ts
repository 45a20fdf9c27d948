<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>main</name>
    <message>
        <source>A board game of diamonds for two players.</source>
        <translation>Ein Brettspiel aus Rauten für zwei Spieler.</translation>
    </message>
    <message>
        <source>Resume the last game.</source>
        <translation>Das letzte Spiel fortsetzen.</translation>
    </message>
    <message>
        <source>A saved game to open.</source>
        <translation>Ein gespeichertes Spiel, das geöffnet wird.</translation>
    </message>
    <message>
        <source>Only one game can be opened.</source>
        <translation>Es kann nur ein Spiel geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>vintrel::AnalysisWindow</name>
    <message>
        <source>VINTREL ANALYSIS</source>
        <translation>VINTREL ANALYSE</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Moves judged</source>
        <translation>Bewertete Züge</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Engine&apos;s move</source>
        <translation>Zug des Programms</translation>
    </message>
    <message>
        <source>Red&apos;s score</source>
        <translation>Wertung für Rot</translation>
    </message>
    <message>
        <source>Red&apos;s score after each move</source>
        <translation>Wertung für Rot nach jedem Zug</translation>
    </message>
    <message>
        <source>Analysis cancelled: %1 of %2 moves judged</source>
        <translation>Analyse abgebrochen: %1 von %2 Zügen bewertet</translation>
    </message>
    <message>
        <source>analysed %1 moves: %2 blunders</source>
        <translation>%1 Züge analysiert: %2 grobe Fehler</translation>
    </message>
    <message>
        <source>&amp;Analyse Game…</source>
        <translation>Partie &amp;analysieren…</translation>
    </message>
</context>
<context>
    <name>vintrel::Announcer</name>
    <message>
        <source>, held</source>
        <translation>, aufgenommen</translation>
    </message>
    <message>
        <source>%1 moved %2 to %3</source>
        <translation>%1 zog von %2 nach %3</translation>
    </message>
    <message>
        <source>, captures</source>
        <translation>, mit Schlag</translation>
    </message>
    <message>
        <source>. GAME OVER!!</source>
        <translation>. SPIEL AUS!!</translation>
    </message>
    <message>
        <source>Game opened: %1 moves, %2</source>
        <translation>Spiel geöffnet: %1 Züge, %2</translation>
    </message>
</context>
<context>
    <name>vintrel::Autosave</name>
    <message>
        <source>%1: a folder, not a game</source>
        <translation>%1: ein Ordner, keine Partie</translation>
    </message>
    <message>
        <source> (kept as %1)</source>
        <translation> (aufbewahrt als %1)</translation>
    </message>
</context>
<context>
    <name>vintrel::BoardWindow</name>
    <message>
        <source>YOU MAY NOT LAND ON YOUR OWN MAN</source>
        <translation>NICHT AUF DEN EIGENEN STEIN ZIEHEN</translation>
    </message>
    <message>
        <source>MOVE NOT PERMITTED!!</source>
        <translation>ZUG NICHT ERLAUBT!!</translation>
    </message>
    <message>
        <source>YOU ARE COMMITTED TO CAPTURE</source>
        <translation>DU BIST ZUM SCHLAGEN VERPFLICHTET</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Take Back Last Move</source>
        <translation>&amp;Letzten Zug zurücknehmen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Switch Automatically</source>
        <translation>Automatisch &amp;wechseln</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>No Help</source>
        <translation>Keine Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Vintrel</source>
        <translation>&amp;Über Vintrel</translation>
    </message>
    <message>
        <source>R&amp;ules</source>
        <translation>&amp;Regeln</translation>
    </message>
    <message>
        <source>NOT YOUR TURN</source>
        <translation>NICHT DEIN ZUG</translation>
    </message>
    <message>
        <source>Beginning the game:  Each player has men on the thirteen diamonds in his corner before play begins. The red color always plays first. Winning the game:  Be the first player to place any of your men on your opponent&apos;s cornermost diamond  or eliminate by capture all thirteen of your opponent&apos;s men.  Movement of the men:  A man may be moved in a forward, diagonal, or sideward direction either one or two diamonds. A man may not be moved in a backward direction.  The range of movement (or simply the &quot;range&quot;) consists of ten diamonds.  Exception: A man may not be moved onto the top of another man of the same color; men cannot be stacked. However a man can jump over another man of the same color.  Capture and Commitment:  In the game of VINTREL, a player must capture his opponent&apos;s man if it is possible. If any player places a man within the range of any of his opponent&apos;s men, then that player has committed his man to be captured on his opponent&apos;s next turn. Capture does NOT take place by jumping as in CHECKERS, but rather by occupying the same diamond as the captured man as in CHESS. It often happens that a man may be captured by more than one of a player&apos;s men. Then the player may choose any of these men with which to capture, as long as he does capture.  </source>
        <translation>Spielbeginn:  Jeder Spieler hat vor Spielbeginn Steine auf den dreizehn Rauten seiner Ecke. Rot beginnt immer. Spielgewinn:  Setze als Erster einen deiner Steine auf die äußerste Eckraute des Gegners  oder schlage alle dreizehn Steine des Gegners.  Ziehen der Steine:  Ein Stein zieht vorwärts, diagonal oder seitwärts um eine oder zwei Rauten, niemals rückwärts.  Der Zugbereich (kurz der „Bereich“) umfasst zehn Rauten.  Ausnahme: Ein Stein darf nicht auf einen Stein der eigenen Farbe ziehen; Steine werden nicht gestapelt. Er darf aber über einen eigenen Stein springen.  Schlagen und Schlagpflicht:  Bei VINTREL muss ein Spieler einen Stein des Gegners schlagen, wenn er kann. Setzt ein Spieler einen Stein in den Bereich eines gegnerischen Steins, so muss der Gegner ihn im nächsten Zug schlagen. Geschlagen wird NICHT durch Überspringen wie bei DAME, sondern durch Besetzen der Raute des geschlagenen Steins wie beim SCHACH. Oft kann ein Stein von mehreren Steinen eines Spielers geschlagen werden. Dann wählt der Spieler frei, mit welchem er schlägt, solange er schlägt.</translation>
    </message>
    <message>
        <source>Beginning the game:  Each player has men on the thirteen diamonds in his corner before play begins. The red color always plays first. Winning the game:  Be the first player to place any of your men on your opponent&apos;s cornermost diamond  or eliminate by capture all thirteen of your opponent&apos;s men.  Movement of the men:  A man may be moved in a forward, diagonal, or sideward direction either one or two diamonds. A man may not be moved in a backward direction.  The range of movement (or simply the &quot;range&quot;) consists of ten diamonds.  Exception: A man may not be moved onto the top of another man of the same color; men cannot be stacked. However a man can jump over another man of the same color.  Capture and Commitment:  In the game of Vintrel, a player must capture his opponent&apos;s man if it is possible. Capture does NOT take place by jumping as in CHECKERS, but rather by occupying the same diamond as the captured man as in CHESS.  If any player places a man within the range of any of his opponent&apos;s men, then that player has committed his man to be captured by his opponent on his opponent&apos;s next turn. It often happens that an opponent may capture with more than one of his men. Then he may choose any of these men with which to capture, as long as he does capture.</source>
        <translation>Spielbeginn:  Jeder Spieler hat vor Spielbeginn Steine auf den dreizehn Rauten seiner Ecke. Rot beginnt immer. Spielgewinn:  Setze als Erster einen deiner Steine auf die äußerste Eckraute des Gegners  oder schlage alle dreizehn Steine des Gegners.  Ziehen der Steine:  Ein Stein zieht vorwärts, diagonal oder seitwärts um eine oder zwei Rauten, niemals rückwärts.  Der Zugbereich (kurz der „Bereich“) umfasst zehn Rauten.  Ausnahme: Ein Stein darf nicht auf einen Stein der eigenen Farbe ziehen; Steine werden nicht gestapelt. Er darf aber über einen eigenen Stein springen.  Schlagen und Schlagpflicht:  Bei Vintrel muss ein Spieler einen Stein des Gegners schlagen, wenn er kann. Geschlagen wird NICHT durch Überspringen wie bei DAME, sondern durch Besetzen der Raute des geschlagenen Steins wie beim SCHACH.  Setzt ein Spieler einen Stein in den Bereich eines gegnerischen Steins, so muss der Gegner ihn in seinem nächsten Zug schlagen. Oft kann der Gegner mit mehreren seiner Steine schlagen. Dann wählt er frei, mit welchem er schlägt, solange er schlägt.</translation>
    </message>
    <message>
        <source>VINTREL

A game of diamonds for two players at one screen.

Drag a man with the mouse; land on an opponent&apos;s man to capture it.</source>
        <translation>VINTREL

Ein Rautenspiel für zwei Spieler an einem Bildschirm.

Ziehe einen Stein mit der Maus; setze ihn auf einen Stein des Gegners, um ihn zu schlagen.</translation>
    </message>
    <message>
        <source>GAME OVER!!</source>
        <translation>SPIEL AUS!!</translation>
    </message>
    <message>
        <source>Show Committment</source>
        <translation>Schlagpflicht zeigen</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>NEUSTART</translation>
    </message>
    <message>
        <source>O K</source>
        <translation>O K</translation>
    </message>
    <message>
        <source>Hide Rules</source>
        <translation>Regeln ausblenden</translation>
    </message>
    <message>
        <source>VINTREL RED VIEW</source>
        <translation>VINTREL ROTE ANSICHT</translation>
    </message>
    <message>
        <source>&amp;Blue View</source>
        <translation>&amp;Blaue Ansicht</translation>
    </message>
    <message>
        <source>Reset &amp;Pieces</source>
        <translation>Steine &amp;neu aufstellen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>VINTREL BLUE VIEW</source>
        <translation>VINTREL BLAUE ANSICHT</translation>
    </message>
    <message>
        <source>&amp;Red View</source>
        <translation>&amp;Rote Ansicht</translation>
    </message>
    <message>
        <source>&amp;Reset Pieces</source>
        <translation>&amp;Steine neu aufstellen</translation>
    </message>
    <message>
        <source>Re&amp;do Move</source>
        <translation>Zug wie&amp;derholen</translation>
    </message>
    <message>
        <source> — move %1 of %2</source>
        <translation> — Zug %1 von %2</translation>
    </message>
    <message>
        <source>Drop the later move and play on from here?</source>
        <translation>Den späteren Zug verwerfen und von hier aus weiterspielen?</translation>
    </message>
    <message>
        <source>Drop the %1 later moves and play on from here?</source>
        <translation>Die %1 späteren Züge verwerfen und von hier aus weiterspielen?</translation>
    </message>
</context>
<context>
    <name>vintrel::CellBox</name>
    <message>
        <source>cell %1, red man</source>
        <translation>Feld %1, roter Stein</translation>
    </message>
    <message>
        <source>cell %1, blue man</source>
        <translation>Feld %1, blauer Stein</translation>
    </message>
    <message>
        <source>cell %1, empty</source>
        <translation>Feld %1, leer</translation>
    </message>
    <message>
        <source>last move</source>
        <translation>letzter Zug</translation>
    </message>
    <message>
        <source>target</source>
        <translation>Ziel</translation>
    </message>
</context>
<context>
    <name>vintrel::GameFiles</name>
    <message>
        <source>VINTREL games (*.vintrel)</source>
        <translation>VINTREL-Spiele (*.vintrel)</translation>
    </message>
    <message>
        <source>&amp;Save Game…</source>
        <translation>Spiel spei&amp;chern…</translation>
    </message>
    <message>
        <source>&amp;Open Game…</source>
        <translation>Spiel &amp;öffnen…</translation>
    </message>
    <message>
        <source>Resume &amp;Last Game</source>
        <translation>Letztes Spiel &amp;wieder aufnehmen</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Spiel öffnen</translation>
    </message>
    <message>
        <source>game.vintrel</source>
        <translation>spiel.vintrel</translation>
    </message>
    <message>
        <source>The game could not be saved to %1: %2</source>
        <translation>Das Spiel konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>vintrel::MarkerOptions</name>
    <message>
        <source>Show &amp;Last Move</source>
        <translation>&amp;Letzten Zug zeigen</translation>
    </message>
    <message>
        <source>Show &amp;Targets</source>
        <translation>Zi&amp;ele zeigen</translation>
    </message>
    <message>
        <source>Show Cell &amp;Numbers</source>
        <translation>Raute&amp;nnummern zeigen</translation>
    </message>
</context>
<context>
    <name>vintrel::MoveList</name>
    <message>
        <source>%1 %2 %3 to %4</source>
        <translation>%1 %2 %3 nach %4</translation>
    </message>
    <message>
        <source>, captures</source>
        <translation>, mit Schlag</translation>
    </message>
    <message>
        <source>VINTREL MOVES</source>
        <translation>VINTREL ZÜGE</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>&amp;Move List</source>
        <translation>&amp;Zugliste</translation>
    </message>
    <message>
        <source>clipboard</source>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <source>&amp;Analyse Game…</source>
        <translation>Partie &amp;analysieren…</translation>
    </message>
</context>
<context>
    <name>vintrel::NotationWords</name>
    <message>
        <source>move %1, %2: </source>
        <translation>Zug %1, %2: </translation>
    </message>
    <message>
        <source>larger than 1 MiB, too large for a game</source>
        <translation>größer als 1 MiB, zu groß für ein Spiel</translation>
    </message>
    <message>
        <source>unterminated comment</source>
        <translation>Kommentar ohne Ende</translation>
    </message>
    <message>
        <source>a tag after the moves</source>
        <translation>eine Angabe nach den Zügen</translation>
    </message>
    <message>
        <source>unterminated tag</source>
        <translation>Angabe ohne Ende</translation>
    </message>
    <message>
        <source>a tag without a name</source>
        <translation>eine Angabe ohne Namen</translation>
    </message>
    <message>
        <source>unterminated tag %1</source>
        <translation>Angabe %1 ohne Ende</translation>
    </message>
    <message>
        <source>tag %1 has no quoted value</source>
        <translation>Angabe %1 hat keinen Wert in Anführungszeichen</translation>
    </message>
    <message>
        <source>tag %1 does not end with ]</source>
        <translation>Angabe %1 endet nicht mit ]</translation>
    </message>
    <message>
        <source>tag %1: a \ that escapes neither &quot; nor \</source>
        <translation>Angabe %1: ein \, das weder &quot; noch \ schützt</translation>
    </message>
    <message>
        <source>tag %1 given twice</source>
        <translation>Angabe %1 doppelt</translation>
    </message>
    <message>
        <source>%1 is not a move</source>
        <translation>%1 ist kein Zug</translation>
    </message>
    <message>
        <source>move number %1 should be &quot;%2&quot;</source>
        <translation>Zugnummer %1 sollte &quot;%2&quot; sein</translation>
    </message>
    <message>
        <source>%1: there is no diamond %2 (0 to 99)</source>
        <translation>%1: es gibt kein Feld %2 (0 bis 99)</translation>
    </message>
    <message>
        <source>%1 after the game has ended</source>
        <translation>%1 nach dem Ende des Spiels</translation>
    </message>
    <message>
        <source>more than %1 moves</source>
        <translation>mehr als %1 Züge</translation>
    </message>
    <message>
        <source>%1: no red man on %2</source>
        <translation>%1: kein roter Stein auf %2</translation>
    </message>
    <message>
        <source>%1: no blue man on %2</source>
        <translation>%1: kein blauer Stein auf %2</translation>
    </message>
    <message>
        <source>%1 does not move the man</source>
        <translation>%1 bewegt den Stein nicht</translation>
    </message>
    <message>
        <source>%1 lands on own man</source>
        <translation>%1 landet auf eigenem Stein</translation>
    </message>
    <message>
        <source>%1 is out of range</source>
        <translation>%1 ist außer Reichweite</translation>
    </message>
    <message>
        <source>%1 leaves the committed man at %2 uncaptured</source>
        <translation>%1 lässt den gebundenen Stein auf %2 ungeschlagen</translation>
    </message>
    <message>
        <source>%1 is refused</source>
        <translation>%1 wird abgelehnt</translation>
    </message>
    <message>
        <source>%1 is a capture: %2</source>
        <translation>%1 ist ein Schlag: %2</translation>
    </message>
    <message>
        <source>%1 captures nothing: %2</source>
        <translation>%1 schlägt nichts: %2</translation>
    </message>
    <message>
        <source>not a game: no tags and no moves</source>
        <translation>kein Spiel: keine Angaben und keine Züge</translation>
    </message>
    <message>
        <source>Result %1 is not 1-0, 0-1 or *</source>
        <translation>Ergebnis %1 ist nicht 1-0, 0-1 oder *</translation>
    </message>
    <message>
        <source>Result &quot;%1&quot; contradicts the moves: the game is not over</source>
        <translation>Ergebnis &quot;%1&quot; widerspricht den Zügen: das Spiel ist nicht vorbei</translation>
    </message>
    <message>
        <source>Result &quot;%1&quot; contradicts the moves: red won</source>
        <translation>Ergebnis &quot;%1&quot; widerspricht den Zügen: Rot hat gewonnen</translation>
    </message>
    <message>
        <source>Result &quot;%1&quot; contradicts the moves: blue won</source>
        <translation>Ergebnis &quot;%1&quot; widerspricht den Zügen: Blau hat gewonnen</translation>
    </message>
</context>
<context>
    <name>vintrel::PictureFiles</name>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>not readable</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be loaded. Looked for:
  %2</source>
        <translation>Das Bild „%1“ konnte nicht geladen werden. Gesucht wurde:
  %2</translation>
    </message>
    <message>
        <source>Passed over %1; using %2</source>
        <translation>%1 übergangen; verwende %2</translation>
    </message>
    <message>
        <source>%1: %2; drawing a stand-in instead</source>
        <translation>%1: %2; zeichne stattdessen einen Ersatz</translation>
    </message>
    <message>
        <source>%1: %2; using %3 instead</source>
        <translation>%1: %2; verwende stattdessen %3</translation>
    </message>
    <message>
        <source>%1: %2; scaling %3 instead</source>
        <translation>%1: %2; skaliere stattdessen %3</translation>
    </message>
</context>
<context>
    <name>vintrel::PlayersMenu</name>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Spieler</translation>
    </message>
    <message>
        <source>&amp;Two Players</source>
        <translation>&amp;Zwei Spieler</translation>
    </message>
    <message>
        <source>Computer Plays &amp;Blue</source>
        <translation>Computer spielt &amp;Blau</translation>
    </message>
    <message>
        <source>Computer Plays &amp;Red</source>
        <translation>Computer spielt &amp;Rot</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Leicht</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Schwer</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>Computer Plays B&amp;oth</source>
        <translation>Computer spielt b&amp;eide</translation>
    </message>
    <message>
        <source>Easy, about %1</source>
        <translation>Leicht, etwa %1</translation>
    </message>
    <message>
        <source>Medium, about %1</source>
        <translation>Mittel, etwa %1</translation>
    </message>
    <message>
        <source>Hard, about %1</source>
        <translation>Schwer, etwa %1</translation>
    </message>
    <message>
        <source>E&amp;xpert</source>
        <translation>E&amp;xperte</translation>
    </message>
    <message>
        <source>Expert, about %1</source>
        <translation>Experte, etwa %1</translation>
    </message>
</context>
<context>
    <name>vintrel::Words</name>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>%1 to move</source>
        <translation>%1 ist am Zug</translation>
    </message>
    <message>
        <source>GAME OVER!! %1 won</source>
        <translation>SPIEL AUS!! %1 hat gewonnen</translation>
    </message>
</context>
</TS>
