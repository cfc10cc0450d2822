<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="bg_BG">
<context>
    <name>AlphabetNames</name>
    <message>
        <source>латиница без Q (5 × 5)</source>
        <translation>Latin without Q (5 × 5)</translation>
    </message>
    <message>
        <source>латиница и цифри (6 × 6)</source>
        <translation>Latin and digits (6 × 6)</translation>
    </message>
    <message>
        <source>кирилица, 30 букви (5 × 6)</source>
        <translation>Cyrillic, 30 letters (5 × 6)</translation>
    </message>
    <message>
        <source>латиница, J като I (5 × 5)</source>
        <translation>Latin, J as I (5 × 5)</translation>
    </message>
    <message>
        <source>Азбука: %1.</source>
        <translation>Alphabet: %1.</translation>
    </message>
    <message>
        <source>Буквата Q е изпусната от текста: тази азбука е без Q.</source>
        <translation>The letter Q was left out of the text: this alphabet has no Q.</translation>
    </message>
    <message>
        <source>Латинските букви в текста са пропуснати: квадратът е на кирилица (%1).</source>
        <translation>The Latin letters in the text were skipped: the square is in Cyrillic (%1).</translation>
    </message>
    <message>
        <source>Буквите извън азбуката са пропуснати: %1.</source>
        <translation>The letters outside the alphabet were left out: %1.</translation>
    </message>
</context>
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
    <message>
        <source>В текста няма двойка букви от азбуката на квадрата.</source>
        <translation>The text has no pair of letters of the square&apos;s alphabet.</translation>
    </message>
    <message>
        <source>Двойка %1 е от две еднакви букви, %2: никой квадрат Playfair не дава такава двойка.</source>
        <translation>Pair %1 is two equal letters, %2: no Playfair square gives such a pair.</translation>
    </message>
    <message>
        <source>Оценката показва колко прилича текстът на български: средният логаритъм от вероятността на всяка група от четири букви (около %1 за случайни букви, около %2 за обикновен текст).</source>
        <translation>The score shows how much the text reads like Bulgarian: the mean logarithm of the probability of each group of four letters (about %1 for random letters, about %2 for ordinary text).</translation>
    </message>
    <message>
        <source>Оценката показва колко прилича текстът на английски: средният логаритъм от вероятността на всяка група от четири букви (около %1 за случайни букви, около %2 за обикновен текст).</source>
        <translation>The score shows how much the text reads like English: the mean logarithm of the probability of each group of four letters (about %1 for random letters, about %2 for ordinary text).</translation>
    </message>
    <message>
        <source>латиница без Q, квадрат 5 × 5</source>
        <translation>Latin without Q, a 5 × 5 square</translation>
    </message>
    <message>
        <source>латиница и цифрите, квадрат 6 × 6</source>
        <translation>Latin and the digits, a 6 × 6 square</translation>
    </message>
    <message>
        <source>кирилица, квадрат 5 × 6</source>
        <translation>Cyrillic, a 5 × 6 square</translation>
    </message>
    <message>
        <source>Азбука: %1, както е избрана.</source>
        <translation>Alphabet: %1, as chosen.</translation>
    </message>
    <message>
        <source>Азбука: %1, избрана автоматично, защото в текста има кирилски букви.</source>
        <translation>Alphabet: %1, chosen automatically because the text has Cyrillic letters.</translation>
    </message>
    <message>
        <source>Азбука: %1, избрана автоматично, защото в текста има цифри между буквите.</source>
        <translation>Alphabet: %1, chosen automatically because the text has digits among its letters.</translation>
    </message>
    <message>
        <source>Азбука: %1, избрана автоматично, защото в текста има J и няма Q.</source>
        <translation>Alphabet: %1, chosen automatically because the text has a J and no Q.</translation>
    </message>
    <message>
        <source>Азбуката няма тези букви на текста: %1.</source>
        <translation>The alphabet has no place for these letters of the text: %1.</translation>
    </message>
    <message>
        <source>Азбука: в текста няма нито J, нито Q, а класическият квадрат 5 × 5 не даде текст, който се чете: сега се търси с квадрата без Q.</source>
        <translation>Alphabet: the text has neither J nor Q, and the classic 5 × 5 square gave no plaintext that reads: now the square without Q is searched.</translation>
    </message>
    <message>
        <source>Азбука: латиница без Q, квадрат 5 × 5, избрана автоматично: в текста няма нито J, нито Q, и само квадратът без Q даде текст, който се чете.</source>
        <translation>Alphabet: Latin without Q, a 5 × 5 square, chosen automatically: the text has neither J nor Q, and only the square without Q gave a plaintext that reads.</translation>
    </message>
    <message>
        <source>Азбука: в текста няма нито J, нито Q, и нито класическият квадрат, нито квадратът без Q дадоха текст, който се чете: показан е най-добрият текст от класическия квадрат 5 × 5 с J като I.</source>
        <translation>Alphabet: the text has neither J nor Q, and neither the classic square nor the square without Q gave a plaintext that reads: the best plaintext of the classic 5 × 5 square with J as I is shown.</translation>
    </message>
    <message>
        <source>Напишете или поставете текст на английски; Q отпада…</source>
        <translation>Type or paste a text in English; Q is dropped…</translation>
    </message>
    <message>
        <source>Напишете или поставете текст на английски; цифрите остават…</source>
        <translation>Type or paste a text in English; digits stay…</translation>
    </message>
    <message>
        <source>Напишете или поставете текст на български с кирилица…</source>
        <translation>Type or paste a text in Bulgarian in Cyrillic…</translation>
    </message>
    <message>
        <source>Напишете или поставете текст на английски или на български; кирилицата се пише с латински букви…</source>
        <translation>Type or paste a text in English or in Bulgarian; Cyrillic is written in Latin letters…</translation>
    </message>
    <message>
        <source>Двойка от еднакви букви не се разделя с %1 и минава през шифъра непроменена, както в някои истински съобщения.</source>
        <extracomment>%1 is the alphabet&apos;s filler letter: X, or Ь in Cyrillic.</extracomment>
        <translation>A pair of two equal letters is not split with %1 and goes through the cipher unchanged, as in some real messages.</translation>
    </message>
    <message>
        <source>Поставете шифрован текст: азбуката му се избира по буквите (кирилица, цифри между буквите, J без Q), иначе се броят латинските букви и J е I.</source>
        <translation>Paste a ciphertext: its alphabet is chosen by its letters (Cyrillic, digits among the letters, J without Q); otherwise the Latin letters count and J is I.</translation>
    </message>
    <message>
        <source>Поставете шифрован текст: броят се латинските букви без Q.</source>
        <translation>Paste a ciphertext: the Latin letters without Q count.</translation>
    </message>
    <message>
        <source>Поставете шифрован текст: броят се латинските букви и цифрите.</source>
        <translation>Paste a ciphertext: the Latin letters and the digits count.</translation>
    </message>
    <message>
        <source>Поставете шифрован текст: броят се само буквите на кирилица.</source>
        <translation>Paste a ciphertext: only the Cyrillic letters count.</translation>
    </message>
    <message>
        <source>Поставете шифрован текст: броят се само латинските букви, J е I.</source>
        <translation>Paste a ciphertext: only the Latin letters count, J is I.</translation>
    </message>
    <message>
        <source>Латиница без Q (5 × 5): текстът се подготвя като истинските съобщения — всяко Q отпада, J остава отделна буква, между двете еднакви букви на двойка се вмъква %1 (%2, ако буквата е %1), освен ако удвоените букви остават, а накрая %1 изравнява нечетен брой букви (%2 след крайно %1).</source>
        <extracomment>%1 is the filler letter (X), %2 the one after a filler (Z).</extracomment>
        <translation>Latin without Q (5 × 5): the text is prepared as real messages were — every Q is dropped, J stays a letter of its own, %1 goes between the two equal letters of a pair (a %2 if the letter is %1), unless doubled letters stay, and at the end %1 evens an odd number of letters (a %2 after a final %1).</translation>
    </message>
    <message>
        <source>Латиница и цифри (6 × 6): текстът се подготвя като истинските съобщения — цифрите остават, J остава отделна буква, между двете еднакви букви на двойка се вмъква %1 (%2, ако буквата е %1), освен ако удвоените букви остават, а накрая %1 изравнява нечетен брой букви (%2 след крайно %1).</source>
        <extracomment>%1 is the filler letter (X), %2 the one after a filler (Q).</extracomment>
        <translation>Latin and digits (6 × 6): the text is prepared as real messages were — the digits stay, J stays a letter of its own, %1 goes between the two equal letters of a pair (a %2 if the letter is %1), unless doubled letters stay, and at the end %1 evens an odd number of letters (a %2 after a final %1).</translation>
    </message>
    <message>
        <source>Кирилица (5 × 6): текстът се подготвя като истинските съобщения — латинските букви отпадат, Ѐ става Е и Ѝ става И, между двете еднакви букви на двойка се вмъква %1 (%2, ако буквата е %1), освен ако удвоените букви остават, а накрая %1 изравнява нечетен брой букви (%2 след крайно %1); %1 и %2 са най-редките български букви.</source>
        <extracomment>%1 is the filler letter (Ь), %2 the one after a filler (Ю).</extracomment>
        <translation>Cyrillic (5 × 6): the text is prepared as real messages were — Latin letters are dropped, letters with a grave accent lose it, %1 goes between the two equal letters of a pair (%2 if the letter is %1), unless doubled letters stay, and at the end %1 evens an odd number of letters (%2 after a final %1); %1 and %2 are the rarest Bulgarian letters.</translation>
    </message>
    <message>
        <source>Латиница, J като I (5 × 5): текстът се подготвя като истинските съобщения — J става I, кирилицата се пише с латински букви, между двете еднакви букви на двойка се вмъква %1 (%2, ако буквата е %1), освен ако удвоените букви остават, а накрая %1 изравнява нечетен брой букви (%2 след крайно %1).</source>
        <extracomment>%1 is the filler letter (X), %2 the one after a filler (Q).</extracomment>
        <translation>Latin, J as I (5 × 5): the text is prepared as real messages were — J becomes I, Cyrillic is written in Latin letters, %1 goes between the two equal letters of a pair (a %2 if the letter is %1), unless doubled letters stay, and at the end %1 evens an odd number of letters (a %2 after a final %1).</translation>
    </message>
    <message>
        <source>На мястото си: %1 от %2 букви.
