#pragma once

namespace playfair {

class Workspace;

// The Playfair procedures. Each works directly on the workspace fields and
// keeps nothing of its own: cleaned texts are read back from the boxes, the
// square from the cell captions and the digraphs from the lists.

// Cleans the key word box and then the message box in place (capitals A..Z
// only, J as I), builds the keyed square in Label3 through the letter pool
// List1[3], and appends one trace line to Text1[0]. Raises an OverflowError,
// after the key is cleaned and the message upper-cased, when the message is
// longer than 32767 characters.
void BuildKeySquare(Workspace &ws);

// Sets FoundRow and FoundColumn to the row and column (0..4) of the cell
// whose caption is SearchLetter. Leaves both as they were if no cell has it.
void FindLetter(Workspace &ws);

// Runs BuildKeySquare, empties List1[0] and List1[1] and lists the cleaned
// message in List1[0] in groups of two letters, an odd last letter alone.
void SplitDigraphs(Workspace &ws);

// Appends to List1[1] the cipher pair of every item of List1[0]; an item whose
// letters stand in the same cell (two equal letters, or one letter) gives none.
void EncryptDigraphs(Workspace &ws);

// Empties List1[2] and appends to it the plain pair of every item of List1[1].
void DecryptDigraphs(Workspace &ws);

} // namespace playfair
