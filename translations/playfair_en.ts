<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="bg_BG">
<context>
    <name>BreakSession</name>
    <message>
        <source>Файлът „%1“ не съществува.</source>
        <translation>The file “%1” does not exist.</translation>
    </message>
    <message>
        <source>„%1“ е папка, а не файл с шифрован текст.</source>
        <translation>“%1” is a folder, not a file with a ciphertext.</translation>
    </message>
    <message>
        <source>Файлът „%1“ не може да бъде прочетен.</source>
        <translation>The file “%1” cannot be read.</translation>
    </message>
    <message>
        <source>Файлът „%1“ е по-дълъг от 1 MiB: прочетено е само началото му.</source>
        <translation>The file “%1” is longer than 1 MiB: only its beginning was read.</translation>
    </message>
    <message>
        <source>Напишете ключова дума или изберете „случаен квадрат“.</source>
        <translation>Type a key word or choose “random square”.</translation>
    </message>
    <message>
        <source>1 ключ</source>
        <translation>1 key</translation>
    </message>
    <message>
        <source>%1 ключа</source>
        <translation>%1 keys</translation>
    </message>
    <message>
        <source>резултатът е сигурен: квадратът е от ключова дума, а текстът му прилича на езика и е много по-вероятен от всеки друг намерен</source>
        <translation>the result is certain: the square is a key word’s, and its text reads like the language and is far likelier than any other found</translation>
    </message>
    <message>
        <source>резултатът е сигурен: текстът прилича на езика и никое търсене от този квадрат не намери по-добър</source>
        <translation>the result is certain: the text reads like the language and no search from this square found a better one</translation>
    </message>
    <message>
        <source>резултатът е сигурен, %1 независими търсения стигнаха до един и същ текст</source>
        <translation>the result is certain, %1 independent searches reached the same text</translation>
    </message>
    <message>
        <source>1 такъв ключ</source>
        <translation>1 such key</translation>
    </message>
    <message>
        <source>%1 такива ключа</source>
        <translation>%1 such keys</translation>
    </message>
    <message>
        <source>Ключът е известен: буквите, които са на мястото си, ще се оцветят в зелено.</source>
        <translation>The key is known: the letters in their place will turn green.</translation>
    </message>
    <message>
        <source>Ключът не е известен: нищо не се отбелязва.</source>
        <translation>The key is not known: nothing is marked.</translation>
    </message>
    <message>
        <source>На мястото си: %1 от 25 букви.
Верен текст: %2 % от буквите.</source>
        <translation>In place: %1 of 25 letters.