Верен текст: %3 % от буквите.</source>
        <translation>In place: %1 of %2 letters.
Right text: %3% of the letters.</translation>
    </message>
    <message>
        <source>Не е ключът: на мястото си са %1 от %2 букви на квадрата.</source>
        <translation>Not the key: the square has %1 of its %2 letters in place.</translation>
    </message>
    <message>
        <source>Азбука: %1, избрана автоматично, защото в текста няма нито J, нито Q, а в известната дума има J.</source>
        <translation>Alphabet: %1, chosen automatically because the text has neither a J nor a Q and the known word has a J.</translation>
    </message>
</context>
<context>
    <name>ByHandSession</name>
    <message>
        <source>Квадратът и текстът са открити: прочетете съобщението и ключовата дума.</source>
        <translation>The square and the text are found: read the message and the key word.</translation>
    </message>
    <message numerus="yes">
        <source>Най-честата двойка е %1: среща се %n пъти (двойки %2). Най-честите двойки в открития текст са %3: опитайте някоя от тях под нея.</source>
        <translation>
            <numerusform>The commonest pair is %1: it occurs %n time (pairs %2). The commonest plain pairs are %3: try one of them under it.</numerusform>
            <numerusform>The commonest pair is %1: it occurs %n times (pairs %2). The commonest plain pairs are %3: try one of them under it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Двойка %2 (%3) се среща %n пъти и може да започва думата %1: опитайте %1 там (вижте „Вероятна дума“).</source>
        <translation>
            <numerusform>Pair %2 (%3) occurs %n time and can begin the word %1: try %1 there (see &quot;Probable word&quot;).</numerusform>
            <numerusform>Pair %2 (%3) occurs %n times and can begin the word %1: try %1 there (see &quot;Probable word&quot;).</numerusform>
        </translation>
    </message>
    <message>
        <source>Двойки %1 (%2) и %3 (%4) са обратни една на друга: и откритите им двойки са обратни. Опитайте обратни двойки като %5.</source>
        <translation>Pairs %1 (%2) and %3 (%4) are each other&apos;s reverse: so are their plain pairs. Try reversed pairs such as %5.</translation>
    </message>
    <message>
        <source>Последните редове на квадрата вървят по азбучен ред: попълнете празната клетка сред тях с буквата, която липсва.</source>
        <translation>The square&apos;s last rows run in alphabetical order: fill the empty cell among them with the letter that is missing.</translation>
    </message>
    <message numerus="yes">
        <source>Последните редове на квадрата вървят по азбучен ред: попълнете %n празни клетки сред тях с буквите, които липсват, по ред.</source>
        <translation>
            <numerusform>The square&apos;s last rows run in alphabetical order: fill the %n empty cell among them with the letter that is missing.</numerusform>
            <numerusform>The square&apos;s last rows run in alphabetical order: fill the %n empty cells among them with the letters that are missing, in order.</numerusform>
        </translation>
    </message>
    <message>
        <source>В ред %1 на квадрата има четири букви (%2): коя е петата?</source>
        <translation>Row %1 of the square holds four letters (%2): which is the fifth?</translation>
    </message>
    <message>
        <source>В колона %1 на квадрата има четири букви (%2): коя е петата?</source>
        <translation>Column %1 of the square holds four letters (%2): which is the fifth?</translation>
    </message>
    <message>
        <source>Буквата %1 може да стои само на две места: %2 или %3. Коя двойка решава?</source>
        <translation>The letter %1 can stand in two places only: %2 or %3. Which pair decides?</translation>
    </message>
    <message>
        <source>Погледнете „Ключова дума“: %1 отговаря на догадките.</source>
        <translation>Look at &quot;Key word&quot;: %1 fits the guesses.</translation>
    </message>
    <message numerus="yes">
        <source>Погледнете „Ключова дума“: %n думи отговарят на догадките, първата е %1.</source>
        <translation>
            <numerusform>Look at &quot;Key word&quot;: %n word fits the guesses, %1.</numerusform>
            <numerusform>Look at &quot;Key word&quot;: %n words fit the guesses, the first is %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Двойка %1 (%3) е %2: коя буква допълва думата?</source>
        <translation>Pair %1 (%3) is %2: which letter completes the word?</translation>
    </message>
    <message>
        <source>Прочетете откритите двойки: коя дума започва или свършва там? Пробвайте я във „Вероятна дума“.</source>
        <translation>Read the plain pairs found: which word begins or ends there? Try it in &quot;Probable word&quot;.</translation>
    </message>
    <message>
        <source>Дъската не е запазена в „%1“: %2</source>
        <translation>The board was not saved in &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Файлът „%1“ не може да бъде прочетен.</source>
        <translation>The file &quot;%1&quot; cannot be read.</translation>
    </message>
    <message>
        <source>„%1“ не е дъска за разбиване на ръка: нищо не е променено.</source>
        <translation>&quot;%1&quot; is no board for breaking by hand: nothing was changed.</translation>
    </message>
    <message>
        <source>„%1“ е твърде голям за дъска: нищо не е променено.</source>
        <translation>&quot;%1&quot; is too large for a board: nothing was changed.</translation>
    </message>
    <message>
        <source>Файлът „%1“ е повреден на ред %2: нищо не е променено.</source>
        <translation>The file &quot;%1&quot; is damaged at line %2: nothing was changed.</translation>
    </message>
    <message>
        <source>Файлът „%1“ е повреден: урокът е за друг шифрован текст. Нищо не е променено.</source>
        <translation>The file &quot;%1&quot; is damaged: its lesson is for another ciphertext. Nothing was changed.</translation>
    </message>
    <message>
        <source>Догадките във файла „%1“ си противоречат: нищо не е променено.</source>
        <translation>The guesses in the file &quot;%1&quot; contradict each other: nothing was changed.</translation>
    </message>
    <message>
        <source>Текстът има %1 букви: на дъската са първите %2, колкото се разбиват на ръка.</source>
        <translation>The text has %1 letters: the board holds the first %2, as many as are broken by hand.</translation>
    </message>
    <message>
        <source>%1 и %2</source>
        <extracomment>Joins the last two items of a list: &quot;2, 5 и 7&quot;.</extracomment>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>ред %1, колона %2</source>
        <translation>row %1, column %2</translation>
    </message>
    <message>
        <source>Двойки: %1, различни: %2.</source>
        <translation>Pairs: %1, different: %2.</translation>
    </message>
    <message>
        <source>Никоя двойка не се повтаря.</source>
        <translation>No pair occurs twice.</translation>
    </message>
    <message>
        <source>Повтарят се: %1.</source>
        <translation>Repeated: %1.</translation>
    </message>
    <message>
        <source>Повторени поредици: %1.</source>
        <translation>Repeated runs: %1.</translation>
    </message>
    <message>
        <source>Обратни двойки: %1.</source>
        <translation>Reversed pairs: %1.</translation>
    </message>
    <message>
        <source>Всяка буква се среща.</source>
        <translation>Every letter occurs.</translation>
    </message>
    <message>
        <source>Не се срещат: %1.</source>
        <translation>Never occur: %1.</translation>
    </message>
    <message>
        <source>Думите (догадка): %1</source>
        <translation>The words (a guess): %1</translation>
    </message>
    <message>
        <source>двойка %1 (%2)</source>
        <translation>pair %1 (%2)</translation>
    </message>
    <message>
        <source>двойки %1 (%2)</source>
        <translation>pairs %1 (%2)</translation>
    </message>
    <message>
        <source>буквата %1 в %2</source>
        <translation>the letter %1 in %2</translation>
    </message>
    <message>
        <source>Това не може да е вярно заедно: %1.</source>
        <translation>These cannot be right together: %1.</translation>
    </message>
    <message>
        <source>Напишете шифрования текст и натиснете „Нова дъска“, или започнете урока.</source>
        <translation>Type the ciphertext and press &quot;New board&quot;, or start the lesson.</translation>
    </message>
    <message>
        <source>Нова дъска: една шифрована двойка.</source>
        <translation>New board: one cipher pair.</translation>
    </message>
    <message numerus="yes">
        <source>Нова дъска: %n шифровани двойки. Започнете с честотите на двойките.</source>
        <translation>
            <numerusform>New board: %n cipher pair. Start with the pairs&apos; frequencies.</numerusform>
            <numerusform>New board: %n cipher pairs. Start with the pairs&apos; frequencies.</numerusform>
        </translation>
    </message>
    <message>
        <source>Двойка %1: догадката е махната.</source>
        <translation>Pair %1: the guess is taken away.</translation>
    </message>
    <message>
        <source>Двойка %1: %2 под %3.</source>
        <translation>Pair %1: %2 under %3.</translation>
    </message>
    <message>
        <source>Думата %1 е поставена от буква %2 нататък.</source>
        <translation>The word %1 is placed from letter %2 on.</translation>
    </message>
    <message>
        <source>Клетката на %1 е изчистена.</source>
        <translation>The cell in %1 is cleared.</translation>
    </message>
    <message>
        <source>Буквата %1 е поставена на %2.</source>
        <translation>The letter %1 is placed in %2.</translation>
    </message>
    <message>
        <source>Ключовата дума %1 е приложена: квадратът и откритият текст са пълни.</source>
        <translation>The key word %1 is applied: the square and the plaintext are whole.</translation>
    </message>
    <message>
        <source>Последната промяна е отменена.</source>
        <translation>The last change is undone.</translation>
    </message>
    <message>
        <source>Промяната е направена отново.</source>
        <translation>The change is made again.</translation>
    </message>
    <message>
        <source>Дъската е отворена от „%1“.</source>
        <translation>The board is opened from &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Урок, стъпка %1: показано как се прави.</source>
        <translation>Lesson, step %1: shown done.</translation>
    </message>
    <message>
        <source>Двойка %1: %2 под %3 не е приета: никой квадрат не шифрира %2 в %3.</source>
        <translation>Pair %1: %2 under %3 is not taken: no square encrypts %2 into %3.</translation>
    </message>
    <message>
        <source>Двойка %1: %2 под %3 не е приета: противоречи на това, което вече е известно. Не могат да са верни заедно %4.</source>
        <translation>Pair %1: %2 under %3 is not taken: it contradicts what is known already. These cannot be right together: %4.</translation>
    </message>
    <message>
        <source>Това не е прието: не могат да са верни заедно %1.</source>
        <translation>This is not taken: these cannot be right together: %1.</translation>
    </message>
    <message>
        <source>Буквата %1 на %2 не е приета: не могат да са верни заедно %3.</source>
        <translation>The letter %1 in %2 is not taken: these cannot be right together: %3.</translation>
    </message>
    <message>
        <source>Квадратът на %1 не държи буквите на местата, където са поставени.</source>
        <translation>The square of %1 does not hold the letters where they are placed.</translation>
    </message>
    <message>
        <source>Квадратът на %1 не отговаря на %2.</source>
        <translation>The square of %1 does not fit %2.</translation>
    </message>
    <message>
        <source>Двойка %1: %2 не може да е открита двойка: две еднакви букви никога не стоят в една двойка (между тях се пише X).</source>
        <translation>Pair %1: %2 cannot be a plain pair: two equal letters never stand in one pair (an X is written between them).</translation>
    </message>
    <message>
        <source>Двойка %1: %2 не може да стои под %3: буквата %4 щеше да е своя шифърна буква, а Playfair никога не шифрира буква в самата нея.</source>
        <translation>Pair %1: %2 cannot stand under %3: the letter %4 would be its own cipher letter, and Playfair never encrypts a letter into itself.</translation>
    </message>
    <message>
        <source>Двойка %1: напишете две латински букви или буква и „?“.</source>
        <translation>Pair %1: type two Latin letters, or a letter and &quot;?&quot;.</translation>
    </message>
    <message>
        <source>Буквите в квадрата са латински: на %1 не е поставено нищо.</source>
        <translation>The square&apos;s letters are Latin: nothing was placed in %1.</translation>
    </message>
    <message>
        <source>Двойка %1: догадките се пишат с латински букви.</source>
        <translation>Pair %1: guesses are written in Latin letters.</translation>
    </message>
    <message>
        <source>(от двойка %1)</source>
        <translation>(from pair %1)</translation>
    </message>
    <message>
        <source>(от двойки %1)</source>
        <translation>(from pairs %1)</translation>
    </message>
    <message>
        <source>Двойка %1 (%2) е обратната на двойка %3 (%4), значи се чете обратно: %5.</source>
        <translation>Pair %1 (%2) is the reverse of pair %3 (%4), so it reads the other way round: %5.</translation>
    </message>
    <message>
        <source>и още една</source>
        <translation>and one more</translation>
    </message>
    <message numerus="yes">
        <source>и още %n</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>Следват и други двойки: %1.</source>
        <translation>Other pairs follow too: %1.</translation>
    </message>
    <message>
        <source>В един ред, в този ред: %1</source>
        <translation>In one row, in this order: %1</translation>
    </message>
    <message>
        <source>В един стълб, отгоре надолу: %1</source>
        <translation>In one column, top to bottom: %1</translation>
    </message>
    <message>
        <source>И още една линия: вижте квадрата.</source>
        <translation>And one more line: see the square.</translation>
    </message>
    <message numerus="yes">
        <source>И още %n линии: вижте квадрата.</source>
        <translation>
            <numerusform>And %n more line: see the square.</numerusform>
            <numerusform>And %n more lines: see the square.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 и %2 са в един ред или в един стълб, %2 веднага след %1.</source>
        <translation>%1 and %2 are in one row or one column, %2 right after %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 и %2 са в един ред или в един стълб, %2 на %n места след %1.</source>
        <translation>
            <numerusform>%1 and %2 are in one row or one column, %2 %n place after %1.</numerusform>
            <numerusform>%1 and %2 are in one row or one column, %2 %n places after %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>В двойка %1 буквата „?“ е %2.</source>
        <translation>In pair %1 the letter &quot;?&quot; is %2.</translation>
    </message>
    <message>
        <source>Двойка %1 (%2) е правоъгълник: буквите ѝ са в различни редове и стълбове.</source>
        <translation>Pair %1 (%2) is a rectangle: its letters are in different rows and columns.</translation>
    </message>
    <message>
        <source>Двойка %1 (%2) е в един ред.</source>
        <translation>Pair %1 (%2) is in one row.</translation>
    </message>
    <message>
        <source>Двойка %1 (%2) е в един стълб.</source>
        <translation>Pair %1 (%2) is in one column.</translation>
    </message>
    <message>
        <source>Двойка %1 (%2) е в един ред или в един стълб.</source>
        <translation>Pair %1 (%2) is in one row or one column.</translation>
    </message>
    <message>
        <source>Двойка %1 (%2) не е в един ред.</source>
        <translation>Pair %1 (%2) is not in one row.</translation>
    </message>
    <message>
        <source>Двойка %1 (%2) не е в един стълб.</source>
        <translation>Pair %1 (%2) is not in one column.</translation>
    </message>
    <message>
        <source>Нови разстояния между буквите: вижте парчетата на квадрата.</source>
        <translation>New distances between letters: see the pieces of the square.</translation>
    </message>
    <message>
        <source>Нищо ново не следва от това засега.</source>
        <translation>Nothing new follows from this yet.</translation>
    </message>
    <message>
        <source>Двойка %1</source>
        <translation>Pair %1</translation>
    </message>
    <message>
        <source>Двойки %1–%2</source>
        <translation>Pairs %1–%2</translation>
    </message>
    <message>
        <source>%1: може.</source>
        <translation>%1: it can.</translation>
    </message>
    <message>
        <source>%1: не може, двойка %2 щеше да е от две еднакви букви.</source>
        <translation>%1: it cannot, pair %2 would hold two equal letters.</translation>
    </message>
    <message>
        <source>%1: не може, %2 щеше да е своя шифърна буква (буква %3).</source>
        <translation>%1: it cannot, %2 would be its own cipher letter (letter %3).</translation>
    </message>
    <message>
        <source>%1: не може, двойките на думата си противоречат.</source>
        <translation>%1: it cannot, the word&apos;s pairs contradict each other.</translation>
    </message>
    <message>
        <source>%1: не може, противоречи на %2.</source>
        <translation>%1: it cannot, it contradicts %2.</translation>
    </message>
    <message>
        <source>Още нищо не е известно за квадрата.</source>
        <translation>Nothing is known of the square yet.</translation>
    </message>
    <message>
        <source>Квадратът е пълен.</source>
        <translation>The square is whole.</translation>
    </message>
    <message>
        <source>Буквите от догадките могат да стоят в квадрата само по един начин.</source>
        <translation>The letters of the guesses can stand in the square in one way only.</translation>
    </message>
    <message numerus="yes">
        <source>Буквите от догадките могат да стоят в квадрата по %n начина.</source>
        <translation>
            <numerusform>The letters of the guesses can stand in the square in %n way.</numerusform>
            <numerusform>The letters of the guesses can stand in the square in %n ways.</numerusform>
        </translation>
    </message>
    <message>
        <source>Буквите от догадките могат да стоят в квадрата по повече от %1 начина.</source>
        <translation>The letters of the guesses can stand in the square in more than %1 ways.</translation>
    </message>
    <message>
        <source>Последните редове вървят по азбучен ред</source>
        <translation>The last rows run in alphabetical order</translation>
    </message>
    <message>
        <source>Преместен с %1 реда надолу и %2 колони надясно, квадратът завършва по азбучен ред</source>
        <translation>Moved %1 rows down and %2 columns right, the square ends in alphabetical order</translation>
    </message>
    <message>
        <source>%1: квадратът вероятно е от ключова дума, а ключът е в първите клетки.</source>
        <translation>%1: the square probably comes from a key word, and the key is in the first cells.</translation>
    </message>
    <message>
        <source>%1: квадратът вероятно е от ключова дума. Празните клетки сред тях би трябвало да са %2, по ред.</source>
        <translation>%1: the square probably comes from a key word. The empty cells among them would hold %2, in order.</translation>
    </message>
    <message>
        <source>Ключовата дума е %1.</source>
        <translation>The key word is %1.</translation>
    </message>
    <message>
        <source>Ключовите думи се търсят, щом поне две двойки имат и двете си букви.</source>
        <translation>The key words are looked for once at least two pairs have both their letters.</translation>
    </message>
    <message>
        <source>Търся ключови думи, които отговарят на догадките…</source>
        <translation>Looking for key words that fit the guesses…</translation>
    </message>
    <message>
        <source>Никоя ключова дума от списъците не отговаря на всички догадки.</source>
        <translation>No key word of the lists fits every guess.</translation>
    </message>
    <message>
        <source>Една ключова дума отговаря на догадките.</source>
        <translation>One key word fits the guesses.</translation>
    </message>
    <message numerus="yes">
        <source>%n ключови думи отговарят на догадките, най-добрата първа.</source>
        <translation>
            <numerusform>%n key word fits the guesses.</numerusform>
            <numerusform>%n key words fit the guesses, the best first.</numerusform>
        </translation>
    </message>
    <message>
        <source>Дъската е празна: няма какво да се запази.</source>
        <translation>The board is empty: there is nothing to save.</translation>
    </message>
    <message>
        <source>Двойка %1 (%2) повтаря двойка %3 и също се чете %4.</source>
        <translation>Pair %1 (%2) repeats pair %3 and reads %4 too.</translation>
    </message>
    <message>
        <source>Текстът е на кирилица, а разбиването на ръка работи само с класическия квадрат 5 × 5 от латинските букви, J като I. Шифър на кирилица (квадрат 5 × 6) се разбива в прозореца „Разбиване на шифъра“.</source>
        <translation>The text is in Cyrillic, and breaking by hand works only on the classic 5 × 5 square of Latin letters, J as I. A Cyrillic ciphertext (a 5 × 6 square) is broken in the “Breaking the cipher” window.</translation>
    </message>
    <message>
        <source>В текста има цифри между буквите: той е от квадрат 6 × 6 с буквите и цифрите, а разбиването на ръка работи само с класическия квадрат 5 × 5, J като I. Квадрат 6 × 6 се разбива в прозореца „Разбиване на шифъра“.</source>
        <translation>The text has digits among its letters: it comes from a 6 × 6 square of the letters and digits, and breaking by hand works only on the classic 5 × 5 square, J as I. A 6 × 6 square is broken in the “Breaking the cipher” window.</translation>
    </message>
    <message>
        <source>В текста има J и няма Q: той може да е от квадрата без Q. Разбиването на ръка работи само с класическия квадрат 5 × 5, затова тук J се чете като I; квадрата без Q разбива прозорецът „Разбиване на шифъра“.</source>
        <translation>The text has a J and no Q: it may come from the square without Q. Breaking by hand works only on the classic 5 × 5 square, so here J is read as I; the “Breaking the cipher” window breaks the square without Q.</translation>
    </message>
