<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="bg_BG">
<context>
    <name>CommandLine</name>
    <message>
        <source>Непозната опция „%1“.</source>
        <translation>Unknown option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Непознати опции: %1.</source>
        <translation>Unknown options: %1.</translation>
    </message>
    <message>
        <source>Липсва стойност след „%1“.</source>
        <translation>Missing value after &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Неочаквана стойност след „%1“.</source>
        <translation>Unexpected value after &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Отваря прозореца на учебната програма за диграфовия шифър Playfair.</source>
        <translation>Opens the window of the teaching program for the Playfair digraph cipher.</translation>
    </message>
    <message>
        <source>Приемат се и стандартните опции на Qt, като -platform, -style и -display.</source>
        <translation>Qt&apos;s standard options, such as -platform, -style and -display, are accepted too.</translation>
    </message>
    <message>
        <source>Показва тази помощ и излиза.</source>
        <translation>Display this help and exit.</translation>
    </message>
    <message>
        <source>Показва версията и излиза.</source>
        <translation>Display the version and exit.</translation>
    </message>
    <message>
        <source>Отваря прозореца за упражнения вместо главния прозорец.</source>
        <translation>Open the exercise window instead of the main window.</translation>
    </message>
    <message>
        <source>Отваря прозореца, който разбива шифрован текст без ключа му, с текста на ФАЙЛ, ако е даден, като шифър.</source>
        <extracomment>FILE is the name of the argument, as the help shows it.</extracomment>
        <translation>Open the window that breaks a ciphertext without its key, with the text of FILE, if given, as the ciphertext.</translation>
    </message>
    <message>
        <source>ФАЙЛ</source>
        <extracomment>The name of the argument in the help, in capitals.</extracomment>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Шифрован текст, с --break.</source>
        <translation>A ciphertext, with --break.</translation>
    </message>
    <message>
        <source>Употреба: %1 [опции]</source>
        <translation>Usage: %1 [options]</translation>
    </message>
    <message>
        <source>Опции:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Аргументи:</source>
        <translation>Arguments:</translation>
    </message>
    <message>
        <source>Неочакван аргумент „%1“.</source>
        <translation>Unexpected argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--practice и --break отварят различни прозорци: дайте само едното.</source>
        <translation>--practice and --break open different windows: give one of them.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Език</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>PairToolTip</name>
    <message>
        <source>„Текст“ вляво</source>
        <extracomment>The message list, as a tooltip names it.</extracomment>
        <translation>“Text” on the left</translation>
    </message>
    <message>
        <source>„Шифър“</source>
        <extracomment>The cipher list, as a tooltip names it.</extracomment>
        <translation>“Cipher”</translation>
    </message>
    <message>
        <source>„Текст“ вдясно</source>
        <extracomment>The decrypted list, as a tooltip names it.</extracomment>
        <translation>“Text” on the right</translation>
    </message>
    <message>
        <source>ред %1, колона %2</source>
        <translation>row %1, column %2</translation>
    </message>
    <message>
        <source>Правоъгълник: %1 и %2 са в различни редове и колони. Всяка буква се заменя с буквата от своя ред в колоната на другата</source>
        <translation>Rectangle: %1 and %2 are in different rows and columns. Each letter is replaced by the letter of its own row in the other one’s column</translation>
    </message>
    <message>
        <source>Един и същ ред %1: всяка буква се заменя със съседната вляво, а преди колона 1 идва колона 5</source>
        <translation>Same row %1: each letter is replaced by its neighbour on the left, and before column 1 comes column 5</translation>
    </message>
    <message>
        <source>Един и същ ред %1: всяка буква се заменя със съседната вляво</source>
        <translation>Same row %1: each letter is replaced by its neighbour on the left</translation>
    </message>
    <message>
        <source>Един и същ ред %1: всяка буква се заменя със съседната вдясно, а след колона 5 идва колона 1</source>
        <translation>Same row %1: each letter is replaced by its neighbour on the right, and after column 5 comes column 1</translation>
    </message>
    <message>
        <source>Един и същ ред %1: всяка буква се заменя със съседната вдясно</source>
        <translation>Same row %1: each letter is replaced by its neighbour on the right</translation>
    </message>
    <message>
        <source>Една и съща колона %1: всяка буква се заменя с буквата над нея, а преди ред 1 идва ред 5</source>
        <translation>Same column %1: each letter is replaced by the letter above it, and before row 1 comes row 5</translation>
    </message>
    <message>
        <source>Една и съща колона %1: всяка буква се заменя с буквата над нея</source>
        <translation>Same column %1: each letter is replaced by the letter above it</translation>
    </message>
    <message>
        <source>Една и съща колона %1: всяка буква се заменя с буквата под нея, а след ред 5 идва ред 1</source>
        <translation>Same column %1: each letter is replaced by the letter below it, and after row 5 comes row 1</translation>
    </message>
    <message>
        <source>Една и съща колона %1: всяка буква се заменя с буквата под нея</source>
        <translation>Same column %1: each letter is replaced by the letter below it</translation>
    </message>
    <message>
        <source>%1 е последната буква на текста и остава сама, защото буквите са нечетен брой. Една буква не е двойка, затова не дава шифър.</source>
        <translation>%1 is the last letter of the text and is left on its own, because the letters are an odd number. One letter is not a pair, so it gives no cipher.</translation>
    </message>
    <message>
        <source>В %1 двете букви са еднакви и стоят в една клетка (%2). Нито едно от трите правила не важи, затова двойката не дава шифър, а двойките след нея в %3 и %4 се изместват с една позиция нагоре.</source>
        <translation>In %1 both letters are the same and stand in one cell (%2). None of the three rules applies, so the pair gives no cipher, and the pairs after it in %3 and %4 move up one position.</translation>
    </message>
    <message>
        <source>позиция %1 в %2</source>
        <extracomment>A row of a list: &quot;position 3 in “Cipher”&quot;.</extracomment>
        <translation>position %1 in %2</translation>
    </message>
    <message>
        <source>Позициите се различават, защото по-горна двойка не дава шифър.</source>
        <translation>The positions differ because a pair higher up gives no cipher.</translation>
    </message>
    <message>
        <source>%1 е шифърът на %2 (%3).%4</source>
        <translation>%1 is the cipher of %2 (%3).%4</translation>
    </message>
    <message>
        <source>%1 е декриптираният шифър %2 (%3), тоест двойката %1 от %4.%5</source>
        <translation>%1 is the cipher %2 decrypted (%3), that is the pair %1 of %4.%5</translation>
    </message>
    <message>
        <source>При декриптиране правилото се прилага обратно: наляво вместо надясно, нагоре вместо надолу.</source>
        <translation>Decrypting applies the rule backwards: left instead of right, up instead of down.</translation>
    </message>
    <message>
        <source>На квадрата буквите на текста са оградени с плътна линия, а буквите на шифъра – с пунктир.</source>
        <translation>On the square the letters of the text are outlined with a solid line, and the letters of the cipher with a dashed one.</translation>
    </message>
    <message>
        <source>Тази двойка е от предишното криптиране. Квадратът след това е изчистен, затова тя не се отбелязва на него.</source>
        <translation>This pair is from the previous encryption. The square has been cleared since, so the pair is not marked on it.</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Списъкът няма ред с номер %1 (редовете са %2).</source>
        <translation>The list has no row number %1 (it has %2 rows).</translation>
    </message>
    <message>
        <source>Препълване: списъкът не може да има повече от 32767 реда.</source>
        <translation>Overflow: the list cannot have more than 32767 rows.</translation>
    </message>
    <message>
        <source>Препълване: текстът за криптиране има %1 знака, а дължината му трябва да се събере в число до 32767.</source>
        <translation>Overflow: the text to encrypt has %1 characters, and its length must fit in a number up to 32767.</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Декриптиране с шифъра Playfair</source>
        <translation>Decrypting with the Playfair cipher</translation>
    </message>
    <message>
        <source>Криптиране с шифъра Playfair</source>
        <translation>Encrypting with the Playfair cipher</translation>
    </message>
    <message>
        <source>Име: ______________________________    Клас: __________    Дата: ______________</source>
        <translation>Name: ______________________________    Class: __________    Date: ______________</translation>
    </message>
    <message>
        <source>Ключова дума: %1</source>
        <translation>Key word: %1</translation>
    </message>
    <message>
        <source>Текст</source>
        <extracomment>The heading of the plain pairs.</extracomment>
        <translation>Text</translation>
    </message>
    <message>
        <source>Шифър</source>
        <extracomment>The heading of the cipher pairs.</extracomment>
        <translation>Cipher</translation>
    </message>
    <message>
        <source>Отговори</source>
        <translation>Answers</translation>
    </message>
    <message>
        <source>Без ключова дума: квадратът е азбуката по ред. · %1</source>
        <extracomment>%1 is the title of the worksheet.</extracomment>
        <translation>No key word: the square is the alphabet in order. · %1</translation>
    </message>
    <message>
        <source>%1 (продължение)</source>
        <translation>%1 (continued)</translation>
    </message>
    <message>
        <source>Декриптирайте всяка двойка букви и запишете двете букви на текста в празните квадратчета до нея.</source>
        <translation>Decrypt each pair of letters and write the two letters of the text in the empty boxes beside it.</translation>
    </message>
    <message>
        <source>Криптирайте всяка двойка букви и запишете двете букви на шифъра в празните квадратчета до нея.</source>
        <translation>Encrypt each pair of letters and write the two letters of the cipher in the empty boxes beside it.</translation>
    </message>
    <message>
        <source>Използвайте квадрата на Polybius по-долу.</source>
        <translation>Use the Polybius square below.</translation>
    </message>
    <message>
        <source>Постройте квадрата на Polybius от ключовата дума %1 в празната мрежа: първо буквите на ключовата дума без повторенията, после останалите букви на азбуката по ред, без J (J се пише като I).</source>
        <translation>Build the Polybius square of the key word %1 in the empty grid: first the letters of the key word without repeats, then the other letters of the alphabet in order, without J (J is written as I).</translation>
    </message>
