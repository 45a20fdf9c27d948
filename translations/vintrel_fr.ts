<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>main</name>
    <message>
        <source>A board game of diamonds for two players.</source>
        <translation>Un jeu de plateau de losanges pour deux joueurs.</translation>
    </message>
    <message>
        <source>Resume the last game.</source>
        <translation>Reprendre la dernière partie.</translation>
    </message>
    <message>
        <source>A saved game to open.</source>
        <translation>Une partie enregistrée à ouvrir.</translation>
    </message>
    <message>
        <source>Only one game can be opened.</source>
        <translation>Une seule partie peut être ouverte.</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Moves judged</source>
        <translation>Coups jugés</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Camp</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Coup</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>Engine&apos;s move</source>
        <translation>Coup du programme</translation>
    </message>
    <message>
        <source>Red&apos;s score</source>
        <translation>Score de rouge</translation>
    </message>
    <message>
        <source>Red&apos;s score after each move</source>
        <translation>Score de rouge après chaque coup</translation>
    </message>
    <message>
        <source>Analysis cancelled: %1 of %2 moves judged</source>
        <translation>Analyse annulée : %1 coups jugés sur %2</translation>
    </message>
    <message>
        <source>analysed %1 moves: %2 blunders</source>
        <translation>%1 coups analysés : %2 gaffes</translation>
    </message>
    <message>
        <source>&amp;Analyse Game…</source>
        <translation>Analy&amp;ser la partie…</translation>
    </message>
</context>
<context>
    <name>vintrel::Announcer</name>
    <message>
        <source>, held</source>
        <translation>, saisi</translation>
    </message>
    <message>
        <source>%1 moved %2 to %3</source>
        <translation>%1 a joué de %2 à %3</translation>
    </message>
    <message>
        <source>, captures</source>
        <translation>, avec prise</translation>
    </message>
    <message>
        <source>. GAME OVER!!</source>
        <translation>. FIN DU JEU&#xa0;!!</translation>
    </message>
    <message>
        <source>Game opened: %1 moves, %2</source>
        <translation>Partie ouverte : %1 coups, %2</translation>
    </message>
</context>
<context>
    <name>vintrel::Autosave</name>
    <message>
        <source>%1: a folder, not a game</source>
        <translation>%1 : un dossier, pas une partie</translation>
    </message>
    <message>
        <source> (kept as %1)</source>
        <translation> (conservé sous %1)</translation>
    </message>