</context>
<context>
    <name>ClassSetCommand</name>
    <message>
        <source>Комплект %1 е записан в %2.</source>
        <extracomment>What playfair --class-set prints when the file is written.</extracomment>
        <translation>Class set %1 written to %2.</translation>
    </message>
    <message>
        <source>Комплектът не можа да бъде записан в %1.</source>
        <translation>The class set could not be written to %1.</translation>
    </message>
</context>
<context>
    <name>ClassSetPrint</name>
    <message>
        <source>Вариант %1</source>
        <translation>Variant %1</translation>
    </message>
    <message>
        <source>Комплект %1 - шифър Playfair</source>
        <translation>Class set %1 - Playfair cipher</translation>
    </message>
    <message>
        <source>Отговори на комплект %1</source>
        <translation>Answers to class set %1</translation>
    </message>
    <message>
        <source>квадратът е даден</source>
        <translation>the square is given</translation>
    </message>
    <message>
        <source>дадена е само ключовата дума</source>
        <translation>only the key word is given</translation>
    </message>
    <message>
        <source>Един вариант · %1 двойки · %2</source>
        <extracomment>%1 the pairs on the sheet, %2 the kind of sheet.</extracomment>
        <translation>One variant · %1 pairs · %2</translation>
    </message>
    <message>
        <source>%1 варианта · по %2 двойки · %3</source>
        <extracomment>%1 variants, %2 pairs each, %3 the kind of sheet.</extracomment>
        <translation>%1 variants · %2 pairs each · %3</translation>
    </message>
    <message>
        <source>%1 (продължение)</source>
        <translation>%1 (continued)</translation>
    </message>
    <message>
        <source>Комплект %1 · вариант %2 от %3</source>
        <extracomment>On every sheet of a class set: the set&apos;s number, the variant&apos;s and how many there are.</extracomment>
        <translation>Class set %1 · variant %2 of %3</translation>
    </message>
    <message>
        <source>декриптиране</source>
        <translation>decrypt</translation>
    </message>
    <message>
        <source>криптиране</source>
        <translation>encrypt</translation>
    </message>
    <message>
        <source>Вариант %1 · %2 · %3</source>
        <extracomment>In the answer key: the variant, the pupil&apos;s name and the direction.</extracomment>
        <translation>Variant %1 · %2 · %3</translation>
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
        <source>Отваря прозореца за разбиване на ръка, с текста на ФАЙЛ, ако е даден, като шифър.</source>
        <translation>Open the window for breaking by hand, with the text of FILE, if given, as the ciphertext.</translation>
    </message>
    <message>
        <source>Шифрован текст, с --break или --by-hand.</source>
        <translation>A ciphertext, with --break or --by-hand.</translation>
    </message>
    <message>
        <source>--practice, --break и --by-hand отварят различни прозорци: дайте само едното.</source>
        <translation>--practice, --break and --by-hand open different windows: give one of them.</translation>
    </message>
    <message>
        <source>Файлът с имената „%1“ не може да бъде прочетен.</source>
        <translation>The names file &apos;%1&apos; cannot be read.</translation>
    </message>
    <message>
        <source>Файлът с имената „%1“ е по-голям от 1 MB: това не е списък на клас.</source>
        <translation>The names file &apos;%1&apos; is larger than 1 MB: that is no class list.</translation>
    </message>
    <message>
        <source>Във файла с имената „%1“ няма нито едно име.</source>
        <translation>The names file &apos;%1&apos; has no names in it.</translation>
    </message>
    <message>
        <source>--class-set иска брой варианти от 1 до 40, а не „%1“.</source>
        <translation>--class-set takes a number of variants from 1 to 40, not &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--class-set иска --output ФАЙЛ.pdf: файлът, в който да запише комплекта.</source>
        <translation>--class-set needs --output FILE.pdf: the file to write the set to.</translation>
    </message>
    <message>
        <source>--pairs иска брой двойки от 5 до 20, а не „%1“.</source>
        <translation>--pairs takes a number of pairs from 5 to 20, not &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--set-number иска номер от 1 до 999999, а не „%1“.</source>
        <translation>--set-number takes a number from 1 to 999999, not &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--decrypt и --mixed са различни посоки: дайте само едната.</source>
        <translation>--decrypt and --mixed are different directions: give one of them.</translation>
    </message>
    <message>
        <source>Във файла с имената „%1“ има %2 имена, а вариантите са %3: дайте --class-set %2.</source>
        <translation>The names file &apos;%1&apos; has %2 names but the variants are %3: give --class-set %2.</translation>
    </message>
    <message>
        <source>БРОЙ</source>
        <extracomment>The names of the arguments in the help, in capitals.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>ФАЙЛ.pdf</source>
        <translation>FILE.pdf</translation>
    </message>
    <message>
        <source>НОМЕР</source>
        <translation>NUMBER</translation>
    </message>
    <message>
        <source>Записва комплект за класа от БРОЙ варианта (1 до 40) на упражнението в един PDF файл, с отговорите накрая, без да отваря прозорец.</source>
        <translation>Writes a class set of N variants (1 to 40) of the exercise to one PDF file, with the answers at the end, without opening a window.</translation>
    </message>
    <message>
        <source>PDF файлът на комплекта.</source>
        <translation>The class set&apos;s PDF file.</translation>
    </message>
    <message>
        <source>Имената на учениците, по едно на ред, в текстов файл (UTF-8): първите листове са с техните имена, останалите с номера на варианта.</source>
        <translation>The pupils&apos; names, one a line, in a text file (UTF-8): the first sheets carry their names, the others the variant&apos;s number.</translation>
    </message>
    <message>
        <source>Номерът на комплекта (1 до 999999): със същия номер и същия избор се получава същият комплект. Без него се тегли нов номер.</source>
        <translation>The set&apos;s number (1 to 999999): the same number and the same choices give the same set. Without it a new number is drawn.</translation>
    </message>
    <message>
        <source>Всички варианти са за декриптиране.</source>
        <translation>Every variant is for decrypting.</translation>
    </message>
    <message>
        <source>Нечетните варианти са за криптиране, четните за декриптиране.</source>
        <translation>Odd variants are for encrypting, even ones for decrypting.</translation>
    </message>
    <message>
        <source>Двойките на всеки лист, от 5 до 20 (10, ако не е дадено).</source>
        <translation>The pairs on each sheet, 5 to 20 (10 if not given).</translation>
    </message>
    <message>
        <source>В листовете само ключовата дума и празна мрежа вместо квадрата.</source>
        <translation>Sheets with only the key word and an empty grid instead of the square.</translation>
    </message>
    <message>
        <source>--class-set не отваря прозорец: не може заедно с --practice, --break и --by-hand.</source>
        <translation>--class-set opens no window: it cannot go with --practice, --break or --by-hand.</translation>
    </message>
    <message>
        <source>--%1 върви с --class-set.</source>
        <translation>--%1 goes with --class-set.</translation>
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
    <name>Slips</name>
    <message>
        <source>Преди колона 1 идва колона 5 на същия ред.</source>
        <translation>Before column 1 comes column 5 of the same row.</translation>
    </message>
    <message>
        <source>След колона 5 идва колона 1 на същия ред.</source>
        <translation>After column 5 comes column 1 of the same row.</translation>
    </message>
    <message>
        <source>Преди ред 1 идва ред 5 на същата колона.</source>
        <translation>Before row 1 comes row 5 of the same column.</translation>
    </message>
    <message>
        <source>След ред 5 идва ред 1 на същата колона.</source>
        <translation>After row 5 comes row 1 of the same column.</translation>
    </message>
    <message>
        <source>Грешната буква е преписана от дадената двойка.</source>
        <translation>The wrong letter is copied from the given pair.</translation>
    </message>
    <message>
        <source>На мястото на грешната буква стои буквата, която заменя другата буква на двойката.</source>
        <translation>In the wrong letter&apos;s place stands the letter that replaces the pair&apos;s other letter.</translation>
    </message>
    <message>
        <source>Грешната буква е преместена в обратната посока.</source>
        <translation>The wrong letter was moved the wrong way.</translation>
    </message>
    <message>
        <source>Грешната буква не е пренесена през ръба на квадрата.</source>
        <translation>The wrong letter was not carried round the edge of the square.</translation>
    </message>
    <message>
        <source>Грешната буква е намерена по друго правило, не по правилото на двойката.</source>
        <translation>The wrong letter was found by another rule, not by the pair&apos;s rule.</translation>
    </message>
    <message>
        <source>Грешната буква е преместена с две клетки вместо с една.</source>
        <translation>The wrong letter was moved two cells instead of one.</translation>
    </message>
    <message>
        <source>Грешната буква е взета от друг квадрат, не от квадрата на задачата.</source>
        <translation>The wrong letter was taken from another square, not from the task&apos;s square.</translation>
    </message>
    <message>
        <source>Преписали сте дадената двойка %1 без промяна, а всяка буква трябва да се замени по правилото на двойката.</source>
        <translation>You copied the given pair %1 unchanged, but each letter must be replaced by the pair&apos;s rule.</translation>
    </message>
    <message>
        <source>Буквите %1 и %2 са верните, но в обратен ред: първа се пише буквата, която заменя %3, а тя стои в реда на %3.</source>
        <translation>You have the right letters, %1 and %2, in the wrong order: the letter that replaces %3 comes first, and it stands in %3&apos;s row.</translation>
    </message>
    <message>
        <source>Буквите %1 и %2 са верните, но в обратен ред: първа се пише буквата, която заменя %3.</source>
        <translation>You have the right letters, %1 and %2, in the wrong order: the letter that replaces %3 comes first.</translation>
    </message>
    <message>
        <source>%1 и %2 са в един ред, а сте ги преместили надясно: при декриптиране всяка буква се заменя със съседната вляво.</source>
        <translation>%1 and %2 are in one row, and you moved them to the right: decrypting, each letter is replaced by its neighbour on the left.</translation>
    </message>
    <message>
        <source>%1 и %2 са в един ред, а сте ги преместили наляво: при криптиране всяка буква се заменя със съседната вдясно.</source>
        <translation>%1 and %2 are in one row, and you moved them to the left: encrypting, each letter is replaced by its neighbour on the right.</translation>
    </message>
    <message>
        <source>%1 и %2 са в една колона, а сте ги преместили надолу: при декриптиране всяка буква се заменя с буквата над нея.</source>
        <translation>%1 and %2 are in one column, and you moved them down: decrypting, each letter is replaced by the letter above it.</translation>
    </message>
    <message>
        <source>%1 и %2 са в една колона, а сте ги преместили нагоре: при криптиране всяка буква се заменя с буквата под нея.</source>
        <translation>%1 and %2 are in one column, and you moved them up: encrypting, each letter is replaced by the letter below it.</translation>
    </message>
    <message>
        <source>Както и в двойка %1, сте криптирали вместо да декриптирате: при декриптиране редът мести буквите наляво, а колоната – нагоре.</source>
        <translation>As in pair %1, you encrypted instead of decrypting: decrypting, a row moves the letters to the left and a column moves them up.</translation>
    </message>
    <message>
        <source>Както и в двойка %1, сте декриптирали вместо да криптирате: при криптиране редът мести буквите надясно, а колоната – надолу.</source>
        <translation>As in pair %1, you decrypted instead of encrypting: encrypting, a row moves the letters to the right and a column moves them down.</translation>
    </message>
    <message>
        <source>Целият текст е криптиран вместо декриптиран: при декриптиране редът мести буквите наляво, а колоната – нагоре.</source>
        <translation>The whole text was encrypted instead of decrypted: decrypting, a row moves the letters to the left and a column moves them up.</translation>
    </message>
    <message>
        <source>Целият текст е декриптиран вместо криптиран: при криптиране редът мести буквите надясно, а колоната – надолу.</source>
        <translation>The whole text was decrypted instead of encrypted: encrypting, a row moves the letters to the right and a column moves them down.</translation>
    </message>
    <message>
        <source>%1 е на ръба на квадрата и сте я оставили на мястото ѝ.</source>
        <translation>%1 is at the edge of the square, and you left it where it was.</translation>
    </message>
    <message>
        <source>%1 е на края на реда и сте минали на съседния ред.</source>
        <translation>%1 is at the end of the row, and you went on into the next row.</translation>
    </message>
    <message>
        <source>%1 е на края на колоната и сте минали в съседната колона.</source>
        <translation>%1 is at the end of the column, and you went on into the next column.</translation>
    </message>
    <message>
        <source>%1 и %2 са в различни редове и колони, а сте ги преместили по редовете им. В правоъгълник всяка буква се заменя с буквата от своя ред в колоната на другата.</source>
        <translation>%1 and %2 are in different rows and columns, and you moved them along their rows. In a rectangle each letter is replaced by the letter of its own row in the other&apos;s column.</translation>
    </message>
    <message>
        <source>%1 и %2 са в различни редове и колони, а сте ги преместили по колоните им. В правоъгълник всяка буква се заменя с буквата от своя ред в колоната на другата.</source>
        <translation>%1 and %2 are in different rows and columns, and you moved them along their columns. In a rectangle each letter is replaced by the letter of its own row in the other&apos;s column.</translation>
    </message>
    <message>
        <source>%1 и %2 са в един ред, а сте ги разменили като в правоъгълник. В един ред всяка буква се заменя със съседната си в реда.</source>
        <translation>%1 and %2 are in one row, and you swapped them as in a rectangle. In one row each letter is replaced by its neighbour in the row.</translation>
    </message>
    <message>
        <source>%1 и %2 са в една колона, а сте ги разменили като в правоъгълник. В една колона всяка буква се заменя със съседната си в колоната.</source>
        <translation>%1 and %2 are in one column, and you swapped them as in a rectangle. In one column each letter is replaced by its neighbour in the column.</translation>
    </message>
    <message>
        <source>%1 и %2 са в един ред, а сте ги преместили по колоните. В един ред буквите се местят по реда.</source>
        <translation>%1 and %2 are in one row, and you moved them along the columns. In one row the letters move along the row.</translation>
    </message>
    <message>
        <source>%1 и %2 са в една колона, а сте ги преместили по редовете. В една колона буквите се местят по колоната.</source>
        <translation>%1 and %2 are in one column, and you moved them along the rows. In one column the letters move along the column.</translation>
    </message>
    <message>
        <source>%1 и %2 са в един ред и сте преместили всяка с две клетки, а се мести само с една.</source>
        <translation>%1 and %2 are in one row, and you moved each two cells, but a letter moves only one.</translation>
    </message>
    <message>
        <source>%1 и %2 са в една колона и сте преместили всяка с две клетки, а се мести само с една.</source>
        <translation>%1 and %2 are in one column, and you moved each two cells, but a letter moves only one.</translation>
    </message>
    <message>
        <source>Отговорът е от квадрата на азбуката по ред, без ключовата дума. Търсете буквите в квадрата на задачата.</source>
        <translation>The answer comes from the square of the plain alphabet, without the key word. Look the letters up in the task&apos;s square.</translation>
    </message>
    <message>
        <source>Отговорът е от квадрата на друга ключова дума. Търсете буквите в квадрата на задачата.</source>
        <translation>The answer comes from the square of another key word. Look the letters up in the task&apos;s square.</translation>
    </message>
    <message>
        <source>Първата буква, %1, е вярна, втората не е.</source>
        <translation>The first letter, %1, is right; the second is not.</translation>
    </message>
    <message>
        <source>Втората буква, %1, е вярна, първата не е.</source>
        <translation>The second letter, %1, is right; the first is not.</translation>
    </message>
    <message>
        <source>Нито една от двете букви не е вярна.</source>
        <translation>Neither letter is right.</translation>
    </message>
    <message>
        <source>В %1 двете букви са еднакви: между тях се пише X, а двойката е %2.</source>
        <translation>In %1 the two letters are the same: an X goes between them, and the pair is %2.</translation>
    </message>
    <message>
        <source>В %1 пълнителят %2 не е нужен: там буквите не са двойно, а двойката е %3.</source>
        <translation>In %1 the filler %2 is not needed: no letter is doubled there, and the pair is %3.</translation>
    </message>
    <message>
        <source>В %1 пълнителят е %2, а по учебника е X (Q след X): двойката е %3.</source>
        <translation>In %1 the filler is %2, where the textbook writes X (Q after an X): the pair is %3.</translation>
    </message>
    <message>
        <source>Последната буква %1 е останала сама: тя се допълва с X до двойка.</source>
        <translation>The last letter %1 was left alone: an X makes it a pair.</translation>
    </message>
    <message>
        <source>Написано е J: в квадрата няма J и то се брои като I.</source>
        <translation>J is written: the square has no J, and it counts as I.</translation>
    </message>
    <message>
        <source>За двойката %1 в отговора няма нищо.</source>
        <translation>The answer has nothing for the pair %1.</translation>
    </message>
    <message>
        <source>Тези букви на отговора не отговарят на нито една двойка.</source>
        <translation>These letters of the answer belong to no pair of the text.</translation>
    </message>
    <message>
        <source>Пълнителят %1 е изпуснат при четенето, както е прието: това не е грешка.</source>
        <translation>The filler %1 is left out in reading, as is usual: this is no mistake.</translation>
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
        <source>Последните %1 букви, %2, са оставени настрана: без тях откритият текст се чете много по-добре, значи са допълнение след последната двойка, до пълна група от пет.</source>
        <extracomment>%1 counts the letters set aside at the end of the ciphertext, %2 are those letters.</extracomment>
        <translation>The last %1 letters, %2, were set aside: the plaintext reads far better without them, so padding after the last pair that filled up the last group of five.</translation>
    </message>
    <message>
        <source>Последните %1 букви, %2, са оставени настрана: без тях текстът е шифър на Playfair (четен брой букви, нито една двойка от две еднакви букви), значи са допълнение на последната група от пет.</source>
        <extracomment>%1 counts the letters set aside at the end of the ciphertext, %2 are those letters.</extracomment>
        <translation>The last %1 letters, %2, were set aside: without them the text is a Playfair ciphertext (an even count, no pair of two equal letters), so padding that filled up the last group of five.</translation>
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
    <message>
        <source>правоъгълник</source>
        <translation>rectangle</translation>
    </message>
    <message>
        <source>ред %1</source>
        <translation>row %1</translation>
    </message>
    <message>
        <source>ред %1, през края</source>
        <extracomment>The row rule where a letter goes round the edge of the square.</extracomment>
        <translation>row %1, round the edge</translation>
    </message>
    <message>
        <source>колона %1</source>
        <translation>column %1</translation>
    </message>
    <message>
        <source>колона %1, през края</source>
        <extracomment>The column rule where a letter goes round the edge of the square.</extracomment>
        <translation>column %1, round the edge</translation>
    </message>
    <message>
        <source>Постройте квадрата от ключовата дума %1 в празната мрежа: първо буквите на ключовата дума без повторенията, после останалите букви на азбуката (%2) по ред.</source>
        <extracomment>%2 is the alphabet&apos;s name, as &quot;Cyrillic, 30 letters (5 × 6)&quot;.</extracomment>
        <translation>Build the square from the key word %1 in the empty grid: first the letters of the key word without repeats, then the other letters of the alphabet (%2) in order.</translation>
    </message>