</context>
<context>
    <name>playfair::MainWindow</name>
    <message>
        <source>Зареждане</source>
        <translation>Loading</translation>
    </message>
    <message>
        <source>%1 Информатика - криптиране, Playfair cipher</source>
        <extracomment>The window&apos;s caption; %1 is the publisher&apos;s web address.</extracomment>
        <translation>%1 Informatics - encryption, Playfair cipher</translation>
    </message>
    <message>
        <source>Информатика - диграфов шифър, cipher Playfair</source>
        <translation>Informatics - digraph cipher, Playfair cipher</translation>
    </message>
    <message>
        <source>ключова дума:</source>
        <translation>key word:</translation>
    </message>
    <message>
        <source>текст за криптиране:</source>
        <translation>text to encrypt:</translation>
    </message>
    <message>
        <source>Текст</source>
        <extracomment>The heading of the message list and of the decrypted list.</extracomment>
        <translation>Text</translation>
    </message>
    <message>
        <source>Шифър</source>
        <extracomment>The heading of the cipher list.</extracomment>
        <translation>Cipher</translation>
    </message>
    <message>
        <source>Текст, декриптиран</source>
        <translation>Text, decrypted</translation>
    </message>
    <message>
        <source>Криптирай</source>
        <translation>Encrypt</translation>
    </message>
    <message>
        <source>Чисти</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Обяснение на шифъра</source>
        <translation>Explanation of the cipher</translation>
    </message>
    <message>
        <source>квадрат на Polybius</source>
        <translation>Polybius square</translation>
    </message>
    <message>
        <source>Упражнение…</source>
        <translation>Exercise…</translation>
    </message>
    <message>
        <source>Разбиване на шифъра…</source>
        <translation>Break the cipher…</translation>
    </message>
    <message>
        <source>„%1“ спря с грешка.</source>
        <extracomment>%1 names what the user did: a button&apos;s caption, a list&apos;s heading.</extracomment>
        <translation>“%1” stopped with an error.</translation>
    </message>
    <message>
        <source>Програмата продължава да работи: в прозореца остава това, което беше направено до грешката.</source>
        <translation>The program goes on working: the window keeps what was done before the error.</translation>
    </message>