</context>
<context>
    <name>vintrel::BoardWindow</name>
    <message>
        <source>YOU MAY NOT LAND ON YOUR OWN MAN</source>
        <translation>IMPOSSIBLE SUR VOTRE PROPRE PION</translation>
    </message>
    <message>
        <source>MOVE NOT PERMITTED!!</source>
        <translation>COUP INTERDIT&#xa0;!!</translation>
    </message>
    <message>
        <source>YOU ARE COMMITTED TO CAPTURE</source>
        <translation>VOUS DEVEZ PRENDRE</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Take Back Last Move</source>
        <translation>&amp;Annuler le dernier coup</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Switch Automatically</source>
        <translation>Changer &amp;automatiquement</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>No Help</source>
        <translation>Pas d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About Vintrel</source>
        <translation>À &amp;propos de Vintrel</translation>
    </message>
    <message>
        <source>R&amp;ules</source>
        <translation>&amp;Règles</translation>
    </message>
    <message>
        <source>NOT YOUR TURN</source>
        <translation>CE N&apos;EST PAS VOTRE TOUR</translation>
    </message>
    <message>
        <source>Beginning the game:  Each player has men on the thirteen diamonds in his corner before play begins. The red color always plays first. Winning the game:  Be the first player to place any of your men on your opponent&apos;s cornermost diamond  or eliminate by capture all thirteen of your opponent&apos;s men.  Movement of the men:  A man may be moved in a forward, diagonal, or sideward direction either one or two diamonds. A man may not be moved in a backward direction.  The range of movement (or simply the &quot;range&quot;) consists of ten diamonds.  Exception: A man may not be moved onto the top of another man of the same color; men cannot be stacked. However a man can jump over another man of the same color.  Capture and Commitment:  In the game of VINTREL, a player must capture his opponent&apos;s man if it is possible. If any player places a man within the range of any of his opponent&apos;s men, then that player has committed his man to be captured on his opponent&apos;s next turn. Capture does NOT take place by jumping as in CHECKERS, but rather by occupying the same diamond as the captured man as in CHESS. It often happens that a man may be captured by more than one of a player&apos;s men. Then the player may choose any of these men with which to capture, as long as he does capture.  </source>
        <translation>Début de la partie&#xa0;:  Avant le début, chaque joueur a des pions sur les treize losanges de son coin. Les rouges jouent toujours en premier. Gagner la partie&#xa0;:  Soyez le premier à poser l&apos;un de vos pions sur le losange le plus au coin de l&apos;adversaire  ou prenez les treize pions de l&apos;adversaire.  Déplacement des pions&#xa0;:  Un pion se déplace vers l&apos;avant, en diagonale ou de côté, d&apos;un ou deux losanges. Il ne recule jamais.  La zone de déplacement (ou simplement la «&#xa0;zone&#xa0;») compte dix losanges.  Exception&#xa0;: un pion ne peut pas aller sur un pion de sa couleur&#xa0;; les pions ne s&apos;empilent pas. Il peut toutefois sauter par-dessus un pion de sa couleur.  Prise et engagement&#xa0;:  Au VINTREL, un joueur doit prendre le pion adverse s&apos;il le peut. Le joueur qui place un pion dans la zone d&apos;un pion adverse l&apos;engage&#xa0;: l&apos;adversaire doit le prendre au tour suivant. La prise ne se fait PAS en sautant comme aux DAMES, mais en occupant le losange du pion pris comme aux ÉCHECS. Souvent, un pion peut être pris par plusieurs pions d&apos;un joueur. Celui-ci choisit alors lequel prend, pourvu qu&apos;il prenne.</translation>
    </message>
    <message>
        <source>Beginning the game:  Each player has men on the thirteen diamonds in his corner before play begins. The red color always plays first. Winning the game:  Be the first player to place any of your men on your opponent&apos;s cornermost diamond  or eliminate by capture all thirteen of your opponent&apos;s men.  Movement of the men:  A man may be moved in a forward, diagonal, or sideward direction either one or two diamonds. A man may not be moved in a backward direction.  The range of movement (or simply the &quot;range&quot;) consists of ten diamonds.  Exception: A man may not be moved onto the top of another man of the same color; men cannot be stacked. However a man can jump over another man of the same color.  Capture and Commitment:  In the game of Vintrel, a player must capture his opponent&apos;s man if it is possible. Capture does NOT take place by jumping as in CHECKERS, but rather by occupying the same diamond as the captured man as in CHESS.  If any player places a man within the range of any of his opponent&apos;s men, then that player has committed his man to be captured by his opponent on his opponent&apos;s next turn. It often happens that an opponent may capture with more than one of his men. Then he may choose any of these men with which to capture, as long as he does capture.</source>
        <translation>Début de la partie&#xa0;:  Avant le début, chaque joueur a des pions sur les treize losanges de son coin. Les rouges jouent toujours en premier. Gagner la partie&#xa0;:  Soyez le premier à poser l&apos;un de vos pions sur le losange le plus au coin de l&apos;adversaire  ou prenez les treize pions de l&apos;adversaire.  Déplacement des pions&#xa0;:  Un pion se déplace vers l&apos;avant, en diagonale ou de côté, d&apos;un ou deux losanges. Il ne recule jamais.  La zone de déplacement (ou simplement la «&#xa0;zone&#xa0;») compte dix losanges.  Exception&#xa0;: un pion ne peut pas aller sur un pion de sa couleur&#xa0;; les pions ne s&apos;empilent pas. Il peut toutefois sauter par-dessus un pion de sa couleur.  Prise et engagement&#xa0;:  Au Vintrel, un joueur doit prendre le pion adverse s&apos;il le peut. La prise ne se fait PAS en sautant comme aux DAMES, mais en occupant le losange du pion pris comme aux ÉCHECS.  Le joueur qui place un pion dans la zone d&apos;un pion adverse l&apos;engage&#xa0;: l&apos;adversaire doit le prendre à son tour suivant. Souvent, l&apos;adversaire peut prendre avec plusieurs de ses pions. Il choisit alors lequel prend, pourvu qu&apos;il prenne.</translation>
    </message>
    <message>
        <source>VINTREL

