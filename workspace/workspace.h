#pragma once

#include "itemlist.h"
#include "optionalnumber.h"
#include "uilanguage.h"

#include <QString>

#include <array>

namespace playfair {

// All state of the program as plain data: the texts of the boxes, the captions
// of the 25 square cells, the four lists and the five window-level variables,
// named after the controls they stand for. The engine procedures (engine/)
// read and write these fields directly; the window (ui/) shows them and passes
// the user's actions in through the handlers below.
//
// A handler may end early with a RuntimeError (see errors.h). The fields then
// keep what the steps before the failure wrote, and the workspace stays usable.
class Workspace
{
public:
    // The start state of a freshly created window: the start texts in the two
    // boxes, the explanation in Text1[0], empty cells, empty lists.
    Workspace();

    // The controls.
    std::array<QString, 2> Text2;   // [0] key word box, [1] message box
    std::array<QString, 1> Text1;   // [0] the explanation box
    std::array<QString, 25> Label3; // square cells; index = 5 * row + column
    std::array<ItemList, 4> List1;  // message, cipher and decrypted digraphs; [3] the hidden letter pool

    // The window-level variables.
    OptionalNumber<qint32> KeyLength;
    qint16 MessageLength = 0;
    OptionalNumber<qint16> FoundRow;
    OptionalNumber<qint16> FoundColumn;
    QString SearchLetter;

    // Puts the plain alphabet A..Z without J into the cells and empties
    // List1[0] and List1[1]. Touches nothing else.
    void ResetWorkspace();

    // The handlers of the window's three events.
    void Form_Load();
    void Command1_Click(qint16 index); // 0 Encrypt, 1 Clear, anything else nothing
    void List1_Click(qint16 index);    // index of the list whose selection changed

    // A selection made by the user: row `row` of list `index` becomes the
    // selection and List1_Click runs for that list. Lists outside 0..3 and
    // rows the list does not have are ignored, as the user cannot pick them.
    void SelectItem(qint16 index, qint16 row);

    // The explanation text that Text1[0] starts with: in the language shown
    // now, or in `language`.
    static QString explanation();
    static QString explanation(UiLanguage language);

    // Shows the explanation in `language`: Text1[0] starts with it instead of
    // the other language's, and the lines the Encrypts added after it stay.
    // A Text1[0] that starts with neither is left as it is.
    void translateExplanation(UiLanguage language);

    friend bool operator==(const Workspace &, const Workspace &) = default;
};

} // namespace playfair