</context>
<context>
    <name>playfair::PracticeWindow</name>
    <message>
        <source>✓ вярно</source>
        <translation>✓ right</translation>
    </message>
    <message>
        <source>✗ грешно</source>
        <translation>✗ wrong</translation>
    </message>
    <message>
        <source>✗ показан</source>
        <extracomment>Under a pair answered wrong twice, whose answer is now shown.</extracomment>
        <translation>✗ shown</translation>
    </message>
    <message>
        <source>Упражнение - шифър Playfair</source>
        <translation>Exercise - Playfair cipher</translation>
    </message>
    <message>
        <source>Упражнение - диграфов шифър, cipher Playfair</source>
        <translation>Exercise - digraph cipher, Playfair cipher</translation>
    </message>
    <message>
        <source>посока:</source>
        <translation>direction:</translation>
    </message>
    <message>
        <source>криптиране</source>
        <translation>encrypting</translation>
    </message>
    <message>
        <source>декриптиране</source>
        <translation>decrypting</translation>
    </message>
    <message>
        <source>квадрат на Polybius</source>
        <translation>Polybius square</translation>
    </message>
    <message>
        <source>в листа само ключовата дума</source>
        <translation>only the key word on the sheet</translation>
    </message>
    <message>
        <source>По-труден лист: вместо квадрата е дадена ключовата дума и празна мрежа, в която ученикът сам строи квадрата.</source>
        <translation>A harder sheet: instead of the square it gives the key word and an empty grid, in which the pupil builds the square.</translation>
    </message>
    <message>
        <source>Запази като PDF…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>Лист А4 за тази задача: на първата страница задачата, на втората отговорите с правилото за всяка двойка.</source>
        <translation>An A4 sheet for this task: the task on the first page, on the second the answers with each pair’s rule.</translation>
    </message>
    <message>
        <source>Нова задача</source>
        <translation>New task</translation>
    </message>
    <message>
        <source>ключова дума: няма (квадратът е азбуката по ред)</source>
        <translation>key word: none (the square is the alphabet in order)</translation>
    </message>
    <message>
        <source>ключова дума: %1</source>
        <translation>key word: %1</translation>
    </message>
    <message>
        <source>Декриптирайте всяка двойка: под нея напишете двете букви на текста.</source>
        <translation>Decrypt each pair: under it write the two letters of the text.</translation>
    </message>
    <message>
        <source>Криптирайте всяка двойка: под нея напишете двете букви на шифъра.</source>
        <translation>Encrypt each pair: under it write the two letters of the cipher.</translation>
    </message>
    <message>
        <source>Двойка %1</source>
        <translation>Pair %1</translation>
    </message>
    <message>
        <source>Под всяка двойка напишете текста ѝ и натиснете Enter. При грешка квадратът показва буквите на двойката, а тук пише кое правило важи за нея.</source>
        <translation>Under each pair write its text and press Enter. After a mistake the square shows the pair’s letters, and this box says which rule applies to it.</translation>
    </message>
    <message>
        <source>Под всяка двойка напишете шифъра ѝ и натиснете Enter. При грешка квадратът показва буквите на двойката, а тук пише кое правило важи за нея.</source>
        <translation>Under each pair write its cipher and press Enter. After a mistake the square shows the pair’s letters, and this box says which rule applies to it.</translation>
    </message>
    <message>
        <source>Двойка %1: %2 → %3 е вярно.</source>
        <translation>Pair %1: %2 → %3 is right.</translation>
    </message>
    <message>
        <source>Двойка %1: %2 не е вярно. %3 Опитайте отново.