A game of diamonds for two players at one screen.

Drag a man with the mouse; land on an opponent&apos;s man to capture it.</source>
        <translation>VINTREL

Un jeu de losanges pour deux joueurs devant un même écran.

Faites glisser un pion avec la souris&#xa0;; posez-le sur un pion adverse pour le prendre.</translation>
    </message>
    <message>
        <source>GAME OVER!!</source>
        <translation>FIN DU JEU&#xa0;!!</translation>
    </message>
    <message>
        <source>Show Committment</source>
        <translation>Voir l&apos;engagement</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RECOMMENCER</translation>
    </message>
    <message>
        <source>O K</source>
        <translation>O K</translation>
    </message>
    <message>
        <source>Hide Rules</source>
        <translation>Masquer les règles</translation>
    </message>
    <message>
        <source>VINTREL RED VIEW</source>
        <translation>VINTREL VUE ROUGE</translation>
    </message>
    <message>
        <source>&amp;Blue View</source>
        <translation>Vue &amp;bleue</translation>
    </message>
    <message>
        <source>Reset &amp;Pieces</source>
        <translation>Replacer les &amp;pions</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>VINTREL BLUE VIEW</source>
        <translation>VINTREL VUE BLEUE</translation>
    </message>
    <message>
        <source>&amp;Red View</source>
        <translation>Vue &amp;rouge</translation>
    </message>
    <message>
        <source>&amp;Reset Pieces</source>
        <translation>&amp;Replacer les pions</translation>
    </message>
    <message>
        <source>Re&amp;do Move</source>
        <translation>Ré&amp;tablir le coup</translation>
    </message>
    <message>
        <source> — move %1 of %2</source>
        <translation> — coup %1 sur %2</translation>
    </message>
    <message>
        <source>Drop the later move and play on from here?</source>
        <translation>Abandonner le coup suivant et reprendre d’ici ?</translation>
    </message>
    <message>
        <source>Drop the %1 later moves and play on from here?</source>
        <translation>Abandonner les %1 coups suivants et reprendre d’ici ?</translation>
    </message>
</context>
<context>
    <name>vintrel::CellBox</name>
    <message>
        <source>cell %1, red man</source>
        <translation>case %1, pion rouge</translation>
    </message>
    <message>
        <source>cell %1, blue man</source>
        <translation>case %1, pion bleu</translation>
    </message>
    <message>
        <source>cell %1, empty</source>
        <translation>case %1, vide</translation>
    </message>
    <message>
        <source>last move</source>
        <translation>dernier coup</translation>
    </message>
    <message>
        <source>target</source>
        <translation>cible</translation>
    </message>
</context>
<context>
    <name>vintrel::GameFiles</name>
    <message>
        <source>VINTREL games (*.vintrel)</source>
        <translation>Parties VINTREL (*.vintrel)</translation>
    </message>
    <message>
        <source>&amp;Save Game…</source>
        <translation>&amp;Enregistrer la partie…</translation>
    </message>
    <message>
        <source>&amp;Open Game…</source>
        <translation>&amp;Ouvrir une partie…</translation>
    </message>
    <message>
        <source>Resume &amp;Last Game</source>
        <translation>Reprendre la &amp;dernière partie</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Ouvrir une partie</translation>
    </message>
    <message>
        <source>game.vintrel</source>
        <translation>partie.vintrel</translation>
    </message>
    <message>
        <source>The game could not be saved to %1: %2</source>
        <translation>La partie n’a pas pu être enregistrée dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>vintrel::MarkerOptions</name>
    <message>
        <source>Show &amp;Last Move</source>
        <translation>Montrer le &amp;dernier coup</translation>
    </message>
    <message>
        <source>Show &amp;Targets</source>
        <translation>Montrer les &amp;cibles</translation>
    </message>
    <message>
        <source>Show Cell &amp;Numbers</source>
        <translation>Montrer les &amp;numéros</translation>
    </message>