Right text: %2% of the letters.</translation>
    </message>
    <message>
        <source>Оценката показва колко прилича текстът на английски: средният логаритъм от вероятността на всяка буква след предходните четири (около %1 за случайни букви, около %2 за обикновен текст).</source>
        <translation>The score shows how much the text reads like English: the mean logarithm of the probability of each letter after the four before it (about %1 for random letters, about %2 for ordinary text).</translation>
    </message>
    <message>
        <source>Оценката показва колко прилича текстът на български: средният логаритъм от вероятността на всяка буква след предходните четири (около %1 за случайни букви, около %2 за обикновен текст).</source>
        <translation>The score shows how much the text reads like Bulgarian: the mean logarithm of the probability of each letter after the four before it (about %1 for random letters, about %2 for ordinary text).</translation>
    </message>
    <message>
        <source>Шифърът има само %1 букви: на толкова кратък текст пасват много квадрати.</source>
        <translation>The ciphertext has only %1 letters: many squares fit a text this short.</translation>
    </message>
    <message>
        <source>Ако знаете дума от текста, напишете я в „Известна дума“.</source>
        <translation>If you know a word of the text, type it in “Known word”.</translation>
    </message>
    <message>
        <source>Поставете шифрован текст или направете демонстрация, после натиснете „Започни“.</source>
        <translation>Paste a ciphertext or make a demonstration, then press “Start”.</translation>
    </message>
    <message>
        <source>Натиснете „Започни“ или Enter в полето за шифрования текст.</source>
        <translation>Press “Start”, or Enter in the ciphertext box.</translation>
    </message>
    <message>
        <source>Търсене: %1, проверени %2, завършени опити: %3, оценка %4.</source>
        <translation>Searching: %1, %2 tested, attempts finished: %3, score %4.</translation>
    </message>
    <message>
        <source>Търсене: %1, проверени %2, завършени опити: %3.</source>
        <translation>Searching: %1, %2 tested, attempts finished: %3.</translation>
    </message>
    <message>
        <source>Спиране…</source>
        <translation>Stopping…</translation>
    </message>
    <message>
        <source>времето за търсене изтече</source>
        <translation>the time for the search ran out</translation>
    </message>
    <message>
        <source>спряно</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>Не е намерен квадрат, при който известната дума е в текста.</source>
        <translation>No square was found with the known word in its text.</translation>
    </message>
    <message>
        <source>Не е намерен квадрат.</source>
        <translation>No square was found.</translation>
    </message>
    <message>
        <source>Ключовата дума е %1</source>
        <translation>The key word is %1</translation>
    </message>
    <message>
        <source>Ключът е буквите %1 — не е дума от списъците</source>
        <translation>The key is the letters %1 — not a word of the lists</translation>
    </message>
    <message>
        <source>Намереният квадрат не е от ключова дума</source>
        <translation>The square found is not a key word’s</translation>
    </message>
    <message>
        <source>Квадрат от ключова дума се намира лесно: търсенето опита само %1, а квадратите, които шифрират различно, са 25!/25 ≈ 6,2·10²³.</source>
        <extracomment>%1 counts the key words tried: &quot;1 such key&quot;, &quot;4,823,910 such keys&quot;.</extracomment>
        <translation>A key word’s square is easy to find: the search tried only %1, while the squares that encrypt differently number 25!/25 ≈ 6.2·10²³.</translation>
    </message>
    <message>
        <source>Думите (догадка): %1</source>
        <translation>The words (a guess): %1</translation>
    </message>
    <message>
        <source>Ключовата дума няма нито една буква.</source>
        <translation>The key word has not one letter.</translation>
    </message>
    <message>
        <source>Ключовата дума %1 е написана с латински букви: %2.</source>
        <translation>The key word %1 is written in Latin letters: %2.</translation>
    </message>
    <message>
        <source>Текстът за демонстрация няма нито една буква.</source>
        <translation>The demonstration text has not one letter.</translation>
    </message>
    <message>
        <source>Кирилицата в текста е написана с латински букви по официалната транслитерация, на която е и статистиката на българския: „%1“.</source>
        <translation>The Cyrillic in the text is written in Latin letters by the official transliteration, the one the Bulgarian statistics are counted in: “%1”.</translation>
    </message>
    <message>
        <source>%1 с</source>
        <extracomment>Seconds, written &quot;3,2 с&quot; in Bulgarian: %1 is the number in the language&apos;s form.</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Търсенето приключи след %1 и %2 проверени ключа: %3, оценка %4.</source>
        <extracomment>%3 says why the search stopped.</extracomment>
        <translation>The search ended after %1 and %2 keys tested: %3, score %4.</translation>
    </message>
    <message>
        <source>Търсенето приключи след %1 и %2 проверени ключа: %3.</source>
        <translation>The search ended after %1 and %2 keys tested: %3.</translation>
    </message>
    <message>
        <source>Ключовата дума е %1 (%2)</source>
        <extracomment>The key word as typed in Cyrillic, then in the Latin letters that build the square.</extracomment>
        <translation>The key word is %1 (%2)</translation>
    </message>
    <message>
        <source>Най-добрият намерен ключ: %1</source>
        <translation>The best key found: %1</translation>
    </message>
    <message>
        <source>Най-добрият намерен ключ: буквите %1 (не е дума от списъците)</source>
        <translation>The best key found: the letters %1 (not a word of the lists)</translation>
    </message>
    <message>
        <source>Най-добрият ключ досега: %1</source>
        <translation>The best key so far: %1</translation>
    </message>
    <message>
        <source>Най-добрият ключ досега: буквите %1 (не е дума от списъците)</source>
        <translation>The best key so far: the letters %1 (not a word of the lists)</translation>
    </message>
    <message>
        <source>Най-добрият намерен квадрат не е от ключова дума</source>
        <translation>The best square found is not a key word’s</translation>
    </message>
    <message>
        <source>Не е ключът: на мястото си са %1 от 25 букви на квадрата.</source>
        <translation>Not the key: the square has %1 of its 25 letters in place.</translation>
    </message>
    <message>
        <source>Търсенето не е сигурно в този ключ.</source>
        <translation>The search is not sure of this key.</translation>
    </message>
    <message>
        <source>Търсенето още не е сигурно в този ключ.</source>
        <translation>The search is not yet sure of this key.</translation>
    </message>
    <message>
        <source>Търсенето не е сигурно в този ключ: в текста има само %1 от 25-те букви, затова най-много %1 букви на квадрата може да са на мястото си.</source>
        <extracomment>%1 counts the different letters of the ciphertext and its plaintext, fewer than 25.</extracomment>
        <translation>The search is not sure of this key: the text holds only %1 of the 25 letters, so at most %1 letters of the square can be in place.</translation>
    </message>
    <message>
        <source>Търсенето още не е сигурно в този ключ: в текста има само %1 от 25-те букви, затова най-много %1 букви на квадрата може да са на мястото си.</source>
        <translation>The search is not yet sure of this key: the text holds only %1 of the 25 letters, so at most %1 letters of the square can be in place.</translation>
    </message>
    <message>
        <source>Търсенето я назовава с най-късата дума, която дава същия квадрат: %1.</source>
        <extracomment>Under &quot;The key word is …&quot;: the search names that key word (&quot;я&quot;) by %1, the shortest word that builds the same square.</extracomment>
        <translation>The search names it by the shortest word that builds the same square: %1.</translation>
    </message>
    <message>
        <source>Ако в съобщението удвоените букви са оставени, без X между тях, отбележете „удвоените букви са оставени“.</source>
        <translation>If the message left its doubled letters as they were, with no X between them, tick “doubled letters were left”.</translation>
    </message>
    <message>
        <source>%1 на английски (на български %2: езикът е намерен от търсенето)</source>
        <extracomment>%1 is the plaintext&apos;s score in the language found, %2 its score in the other.</extracomment>
        <translation>%1 in English (%2 in Bulgarian: the search found the language)</translation>
    </message>
    <message>
        <source>%1 на български (на английски %2: езикът е намерен от търсенето)</source>
        <translation>%1 in Bulgarian (%2 in English: the search found the language)</translation>
    </message>
    <message>
        <source> и </source>
        <extracomment>Between the last two numbers of a list: &quot;12 и 40&quot;.</extracomment>
        <translation> and </translation>
    </message>
    <message>
        <source>Ключът е вписан в квадрата по колони, а не по редове.</source>
        <translation>The key was written into the square by columns, not by rows.</translation>
    </message>
    <message>
        <source>Ключът е вписан в квадрата като змийка по редове: всеки втори ред отдясно наляво.</source>
        <translation>The key was written into the square as a snake by rows: every other row from right to left.</translation>
    </message>
    <message>
        <source>Ключът е вписан в квадрата като змийка по колони: всяка втора колона отдолу нагоре.</source>
        <translation>The key was written into the square as a snake by columns: every other column from the bottom up.</translation>
    </message>
    <message>
        <source>Ключът е вписан в квадрата по спирала: от горния ляв ъгъл по часовниковата стрелка.</source>
        <translation>The key was written into the square as a spiral: from the top left corner, clockwise.</translation>
    </message>
    <message>
        <source>Ключът е вписан в квадрата по диагонали: от горния ляв ъгъл, всеки диагонал отдясно наляво надолу.</source>
        <translation>The key was written into the square by diagonals: from the top left corner, each diagonal from right to left, downwards.</translation>
    </message>
    <message>
        <source>Последната буква, %1, е оставена настрана: тя няма двойка, а шифрите се пращаха на групи от пет и последната група се допълваше.</source>
        <translation>The last letter, %1, was set aside: it has no pair, and ciphertexts went in groups of five, the last one filled up.</translation>
    </message>
    <message>
        <source>Последните %1 букви, %2, са оставени настрана: повторена буква след последната двойка, каквато никой квадрат не дава, значи допълнение на последната група от пет.</source>
        <extracomment>%1 counts the letters set aside at the end of the ciphertext, %2 are those letters.</extracomment>
        <translation>The last %1 letters, %2, were set aside: a letter repeated after the last pair, which no square gives, so padding that filled up the last group of five.</translation>
    </message>
    <message>
        <source>Текстът изобщо не се чете: намереният квадрат едва ли е ключът.</source>
        <translation>The text does not read at all: the square found is hardly the key.</translation>
    </message>
    <message>
        <source>Двойка %1 (подчертана) се чете много по-зле, отколкото която и да е друга двойка би се чела там: вероятно е сбъркана при предаването.</source>
        <translation>Pair %1 (underlined) reads far worse than any other pair would there: it was likely garbled in transmission.</translation>
    </message>
    <message>
        <source>Двойки %1 (подчертани) се четат много по-зле, отколкото които и да е други двойки биха се чели там: вероятно са сбъркани при предаването.</source>
        <extracomment>%1 lists the numbers of the pairs: &quot;3, 12 и 40&quot;.</extracomment>
        <translation>Pairs %1 (underlined) read far worse than any other pairs would there: they were likely garbled in transmission.</translation>
    </message>
    <message>
        <source>От двойка %1 нататък текстът не се чете: вероятно там е изпусната или добавена буква.</source>
        <translation>From pair %1 on the text does not read: a letter was likely lost or added there.</translation>
    </message>