%4</source>
        <extracomment>%3 is the rule of the pair, %4 says how the square outlines its letters.</extracomment>
        <translation>Pair %1: %2 is not right. %3 Try again.
%4</translation>
    </message>
    <message>
        <source>Двойка %1: %2 също не е вярно. Вярното е %3. %4
%5</source>
        <extracomment>%4 is the rule of the pair with where each letter goes, %5 says how the square outlines its letters.</extracomment>
        <translation>Pair %1: %2 is not right either. The right answer is %3. %4
%5</translation>
    </message>
    <message>
        <source>Задачата е решена. Бутонът „Нова задача“ дава следваща.</source>
        <translation>The task is done. The “New task” button gives another one.</translation>
    </message>
    <message>
        <source>%1 от %2 от първия опит</source>
        <extracomment>The tally: how many pairs of all were right at the first try.</extracomment>
        <translation>%1 of %2 at the first try</translation>
    </message>
    <message>
        <source>Запази като PDF</source>
        <extracomment>The save dialog&apos;s title.</extracomment>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>упражнение-playfair.pdf</source>
        <extracomment>The worksheet&apos;s file name that the save dialog proposes.</extracomment>
        <translation>playfair-exercise.pdf</translation>
    </message>
    <message>
        <source>Листът не можа да бъде записан в %1.</source>
        <translation>The sheet could not be saved to %1.</translation>
    </message>
</context>
<context>
    <name>playfair::SquareView</name>
    <message>
        <source>ред %1, колона %2</source>
        <translation>row %1, column %2</translation>
    </message>
</context>
</TS>