</context>
<context>
    <name>ZoomMenu</name>
    <message>
        <source>Мащаб</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Увеличи</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Намали</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Нормален размер</source>
        <translation>Actual Size</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A step of the zoom: %1 is a number such as 150.</extracomment>
        <translation>%1%</translation>
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
        <source> с</source>
        <extracomment>The unit after the time limit&apos;s number: seconds.</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>Спира търсенето; същото прави клавишът Esc.</source>
        <translation>Stops the search; so does the Esc key.</translation>
    </message>
    <message>
        <source>Разбиване на ръка…</source>
        <translation>Break it by hand…</translation>
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
    <message>
        <source>Търсенето спира най-късно след толкова секунди: до един час, за дълго търсене на кратък шифър.</source>
        <translation>The search stops after this many seconds at the latest: up to an hour, for a long hunt on a short ciphertext.</translation>
    </message>
    <message>
        <source>азбука:</source>
        <translation>alphabet:</translation>
    </message>
    <message>
        <source>Азбука на квадрата</source>
        <translation>The square&apos;s alphabet</translation>
    </message>
    <message>
        <source>латиница, J като I (5 × 5)</source>
        <translation>Latin, J as I (5 × 5)</translation>
    </message>
    <message>
        <source>латиница без Q (5 × 5)</source>
        <translation>Latin without Q (5 × 5)</translation>
    </message>
    <message>
        <source>латиница и цифри (6 × 6)</source>
        <translation>Latin and digits (6 × 6)</translation>
    </message>
    <message>
        <source>кирилица (5 × 6)</source>
        <translation>Cyrillic (5 × 6)</translation>
    </message>
    <message>
        <source>„автоматично“: кирилица, ако в текста има кирилски букви; 6 × 6, ако има цифри между буквите; без Q, ако има J и няма Q; иначе класическият квадрат.</source>
        <translation>“automatic”: Cyrillic if the text has Cyrillic letters; 6 × 6 if it has digits among its letters; without Q if it has a J and no Q; otherwise the classic square.</translation>
    </message>