</context>
<context>
    <name>vintrel::MoveList</name>
    <message>
        <source>%1 %2 %3 to %4</source>
        <translation>%1 %2 %3 vers %4</translation>
    </message>
    <message>
        <source>, captures</source>
        <translation>, avec prise</translation>
    </message>
    <message>
        <source>VINTREL MOVES</source>
        <translation>COUPS VINTREL</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>&amp;Move List</source>
        <translation>&amp;Liste des coups</translation>
    </message>
    <message>
        <source>clipboard</source>
        <translation>presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Analyse Game…</source>
        <translation>&amp;Analyser la partie…</translation>
    </message>
</context>
<context>
    <name>vintrel::NotationWords</name>
    <message>
        <source>move %1, %2: </source>
        <translation>coup %1, %2 : </translation>
    </message>
    <message>
        <source>larger than 1 MiB, too large for a game</source>
        <translation>plus de 1 Mio, trop grand pour une partie</translation>
    </message>
    <message>
        <source>unterminated comment</source>
        <translation>commentaire non terminé</translation>
    </message>
    <message>
        <source>a tag after the moves</source>
        <translation>une étiquette après les coups</translation>
    </message>
    <message>
        <source>unterminated tag</source>
        <translation>étiquette non terminée</translation>
    </message>
    <message>
        <source>a tag without a name</source>
        <translation>une étiquette sans nom</translation>
    </message>
    <message>
        <source>unterminated tag %1</source>
        <translation>étiquette %1 non terminée</translation>
    </message>
    <message>
        <source>tag %1 has no quoted value</source>
        <translation>l’étiquette %1 n’a pas de valeur entre guillemets</translation>
    </message>
    <message>
        <source>tag %1 does not end with ]</source>
        <translation>l’étiquette %1 ne se termine pas par ]</translation>
    </message>
    <message>
        <source>tag %1: a \ that escapes neither &quot; nor \</source>
        <translation>étiquette %1 : un \ qui ne protège ni &quot; ni \</translation>
    </message>
    <message>
        <source>tag %1 given twice</source>
        <translation>étiquette %1 donnée deux fois</translation>
    </message>
    <message>
        <source>%1 is not a move</source>
        <translation>%1 n’est pas un coup</translation>
    </message>
    <message>
        <source>move number %1 should be &quot;%2&quot;</source>
        <translation>le numéro de coup %1 devrait être &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: there is no diamond %2 (0 to 99)</source>
        <translation>%1 : il n’y a pas de case %2 (0 à 99)</translation>
    </message>
    <message>
        <source>%1 after the game has ended</source>
        <translation>%1 après la fin de la partie</translation>
    </message>
    <message>
        <source>more than %1 moves</source>
        <translation>plus de %1 coups</translation>
    </message>
    <message>
        <source>%1: no red man on %2</source>
        <translation>%1 : pas de pion rouge sur %2</translation>
    </message>
    <message>
        <source>%1: no blue man on %2</source>
        <translation>%1 : pas de pion bleu sur %2</translation>
    </message>
    <message>
        <source>%1 does not move the man</source>
        <translation>%1 ne déplace pas le pion</translation>
    </message>
    <message>
        <source>%1 lands on own man</source>
        <translation>%1 arrive sur un pion de son camp</translation>
    </message>
    <message>
        <source>%1 is out of range</source>
        <translation>%1 est hors de portée</translation>
    </message>
    <message>
        <source>%1 leaves the committed man at %2 uncaptured</source>
        <translation>%1 laisse le pion engagé sur %2 sans le prendre</translation>
    </message>
    <message>
        <source>%1 is refused</source>
        <translation>%1 est refusé</translation>
    </message>
    <message>
        <source>%1 is a capture: %2</source>
        <translation>%1 est une prise : %2</translation>
    </message>
    <message>
        <source>%1 captures nothing: %2</source>
        <translation>%1 ne prend rien : %2</translation>
    </message>
    <message>
        <source>not a game: no tags and no moves</source>
        <translation>pas une partie : ni étiquettes ni coups</translation>
    </message>
    <message>
        <source>Result %1 is not 1-0, 0-1 or *</source>
        <translation>le résultat %1 n’est pas 1-0, 0-1 ou *</translation>
    </message>
    <message>
        <source>Result &quot;%1&quot; contradicts the moves: the game is not over</source>
        <translation>le résultat &quot;%1&quot; contredit les coups : la partie n’est pas finie</translation>
    </message>
    <message>
        <source>Result &quot;%1&quot; contradicts the moves: red won</source>
        <translation>le résultat &quot;%1&quot; contredit les coups : rouge a gagné</translation>
    </message>
    <message>
        <source>Result &quot;%1&quot; contradicts the moves: blue won</source>
        <translation>le résultat &quot;%1&quot; contredit les coups : bleu a gagné</translation>
    </message>