</context>
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
    <name>SolverError</name>
    <message>
        <source>Шифърът има %1 букви, нечетен брой: последната буква няма двойка, значи текстът не е шифър Playfair.</source>
        <translation>The text has %1 letters, an odd number: the last letter has no pair, so this is no Playfair ciphertext.</translation>
    </message>
    <message>
        <source>Двойката %1 на позиция %2 е от две еднакви букви, а никой квадрат не дава такъв шифър.</source>
        <extracomment>%1 is a pair of two equal letters, %2 the place of its first letter.</extracomment>
        <translation>The pair %1 at letter %2 holds two equal letters, which no Playfair square gives.</translation>
    </message>
    <message>
        <source>В текста няма нито една латинска буква.</source>
        <translation>The text has not one Latin letter.</translation>
    </message>
    <message>
        <source>Известната дума е по-дълга от текста.</source>
        <translation>The known word is longer than the text.</translation>
    </message>
    <message>
        <source>Позиция %1 е извън текста.</source>
        <translation>Position %1 is outside the text.</translation>
    </message>
    <message>
        <source>Думата не може да стои на позиция %1: там тя противоречи на шифъра (Playfair никога не заменя буква със самата нея).</source>
        <translation>The word cannot stand at letter %1: there it contradicts the ciphertext (Playfair never turns a letter into itself).</translation>
    </message>
    <message>
        <source>Думата не може да стои никъде в текста: навсякъде противоречи на шифъра.</source>
        <translation>The word cannot stand anywhere in the text: everywhere it contradicts the ciphertext.</translation>
    </message>
    <message>
        <source>Известната дума няма нито една латинска буква.</source>
        <translation>The known word has not one Latin letter.</translation>
    </message>
    <message>
        <source>В текста има само букви на кирилица, а шифърът Playfair се пише с латински букви.</source>
        <translation>The text has Cyrillic letters only, and a Playfair ciphertext is written in Latin letters.</translation>
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
    <name>playfair::BreakWindow</name>
    <message>
        <source>Разбиване на шифъра - Playfair</source>
        <translation>Breaking the cipher - Playfair</translation>
    </message>
    <message>
        <source>Разбиване на шифъра без ключа - диграфов шифър, cipher Playfair</source>
        <translation>Breaking the cipher without its key - digraph cipher, Playfair cipher</translation>
    </message>
    <message>
        <source>Демонстрация: текст, криптиран с известен ключ</source>
        <translation>Demonstration: a text encrypted with a known key</translation>
    </message>
    <message>
        <source>Текст за демонстрация</source>
        <translation>Demonstration text</translation>
    </message>
    <message>
        <source>ключова дума:</source>
        <translation>key word:</translation>
    </message>
    <message>
        <source>Ключова дума</source>
        <translation>Key word</translation>
    </message>
    <message>
        <source>случаен квадрат</source>
        <translation>random square</translation>
    </message>
    <message>
        <source>Криптирай</source>
        <translation>Encrypt</translation>
    </message>
    <message>
        <source>Криптирай текста за демонстрация</source>
        <translation>Encrypt the demonstration text</translation>
    </message>
    <message>
        <source>Шифрован текст</source>
        <translation>Ciphertext</translation>
    </message>
    <message>
        <source>Поставете шифрован текст: броят се само латинските букви, J е I.</source>
        <translation>Paste a ciphertext: only the Latin letters count, J is I.</translation>
    </message>
    <message>
        <source>Език</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>английски</source>
        <translation>English</translation>
    </message>
    <message>
        <source>български на латиница</source>
        <translation>Bulgarian in Latin letters</translation>
    </message>
    <message>
        <source>Известна дума</source>
        <translation>Known word</translation>
    </message>
    <message>
        <source>ако знаете дума от текста</source>
        <translation>if you know a word of the text</translation>
    </message>
    <message>
        <source>Време за търсене</source>
        <translation>Time for the search</translation>
    </message>
    <message>
        <source>Търсенето спира най-късно след толкова секунди.</source>
        <translation>The search stops after this many seconds at the latest.</translation>
    </message>
    <message>
        <source>език:</source>
        <translation>language:</translation>
    </message>
    <message>
        <source>известна дума:</source>
        <translation>known word:</translation>
    </message>
    <message>
        <source>най-много:</source>
        <translation>at most:</translation>
    </message>
    <message>
        <source>Започни</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Спри</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>квадрат на Polybius</source>
        <translation>Polybius square</translation>
    </message>
    <message>
        <source>Намереният квадрат</source>
        <translation>The square found</translation>
    </message>
    <message>
        <source>Оценка на открития текст</source>
        <translation>Score of the text found</translation>
    </message>
    <message>
        <source>Ключовата дума</source>
        <translation>The key word</translation>
    </message>
    <message>
        <source>Открит текст: под всяка двойка на шифъра - нейният текст</source>
        <translation>Text found: under each pair of the cipher, its text</translation>
    </message>
    <message>
        <source>Открит текст</source>
        <translation>Text found</translation>
    </message>
    <message>
        <source>Думите на открития текст (догадка)</source>
        <translation>The words of the text found (a guess)</translation>
    </message>
    <message>
        <source>Състояние</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Напишете или поставете текст на английски или на български; кирилицата се пише с латински букви…</source>
        <translation>Type or paste a text in English or in Bulgarian; Cyrillic is written in Latin letters…</translation>
    </message>
    <message>
        <source> с</source>
        <extracomment>The unit after the time limit&apos;s number: seconds.</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>Спира търсенето; същото прави клавишът Esc.</source>
        <translation>Stops the search; so does the Esc key.</translation>
    </message>
    <message>
        <source>по редове</source>
        <translation>by rows</translation>
    </message>
    <message>
        <source>по колони</source>
        <translation>by columns</translation>
    </message>
    <message>
        <source>змийка по редове</source>
        <translation>snake by rows</translation>
    </message>
    <message>
        <source>змийка по колони</source>
        <translation>snake by columns</translation>
    </message>
    <message>
        <source>спирала</source>
        <translation>spiral</translation>
    </message>
    <message>
        <source>по диагонали</source>
        <translation>by diagonals</translation>
    </message>
    <message>
        <source>вписана:</source>
        <extracomment>Before the way the key word is written into the square: &quot;by rows&quot;, &quot;by columns&quot;…</extracomment>
        <translation>written in:</translation>
    </message>
    <message>
        <source>Как се вписва ключовата дума</source>
        <translation>How the key word is written in</translation>
    </message>
    <message>
        <source>Как ключовата дума и останалите букви се вписват в квадрата; спиралата върви по часовниковата стрелка от горния ляв ъгъл.</source>
        <translation>How the key word and the other letters are written into the square; the spiral runs clockwise from the top left corner.</translation>
    </message>
    <message>
        <source>удвоените букви остават</source>
        <translation>doubled letters stay</translation>
    </message>
    <message>
        <source>Двойка от еднакви букви не се разделя с X и минава през шифъра непроменена, както в някои истински съобщения.</source>
        <translation>A pair of two equal letters is not split by an X and goes through the cipher unchanged, as in some real messages.</translation>
    </message>
    <message>
        <source>Текстът се подготвя като истинските съобщения Playfair: между двете букви на двойка от еднакви букви се вмъква X (Q, ако буквата е X), освен ако удвоените букви остават, а накрая X изравнява нечетен брой букви (Q след крайно X).</source>
        <translation>The text is prepared as real Playfair messages were: an X goes between the two letters of a pair of equal letters (a Q if the letter is X), unless doubled letters stay, and at the end an X evens an odd number of letters (a Q after a final X).</translation>
    </message>
    <message>
        <source>автоматично</source>
        <translation>automatic</translation>
    </message>
    <message>
        <source>„автоматично“: търсенето чете всеки текст и на двата езика и само намира езика.</source>
        <translation>“automatic”: the search reads every text in both languages and finds the language itself.</translation>
    </message>
    <message>
        <source>удвоените букви са оставени</source>
        <translation>doubled letters were left</translation>
    </message>
    <message>
        <source>Отбележете, ако при криптирането двойките от еднакви букви не са разделени с X: такава двойка в шифъра стои вместо себе си.</source>
        <translation>Tick this if the pairs of equal letters were not split by an X when encrypting: such a pair in the ciphertext stands for itself.</translation>
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
    <name>playfair::PairedTextView</name>
    <message>
        <source>… и още %1 букви</source>
        <translation>… and %1 letters more</translation>
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
    <message>
        <source>Отговорите се пишат с латински букви: превключете клавиатурата на латиница.</source>
        <translation>Answers are written in Latin letters: switch the keyboard to a Latin layout.</translation>
    </message>
</context>
<context>
    <name>playfair::ScorePlot</name>
    <message>
        <source>График на оценката</source>
        <translation>Plot of the score</translation>
    </message>
    <message>
        <source>случайни букви</source>
        <translation>random letters</translation>
    </message>
    <message>
        <source>обикновен текст</source>
        <translation>ordinary text</translation>
    </message>
    <message>
        <source>истинският текст</source>
        <translation>the true text</translation>
    </message>
    <message>
        <source>%1 с</source>
        <extracomment>The time axis&apos;s last figure, in seconds: &quot;30 с&quot; in Bulgarian.</extracomment>
        <translation>%1 s</translation>
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