</context>
<context>
    <name>playfair::ByHandWindow</name>
    <message>
        <source>Разбиване на ръка - диграфов шифър, cipher Playfair</source>
        <translation>Breaking by hand - digraph cipher, Playfair cipher</translation>
    </message>
    <message>
        <source>Шифрован текст</source>
        <translation>Ciphertext</translation>
    </message>
    <message>
        <source>Напишете или поставете шифрован текст и натиснете „Нова дъска“…</source>
        <translation>Type or paste a ciphertext and press &quot;New board&quot;…</translation>
    </message>
    <message>
        <source>Нова дъска</source>
        <translation>New board</translation>
    </message>
    <message>
        <source>Урок</source>
        <translation>Lesson</translation>
    </message>
    <message>
        <source>Отмени</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Повтори</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Отвори…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Запази…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>Езикът на текста:</source>
        <translation>The text&apos;s language:</translation>
    </message>
    <message>
        <source>английски</source>
        <translation>English</translation>
    </message>
    <message>
        <source>български</source>
        <translation>Bulgarian</translation>
    </message>
    <message>
        <source>Отвори дъска…</source>
        <translation>Open a board…</translation>
    </message>
    <message>
        <source>Запази дъската…</source>
        <translation>Save the board…</translation>
    </message>
    <message>
        <source>Стъпка от урока</source>
        <translation>Lesson step</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Покажи</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Напред</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Дъска: под всяка шифрована двойка напишете откритата</source>
        <translation>Board: under each cipher pair write the plain pair</translation>
    </message>
    <message>
        <source>Честоти</source>
        <translation>Frequencies</translation>
    </message>
    <message>
        <source>Вероятна дума</source>
        <translation>Probable word</translation>
    </message>
    <message>
        <source>Ключова дума</source>
        <translation>Key word</translation>
    </message>
    <message>
        <source>Дума, която вероятно е в текста, например THE</source>
        <translation>A word probably in the text, such as THE</translation>
    </message>
    <message>
        <source>Постави</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Места на думата</source>
        <translation>The word&apos;s places</translation>
    </message>
    <message>
        <source>Ключови думи</source>
        <translation>Key words</translation>
    </message>
    <message>
        <source>Своя ключова дума</source>
        <translation>A key word of your own</translation>
    </message>
    <message>
        <source>или своя дума</source>
        <translation>or a word of your own</translation>
    </message>
    <message>
        <source>Приложи</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Квадрат</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>Други части на квадрата</source>
        <translation>Other pieces of the square</translation>
    </message>
    <message>
        <source>Какво следва?</source>
        <translation>What next?</translation>
    </message>
    <message>
        <source>Открит текст</source>
        <translation>Plaintext</translation>
    </message>
    <message>
        <source>Думи</source>
        <translation>Words</translation>
    </message>
    <message>
        <source>Изводи</source>
        <translation>Deductions</translation>
    </message>
    <message>
        <source>Двойка %1: обратната ѝ двойка също се среща.</source>
        <translation>Pair %1: its reverse occurs too.</translation>
    </message>
    <message>
        <source>Двойка %1: среща се повече от веднъж.</source>
        <translation>Pair %1: it occurs more than once.</translation>
    </message>
    <message>
        <source>Двойка %1</source>
        <translation>Pair %1</translation>
    </message>
    <message>
        <source>От буква %1: %2</source>
        <translation>From letter %1: %2</translation>
    </message>
    <message>
        <source>Стъпка %1 от %2: %3</source>
        <translation>Step %1 of %2: %3</translation>
    </message>
    <message>
        <source>✓ Готово</source>
        <translation>✓ Done</translation>
    </message>
    <message>
        <source>Разбиване на ръка - Playfair</source>
        <translation>Breaking by hand - Playfair</translation>
    </message>
    <message>
        <source>Отвори дъска</source>
        <extracomment>The open dialog&apos;s title and the kind of file it shows.</extracomment>
        <translation>Open a board</translation>
    </message>
    <message>
        <source>Дъски (*.txt)</source>
        <translation>Boards (*.txt)</translation>
    </message>
    <message>
        <source>Запази дъската</source>
        <extracomment>The save dialog&apos;s title; the file name it proposes; the kind of file.</extracomment>
        <translation>Save the board</translation>
    </message>
    <message>
        <source>дъска-playfair.txt</source>
        <translation>playfair-board.txt</translation>
    </message>
    <message>
        <source>Други части на квадрата:</source>
        <translation>Other pieces of the square:</translation>
    </message>