</context>
<context>
    <name>vintrel::PictureFiles</name>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>not readable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be loaded. Looked for:
  %2</source>
        <translation>L&apos;image «&#xa0;%1&#xa0;» n&apos;a pas pu être chargée. Emplacements essayés&#xa0;:
  %2</translation>
    </message>
    <message>
        <source>Passed over %1; using %2</source>
        <translation>%1 ignoré&#xa0;; utilisation de %2</translation>
    </message>
    <message>
        <source>%1: %2; drawing a stand-in instead</source>
        <translation>%1&#xa0;: %2&#xa0;; un dessin de remplacement est utilisé</translation>
    </message>
    <message>
        <source>%1: %2; using %3 instead</source>
        <translation>%1&#xa0;: %2&#xa0;; utilisation de %3 à la place</translation>
    </message>
    <message>
        <source>%1: %2; scaling %3 instead</source>
        <translation>%1&#xa0;: %2&#xa0;; mise à l&apos;échelle de %3 à la place</translation>
    </message>
</context>
<context>
    <name>vintrel::PlayersMenu</name>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Joueurs</translation>
    </message>
    <message>
        <source>&amp;Two Players</source>
        <translation>&amp;Deux joueurs</translation>
    </message>
    <message>
        <source>Computer Plays &amp;Blue</source>
        <translation>L&apos;ordinateur joue &amp;bleu</translation>
    </message>
    <message>
        <source>Computer Plays &amp;Red</source>
        <translation>L&apos;ordinateur joue &amp;rouge</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Facile</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Moyen</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>Diffi&amp;cile</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Computer Plays B&amp;oth</source>
        <translation>L&apos;ordinateur joue &amp;seul</translation>
    </message>
    <message>
        <source>Easy, about %1</source>
        <translation>Facile, environ %1</translation>
    </message>
    <message>
        <source>Medium, about %1</source>
        <translation>Moyen, environ %1</translation>
    </message>
    <message>
        <source>Hard, about %1</source>
        <translation>Difficile, environ %1</translation>
    </message>
    <message>
        <source>E&amp;xpert</source>
        <translation>E&amp;xpert</translation>
    </message>
    <message>
        <source>Expert, about %1</source>
        <translation>Expert, environ %1</translation>
    </message>
</context>
<context>
    <name>vintrel::Words</name>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>%1 to move</source>
        <translation>%1 au trait</translation>
    </message>
    <message>
        <source>GAME OVER!! %1 won</source>
        <translation>FIN DU JEU&#xa0;!! %1 a gagné</translation>
    </message>
</context>
</TS>