</context>
<context>
    <name>playfair::ClassSetDialog</name>
    <message>
        <source>Напишете имената на учениците, по едно на ред.</source>
        <translation>Type the pupils&apos; names, one a line.</translation>
    </message>
    <message>
        <source>Имената са %1, а вариантите са най-много %2.</source>
        <translation>There are %1 names, but a set has at most %2 variants.</translation>
    </message>
    <message>
        <source>Изборът не дава комплект.</source>
        <translation>These choices make no set.</translation>
    </message>
    <message>
        <source>Комплект за класа</source>
        <translation>Class set</translation>
    </message>
    <message>
        <source>Брой варианти:</source>
        <translation>Number of variants:</translation>
    </message>
    <message>
        <source>Лист за всеки ученик, с името му (по едно име на ред):</source>
        <translation>A sheet for each pupil, with the pupil&apos;s name (one name a line):</translation>
    </message>
    <message>
        <source>Посока:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>криптиране</source>
        <translation>encrypt</translation>
    </message>
    <message>
        <source>декриптиране</source>
        <translation>decrypt</translation>
    </message>
    <message>
        <source>смесено: нечетните криптират, четните декриптират</source>
        <translation>mixed: odd variants encrypt, even ones decrypt</translation>
    </message>
    <message>
        <source>Двойки на лист:</source>
        <translation>Pairs a sheet:</translation>
    </message>
    <message>
        <source>Лист:</source>
        <translation>Sheet:</translation>
    </message>
    <message>
        <source>квадратът е даден</source>
        <translation>the square is given</translation>
    </message>
    <message>
        <source>само ключовата дума и празна мрежа</source>
        <translation>only the key word and an empty grid</translation>
    </message>
    <message>
        <source>Номер на комплекта:</source>
        <translation>Set number:</translation>
    </message>
    <message>
        <source>Същият номер със същия избор дава същия комплект.</source>
        <translation>The same number with the same choices gives the same set.</translation>
    </message>
    <message>
        <source>Нов номер</source>
        <translation>New number</translation>
    </message>
    <message>
        <source>Запази като PDF…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>Отказ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Един лист и отговорите му, в един PDF файл.</source>
        <translation>One sheet and its answers, in one PDF file.</translation>
    </message>
    <message>
        <source>%1 различни листа и отговорите на всички, в един PDF файл.</source>
        <translation>%1 different sheets and the answers to them all, in one PDF file.</translation>
    </message>
</context>
<context>
    <name>playfair::HandbookWindow</name>
    <message>
        <source>bg</source>
        <extracomment>The folder of the handbook&apos;s pages in the language of this translation: &quot;en&quot; for English.</extracomment>
        <translation>en</translation>
    </message>
    <message>
        <source>„%1“ не е намерено.</source>
        <translation>“%1” was not found.</translation>
    </message>
    <message>
        <source>Ръководство - Playfair</source>
        <translation>Handbook - Playfair</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Напред</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Съдържание</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Търсене в ръководството</source>
        <translation>Search the handbook</translation>
    </message>
    <message>
        <source>Помощ</source>
        <translation>Help</translation>
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
    <message>
        <source>Разбиване на ръка…</source>
        <translation>Break it by hand…</translation>
    </message>
</context>
<context>
    <name>playfair::PairBoard</name>
    <message>
        <source>Двойка %1</source>
        <translation>Pair %1</translation>
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
        <extracomment>%3 names the slip that gave the wrong answer (or the pair&apos;s rule), %4 says how the square marks the cells.</extracomment>
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
    <message>
        <source>Провери текст</source>
        <translation>Check a text</translation>
    </message>
    <message>
        <source>Проверка на текст, криптиран или декриптиран на хартия: всяка двойка се отбелязва като вярна или с грешката ѝ.</source>
        <translation>Checks a text encrypted or decrypted on paper: each pair is marked right or with its mistake.</translation>
    </message>
    <message>
        <source>&amp;Ключова дума:</source>
        <translation>&amp;Key word:</translation>
    </message>
    <message>
        <source>Провери</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Двойка</source>
        <translation>Pair</translation>
    </message>
    <message>
        <source>Вярно</source>
        <translation>Right answer</translation>
    </message>
    <message>
        <source>Отговор</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Оценка</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>&amp;Шифър:</source>
        <translation>&amp;Ciphertext:</translation>
    </message>
    <message>
        <source>&amp;Текст:</source>
        <translation>&amp;Message:</translation>
    </message>
    <message>
        <source>Текст на &amp;ученика:</source>
        <translation>&amp;Pupil&apos;s plaintext:</translation>
    </message>
    <message>
        <source>Шифър на &amp;ученика:</source>
        <translation>&amp;Pupil&apos;s ciphertext:</translation>
    </message>
    <message>
        <source>не се брои</source>
        <translation>not counted</translation>
    </message>
    <message>
        <source>%1 от %2 двойки вярно</source>
        <translation>%1 of %2 pairs right</translation>
    </message>
    <message>
        <source>Ключовата дума няма латински букви.</source>
        <translation>The key word has no Latin letters.</translation>
    </message>
    <message>
        <source>Шифърът няма двойка латински букви.</source>
        <translation>The ciphertext has no pair of Latin letters.</translation>
    </message>
    <message>
        <source>Текстът няма латински букви.</source>
        <translation>The message has no Latin letters.</translation>
    </message>
    <message>
        <source>Отговорът на ученика няма латински букви.</source>
        <translation>The pupil&apos;s answer has no Latin letters.</translation>
    </message>
    <message>
        <source>Напишете ключовата дума, шифъра и текста, който ученикът е получил на хартия, и натиснете „Провери“. Всяка двойка се отбелязва като вярна или с грешката ѝ.</source>
        <translation>Type the key word, the ciphertext and the plaintext the pupil found on paper, and press “Check”. Each pair is marked right or with its mistake.</translation>
    </message>
    <message>
        <source>Напишете ключовата дума, текста и шифъра, който ученикът е получил на хартия, и натиснете „Провери“. Текстът се подготвя по учебника и всяка двойка се отбелязва като вярна или с грешката ѝ.</source>
        <translation>Type the key word, the message and the ciphertext the pupil made on paper, and press “Check”. The message is prepared the textbook way, and each pair is marked right or with its mistake.</translation>
    </message>
    <message>
        <source>Двойка %1: %2</source>
        <translation>Pair %1: %2</translation>
    </message>
    <message>
        <source>Всички двойки са вярни.</source>
        <translation>All pairs are right.</translation>
    </message>
    <message>
        <source>В червено са клетките на грешните букви на отговора.</source>
        <translation>The cells of the answer&apos;s wrong letters are red.</translation>
    </message>
    <message>
        <source>Тази буква остава сама и не се брои.</source>
        <translation>This letter stands alone and is not counted.</translation>
    </message>
    <message>
        <source>Вярно е.</source>
        <translation>It is right.</translation>
    </message>
    <message>
        <source>Тази двойка не е вярна: вижте бележките по-долу.</source>
        <translation>This pair is not right: see the notes below.</translation>
    </message>
    <message>
        <source>Двойка %1: %2 → %3. %4</source>
        <extracomment>The explained row of the text check: its number, the pair, the pupil&apos;s letters, what is wrong.</extracomment>
        <translation>Pair %1: %2 → %3. %4</translation>
    </message>
    <message>
        <source>Изберете ред на таблицата, за да видите грешката на двойката.</source>
        <translation>Select a row of the table to see the pair&apos;s mistake.</translation>
    </message>
    <message>
        <source>преписана без промяна</source>
        <translation>copied unchanged</translation>
    </message>
    <message>
        <source>обратен ред на буквите</source>
        <translation>letters in the wrong order</translation>
    </message>
    <message>
        <source>преместено в обратна посока</source>
        <translation>moved the wrong way</translation>
    </message>
    <message>
        <source>обратната посока</source>
        <translation>the other direction</translation>
    </message>
    <message>
        <source>без пренасяне през ръба</source>
        <translation>not carried round the edge</translation>
    </message>
    <message>
        <source>друго правило</source>
        <translation>the wrong rule</translation>
    </message>
    <message>
        <source>две клетки вместо една</source>
        <translation>two cells instead of one</translation>
    </message>
    <message>
        <source>друг квадрат</source>
        <translation>another square</translation>
    </message>
    <message>
        <source>една буква вярна</source>
        <translation>one letter right</translation>
    </message>
    <message>
        <source>грешно</source>
        <translation>wrong</translation>
    </message>
    <message>
        <source>Комплект за класа…</source>
        <translation>Class set…</translation>
    </message>
    <message>
        <source>Различна задача за всеки ученик и отговорите на всички, в един PDF файл за печат.</source>
        <translation>A different task for each pupil and the answers to them all, in one PDF file to print.</translation>
    </message>
    <message>
        <source>Запази комплекта като PDF</source>
        <translation>Save the class set as PDF</translation>
    </message>
    <message>
        <source>комплект-%1.pdf</source>
        <extracomment>The class set&apos;s file name that the save dialog proposes; %1 is the set&apos;s number.</extracomment>
        <translation>class-set-%1.pdf</translation>
    </message>
    <message>
        <source>Комплектът не можа да бъде записан в %1.</source>
        <translation>The class set could not be written to %1.</translation>
    </message>
    <message>
        <source>&amp;азбука:</source>
        <translation>&amp;alphabet:</translation>
    </message>
    <message>
        <source>Проверката на текст работи на класическия квадрат.</source>
        <translation>The text check works on the classic square.</translation>
    </message>
    <message>
        <source>Отговорите се пишат на кирилица: превключете клавиатурата на кирилица.</source>
        <translation>The answers are written in Cyrillic letters: switch the keyboard to Cyrillic.</translation>
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
    <name>playfair::SquareEditor</name>
    <message>
        <source>ред %1, колона %2</source>
        <translation>row %1, column %2</translation>
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
