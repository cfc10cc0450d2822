// The key-word attack: word lists read as a class would write them, key
// words named by the very square they build, and short classroom
// ciphertexts broken with their key word named, from a list, a phrase of
// two words or letters that form no word. One thread, fixed seeds and no
// system word lists keep it repeatable.

#include "analysis/keywords/keynames.h"
#include "analysis/keywords/keysquares.h"
#include "analysis/keywords/keywordlist.h"
#include "analysis/keywords/keywordsearch.h"
#include "analysis/search/pairtables.h"
#include "analysis/solver.h"
#include "engine/keyedsquare.h"
#include "heldouttext.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <set>
#include <stop_token>

using namespace playfair;
using namespace playfair::analysis;
using namespace std::chrono_literals;

namespace {

SolverOptions classroom(std::uint64_t seed, SquareKind squares = SquareKind::Any)
{
    SolverOptions options;
    options.threads = 1;
    options.seed = seed;
    options.squares = squares;
    options.systemWordLists = false;
    options.timeLimit = 60s; // a safety net: a key word settles the search long before
    return options;
}

QStringList entriesOf(const KeyWordList &list)
{
    QStringList entries;
    for (std::size_t i = 0; i < list.size(); ++i)
        entries << QString::fromStdString(std::string(list.at(i)));
    return entries;
}

} // namespace

class TestKeyWords : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsAWordList_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("entries");

        QTest::newRow("words and phrases, either case")
            << QByteArray("rodina\nSecret  Garden\n") << QStringList{"RODINA", "SECRET GARDEN"};
        QTest::newRow("Cyrillic, transliterated") << QByteArray("Родина\nЩастие\n") << QStringList{"RODINA", "SHTASTIE"};
        QTest::newRow("J kept, for the name") << QByteArray("jazz\n") << QStringList{"JAZZ"};
        QTest::newRow("repeats once, in their first place")
            << QByteArray("moon\nSUN\nMoon\nsun\n") << QStringList{"MOON", "SUN"};
        QTest::newRow("lines with no letters skipped") << QByteArray("\n  \n123 - !\nstar\n\r\n") << QStringList{"STAR"};
        QTest::newRow("a line longer than the key word box skipped")
            << QByteArray(201, 'a') + "\nshort\n" << QStringList{"SHORT"};
        QTest::newRow("Windows line ends, no last line end") << QByteArray("one\r\ntwo") << QStringList{"ONE", "TWO"};
    }

    void readsAWordList()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, entries);
        QCOMPARE(entriesOf(KeyWordList::fromLines(text.toStdString())), entries);

        // The same from a file.
        QTemporaryDir folder;
        const std::string path = (folder.path() + "/words.txt").toStdString();
        std::ofstream(path, std::ios::binary) << text.toStdString();
        auto read = readWordList(path);
        QVERIFY(std::holds_alternative<KeyWordList>(read));
        QCOMPARE(entriesOf(std::get<KeyWordList>(read)), entries);
    }

    void refusesAWordListItCannotRead()
    {
        QTemporaryDir folder;
        const auto missing = readWordList((folder.path() + "/none.txt").toStdString());
        QVERIFY(std::holds_alternative<WordListError>(missing));
        QVERIFY(std::get<WordListError>(missing).message().find("does not exist") != std::string::npos);
        const auto directory = readWordList(folder.path().toStdString());
        QVERIFY(std::holds_alternative<WordListError>(directory));
        QVERIFY(std::get<WordListError>(directory).message().find("is a folder") != std::string::npos);
    }

    void namesTheKeyOfASquare_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("shift");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("inList");

        QTest::newRow("a word of the list") << "WINDOW" << 0 << "WINDOW" << true;
        QTest::newRow("a word, in a shift of its square") << "WINDOW" << 13 << "WINDOW" << true;
        QTest::newRow("the shorter of two words with one square") << "SEES" << 0 << "SEE" << true;
        QTest::newRow("a class's own word first") << "ZYXT" << 0 << "ZYXT" << true;
        QTest::newRow("a phrase of two common words") << "SILVER MOON" << 7 << "SILVER MOON" << true;
        // TH, an ordinal's ending, is a word of the books: OVER TH builds the
        // same square, shorter, but a class writes the commoner phrase.
        QTest::newRow("a phrase spelt the commonest way") << "OVER THE" << 0 << "OVER THE" << true;
        QTest::newRow("letters that form no word") << "QZKV" << 0 << "QZKV" << false;
    }

    void namesTheKeyOfASquare()
    {
        QFETCH(QString, key);
        QFETCH(int, shift);
        QFETCH(QString, name);
        QFETCH(bool, inList);
        const KeyWordList mine = KeyWordList::fromLines("zyxt\n");
        const KeyNamer namer({&mine, &KeyWordSearch::builtInList(Language::English)},
                             {&KeyWordSearch::phraseList(Language::English)});
        const Square square = keySquareOf(key.toStdString());
        const auto named = namer.name(shiftedSquare(square, shift / 5, shift % 5));
        QVERIFY(named.has_value());
        QCOMPARE(QString::fromStdString(named->text), name);
        QCOMPARE(named->inList, inList);
        // The key named builds the key's square, in the program's own way.
        QCOMPARE(squareToText(named->square), squareToText(square));
        QCOMPARE(squareToText(keySquareOf(named->text)), squareToText(square));
    }

    // A key square written in by another route than rows is named with its
    // route, in any shift, a list word or a key's letters alike.
    void namesTheRouteOfASquare_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("route");
        QTest::addColumn<bool>("inList");

        for (SquareRoute route : squareRoutes)
            QTest::addRow("WINDOW by %s", routeCode(route).data()) << "WINDOW" << QString::fromLatin1(routeCode(route)) << true;
        QTest::newRow("letters that form no word, as a spiral") << "QZKV" << "spiral" << false;
        QTest::newRow("letters that form no word, by diagonals") << "QZKV" << "diagonals" << false;
    }

    void namesTheRouteOfASquare()
    {
        QFETCH(QString, key);
        QFETCH(QString, route);
        QFETCH(bool, inList);
        const SquareRoute way = *routeFromCode(route.toStdString());
        const KeyNamer namer({&KeyWordSearch::builtInList(Language::English)}, {});
        const Square square = keySquareOf(key.toStdString(), way);
        const auto named = namer.name(shiftedSquare(square, 3, 1));
        QVERIFY(named.has_value());
        QCOMPARE(QString::fromStdString(named->text), key);
        QCOMPARE(named->inList, inList);
        QCOMPARE(QString::fromLatin1(routeCode(named->route)), route);
        QCOMPARE(squareToText(named->square), squareToText(square));
    }

    void namesNoKeyForARandomSquare()
    {
        Square square;
        QVERIFY(squareFromText("VCRUHKZAXWSIBFTGLDNMOEQYP", square));
        const KeyNamer namer({&KeyWordSearch::builtInList(Language::English)}, {});
        QVERIFY(!namer.name(square).has_value());
    }

    // Letters in neither the ciphertext nor its plaintext may stand anywhere
    // in a found square: the key is named all the same.
    void namesAKeyWhoseSquareDiffersInUnusedLetters()
    {
        const Square key = keySquareOf("WINDOW"); // WINDOABCEFGHKLMPQRSTUVXYZ
        Square found = key;
        std::swap(found[16], found[24]); // Q and Z, say, used nowhere
        const std::uint32_t used = KeyNamer::allLetters & ~(1u << letterNumber('Q')) & ~(1u << letterNumber('Z'));
        const KeyNamer namer({&KeyWordSearch::builtInList(Language::English)}, {});
        const auto named = namer.name(found, used);
        QVERIFY(named.has_value());
        QCOMPARE(named->text, std::string("WINDOW"));
        QCOMPARE(squareToText(named->square), squareToText(key));
        // Had Q and Z been used, the square would be WINDOW's no more.
        const auto strict = namer.name(found);
        QVERIFY(!strict || strict->text != "WINDOW");
    }

    // A key in no list whose letters the text leaves partly unused: the
    // found square may hold those letters anywhere, and the key is still
    // named by its letters.
    void namesLettersThatFormNoWordWhateverTheUnusedLettersDo()
    {
        const Square key = keySquareOf("REMBVIDLY"); // REMBVIDLYACFGHKNOPQSTUWXZ
        Square found = key;
        std::swap(found[4], found[24]); // V, in the key, and Z, both unused
        std::swap(found[20], found[22]); // T and W, unused in the tail
        const std::uint32_t used = KeyNamer::allLetters & ~(1u << letterNumber('V')) & ~(1u << letterNumber('Z'))
            & ~(1u << letterNumber('T')) & ~(1u << letterNumber('W'));
        const KeyName shortest = KeyNamer::shortestKey(shiftedSquare(found, 2, 3), used);
        const std::string &letters = shortest.text;
        const Square &square = shortest.square;
        QCOMPARE(letters.size(), std::size_t(9)); // REMB?IDLY: any unused letter may stand for V
        QCOMPARE(squareToText(keySquareOf(letters)), squareToText(square));
        for (int cell = 0; cell < 25; ++cell) {
            if (used >> key[std::size_t(cell)] & 1)
                QCOMPARE(square[std::size_t(cell)], key[std::size_t(cell)]);
        }
    }

    // While the language is to be found, a key counts by the language its
    // plaintext reads better in, each scored by its own model: an English
    // text's key as well as with English named, a Bulgarian's as with
    // Bulgarian named; once the language is settled, by that one alone. A
    // wrong key's noise gains no more than the better of its two readings.
    void scoresEachKeyInItsOwnLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("keyWord");
        QTest::addColumn<bool>("rightKey");

        QTest::newRow("an English text on its key") << "en" << "WINDOW" << true;
        QTest::newRow("a Bulgarian text on its key") << "bg" << "MLADOST" << true;
        QTest::newRow("an English text on a wrong key") << "en" << "MLADOST" << false;
        QTest::newRow("a Bulgarian text on a wrong key") << "bg" << "WINDOW" << false;
    }

    void scoresEachKeyInItsOwnLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, keyWord);
        QFETCH(bool, rightKey);
        const Language own = language == QLatin1String("bg") ? Language::Bulgarian : Language::English;
        const Language other = own == Language::English ? Language::Bulgarian : Language::English;
        const std::string square = keyedSquare(rightKey ? keyWord.toStdString() : std::string("WINDOW"));
        const testing::CipherCase c = testing::cipherCaseOn(language.toStdString(), 7000, 30, square);
        Square tried{};
        squareFromText(keyedSquare(keyWord.toStdString()), tried);
        const KeyPriors priors = KeyPriors::forKind(SquareKind::Any, KeyWordSearch::phraseCount());
        const double inOwn = KeyWordSearch(c.cipher, own, priors, nullptr).scoreOf(tried, -3);
        const double inOther = KeyWordSearch(c.cipher, other, priors, nullptr).scoreOf(tried, -3);
        KeyWordSearch found(c.cipher, std::nullopt, priors, nullptr);
        QCOMPARE(found.scoreOf(tried, -3), std::max(inOwn, inOther));
        if (rightKey)
            QCOMPARE(found.scoreOf(tried, -3), inOwn);
        std::atomic<int> settled{int(other)};
        found.setSettledLanguage(&settled);
        QCOMPARE(found.scoreOf(tried, -3), inOther);
    }

    void breaksAShortClassroomText_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("squares");
        QTest::addColumn<QString>("named");

        QTest::newRow("a list word, 20 letters") << "en" << "WINDOW" << 20 << int(SquareKind::Any) << "WINDOW";
        QTest::newRow("a Bulgarian word for an English text")
            << "en" << "NEBETO" << 24 << int(SquareKind::Any) << "NEBETO";
        QTest::newRow("a two-word phrase, 30 letters")
            << "en" << "SILVER MOON" << 30 << int(SquareKind::KeyWord) << "SILVER MOON";
        QTest::newRow("letters that form no word, 60 letters")
            << "en" << "XQZVKP" << 60 << int(SquareKind::KeyWord) << "XQZVKP";
        QTest::newRow("Bulgarian text, Bulgarian key word") << "bg" << "MLADOST" << 24 << int(SquareKind::Any) << "MLADOST";
        // The language left to the solver ("?"): a short English text is
        // read as English, even on a Bulgarian key word.
        QTest::newRow("a list word, 20 letters, language found") << "en?" << "WINDOW" << 20 << int(SquareKind::Any) << "WINDOW";
        QTest::newRow("a Bulgarian word for an English text, language found")
            << "en?" << "NEBETO" << 24 << int(SquareKind::Any) << "NEBETO";
        QTest::newRow("a two-word phrase, 30 letters, language found")
            << "en?" << "SILVER MOON" << 30 << int(SquareKind::KeyWord) << "SILVER MOON";
        QTest::newRow("Bulgarian text, language found") << "bg?" << "MLADOST" << 24 << int(SquareKind::Any) << "MLADOST";
    }

    void breaksAShortClassroomText()
    {
        QFETCH(QString, language);
        QFETCH(QString, key);
        QFETCH(int, length);
        QFETCH(int, squares);
        QFETCH(QString, named);
        const std::string square = squareToText(keySquareOf(key.toStdString()));
        const testing::CipherCase c = testing::cipherCaseOn(language.left(2).toStdString(), 7000, std::size_t(length), square);
        SolverOptions options = classroom(7, SquareKind(squares));
        const Language textLanguage = language.startsWith(QLatin1String("bg")) ? Language::Bulgarian : Language::English;
        options.language = textLanguage;
        if (language.endsWith(u'?'))
            options.language.reset();
        const SolverResult result = solve(c.cipher, options);
        QCOMPARE(result.language, textLanguage);
        QCOMPARE(QString::fromStdString(result.plaintext), QString::fromStdString(c.plain));
        QVERIFY(result.keyWord.has_value());
        QCOMPARE(QString::fromStdString(*result.keyWord), named);
        QCOMPARE(result.squareText, square);
        QCOMPARE(result.stopped, StopReason::Confident);
        QCOMPARE(result.confidence, Confidence::KeyWord);
    }

    // The phrases of a common word and any other come in bands of their
    // ranks' product, the likeliest first, each phrase in exactly one band.
    void ordersPhrasesByTheirWordsRanks_data()
    {
        QTest::addColumn<int>("common"); // the first words: the list's commonest
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("perBand");
        QTest::addColumn<QList<int>>("bands"); // empty: only the bands' properties checked

        // Products of 3 words: 1, 2, 2, 3, 3, 4, 6, 6, 9.
        QTest::newRow("three words, two a band") << 3 << 3 << 2 << QList<int>{1, 3, 4, 7, 10};
        QTest::newRow("three words, all in one band") << 3 << 3 << 9 << QList<int>{1, 10};
        QTest::newRow("three words, more than all") << 3 << 3 << 100 << QList<int>{1, 10};
        QTest::newRow("one word") << 1 << 1 << 5 << QList<int>{1, 2};
        // Products of 2 first words and 4 words: 1, 2, 2, 3, 4, 4, 6, 8.
        QTest::newRow("two common words of four, three a band") << 2 << 4 << 3 << QList<int>{1, 3, 5, 9};
        QTest::newRow("forty words, a band each") << 40 << 40 << 1 << QList<int>{};
        QTest::newRow("forty words, seventy a band") << 40 << 40 << 70 << QList<int>{};
        QTest::newRow("ten common words of a thousand, a hundred a band") << 10 << 1000 << 100 << QList<int>{};
        QTest::newRow("a phrase list's size") << 1500 << 1500 << 75000 << QList<int>{};
        QTest::newRow("the common words and every word") << 1500 << 51000 << 75000 << QList<int>{};
    }

    void ordersPhrasesByTheirWordsRanks()
    {
        QFETCH(int, common);
        QFETCH(int, words);
        QFETCH(int, perBand);
        QFETCH(QList<int>, bands);
        const std::vector<std::size_t> found = common == words
            ? KeyWordSearch::phraseBands(std::size_t(words), std::size_t(perBand))
            : KeyWordSearch::phraseBands(std::size_t(common), std::size_t(words), std::size_t(perBand));
        if (!bands.isEmpty()) {
            QList<int> got;
            for (std::size_t band : found)
                got << int(band);
            QCOMPARE(got, bands);
        }
        QCOMPARE(found.front(), std::size_t(1));
        QVERIFY(found.back() > std::size_t(common) * std::size_t(words));
        QVERIFY(std::is_sorted(found.begin(), found.end()));
        QVERIFY(std::adjacent_find(found.begin(), found.end()) == found.end());
        // Each band holds at least `perBand` phrases (but the last), and
        // fewer without the phrases of its largest product. The phrases of
        // a first word fill a run of products, so each band's share of them
        // is counted at once.
        std::vector<std::size_t> inBand(found.size() - 1);
        std::vector<std::size_t> atLargest(found.size() - 1);
        std::vector<std::size_t> largest(found.size() - 1);
        for (std::size_t first = 1; first <= std::size_t(common); ++first) {
            for (std::size_t band = 0; band + 1 < found.size(); ++band) {
                // The second words whose product with the first lies in the band.
                const std::size_t from = (found[band] + first - 1) / first;
                const std::size_t to = std::min(std::size_t(words), (found[band + 1] - 1) / first);
                if (from > to)
                    continue;
                inBand[band] += to - from + 1;
                const std::size_t product = to * first;
                if (product > largest[band]) {
                    largest[band] = product;
                    atLargest[band] = 0;
                }
                atLargest[band] += product == largest[band];
            }
        }
        for (std::size_t band = 0; band + 1 < inBand.size(); ++band) {
            QVERIFY2(inBand[band] >= std::size_t(perBand), qPrintable(QString::number(band)));
            QVERIFY2(inBand[band] - atLargest[band] < std::size_t(perBand), qPrintable(QString::number(band)));
        }
    }

    // A phrase key found from a short classroom text whose language the
    // solver finds: one of the books' pairs, a phrase of two common words,
    // a common word and a rarer one, a Bulgarian phrase. The texts are
    // sentences of the test's own.
    void breaksAPhraseKeyWithTheLanguageUnnamed_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("key");
        // Whether the solver is sure before its limit: a phrase of a rarer
        // word leaves similar squares' plaintexts close behind it, and the
        // search runs on to its limit with it found.
        QTest::addColumn<bool>("sure");

        QTest::newRow("a pair of the books") << "en" << "THE FERRY LEAVES THE HARBOUR AT SEVEN EVERY MORNING AND RETURNS AT NOON"
                                             << 30 << "OPEN SEA" << true;
        QTest::newRow("two common words") << "en" << "WE WALKED ALONG THE SHORE UNTIL THE LIGHTS OF THE TOWN DISAPPEARED"
                                          << 30 << "COLD RIVER" << true;
        QTest::newRow("a common word and a rarer one")
            << "en" << "PLEASE BRING YOUR NOTEBOOKS AND A PENCIL TO THE LIBRARY ON FRIDAY MORNING" << 40
            << "PLACE RESERVED" << false;
        // TELESCOPE is the 11,357th word of the books, and HIS TELESCOPE
        // is no pair of theirs.
        QTest::newRow("a common word and a rare one") << "en" << "WE WALKED ALONG THE SHORE UNTIL THE LIGHTS OF THE TOWN DISAPPEARED"
                                                     << 30 << "HIS TELESCOPE" << true;
        QTest::newRow("a longer common word and a rarer one")
            << "en" << "WE WALKED ALONG THE SHORE UNTIL THE LIGHTS OF THE TOWN DISAPPEARED" << 40
            << "SOMETHING DARKLING" << true;
        QTest::newRow("a Bulgarian phrase") << "bg" << "DNES VALI SNYAG I DETSATA SE PARZALYAT NA PLOSHTADA PRED UCHILISHTETO"
                                            << 30 << "STARA KASHTA" << true;
    }

    void breaksAPhraseKeyWithTheLanguageUnnamed()
    {
        QFETCH(QString, language);
        QFETCH(QString, sentence);
        QFETCH(int, length);
        QFETCH(QString, key);
        QFETCH(bool, sure);
        std::string letters;
        for (QChar c : sentence) {
            if (c != u' ')
                letters += char(c.toLatin1());
        }
        const std::string plain = preparedMessage(letters).substr(0, std::size_t(length));
        const std::string square = squareToText(keySquareOf(key.toStdString()));
        const std::vector<Letter> cipher = testing::lettersOf(transformedPairs(square, plain, +1));
        SolverOptions options = classroom(13);
        std::stop_source stopper;
        if (!sure) {
            // Such a search would run on to its limit with the key found, so
            // it is stopped as soon as its best plaintext is the message; the
            // limit is a safety net for a loaded machine (about 5 s quiet).
            options.timeLimit = 120s;
            options.onProgress = [&](const SolverReport &report) {
                if (report.found && report.plaintext == plain)
                    stopper.request_stop();
            };
        }
        const SolverResult result = solve(cipher, options, stopper.get_token());
        QCOMPARE(result.language, language == u"bg" ? Language::Bulgarian : Language::English);
        QCOMPARE(QString::fromStdString(result.plaintext), QString::fromStdString(plain));
        QCOMPARE(result.squareText, square);
        // The key named builds the very square (another phrase may spell it).
        QVERIFY(result.keyWord.has_value());
        QCOMPARE(squareToText(keySquareOf(*result.keyWord, result.keyRoute)), square);
        if (sure)
            QCOMPARE(result.stopped, StopReason::Confident);
    }

    // A classroom text on a key word written in by any route breaks as fast
    // as one by rows, its key word and route named.
    void breaksAKeyWordOnEveryRoute_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("route");

        for (SquareRoute route : squareRoutes) {
            QTest::addRow("an English text on WINDOW by %s", routeCode(route).data())
                << "en" << "WINDOW" << QString::fromLatin1(routeCode(route));
        }
        QTest::newRow("a Bulgarian text on MLADOST as a snake by columns") << "bg" << "MLADOST" << "column-snake";
    }

    void breaksAKeyWordOnEveryRoute()
    {
        QFETCH(QString, language);
        QFETCH(QString, key);
        QFETCH(QString, route);
        const SquareRoute way = *routeFromCode(route.toStdString());
        const std::string square = squareToText(keySquareOf(key.toStdString(), way));
        const testing::CipherCase c = testing::cipherCaseOn(language.toStdString(), 12000, 40, square);
        const SolverResult result = solve(c.cipher, classroom(9));
        QCOMPARE(QString::fromStdString(result.plaintext), QString::fromStdString(c.plain));
        QCOMPARE(QString::fromStdString(result.keyWord.value_or("")), key);
        QCOMPARE(QString::fromLatin1(routeCode(result.keyRoute)), route);
        QCOMPARE(result.squareText, square);
        QCOMPARE(result.stopped, StopReason::Confident);
    }

    // Every thread takes parts of the lists in turn while the system's word
    // lists are read in the background; the answer is the same.
    void findsTheKeyOnEveryThread()
    {
        const testing::CipherCase c = testing::cipherCaseOn("en", 30000, 30, squareToText(keySquareOf("WINDOW")));
        SolverOptions options = classroom(11);
        options.threads = 0;
        options.systemWordLists = true;
        const SolverResult result = solve(c.cipher, options);
        QCOMPARE(result.plaintext, c.plain);
        QCOMPARE(result.keyWord.value_or(""), std::string("WINDOW"));
    }

    void theProgramsOwnStartExampleBreaksAtOnce()
    {
        // The main window's start texts after Encrypt: key PLAYFAIR EXAMPLE.
        std::vector<Letter> cipher;
        for (char c : std::string("BMZBXDNABEKUDMUIMOEMRU"))
            cipher.push_back(Letter(letterNumber(c)));
        const SolverResult result = solve(cipher, classroom(1));
        QCOMPARE(result.plaintext, std::string("HITHEGOLDINTHETRESRXLN"));
        QCOMPARE(result.keyWord.value_or(""), std::string("PLAYFAIR EXAMPLE"));
        QCOMPARE(result.stopped, StopReason::Confident);
    }

    void aRandomSquareSearchNamesNoKeyWord()
    {
        const testing::CipherCase c = testing::cipherCaseOn("en", 7000, 200, keyedSquare("WINDOW"));
        const SolverResult result = solve(c.cipher, classroom(3, SquareKind::Random));
        QCOMPARE(result.plaintext, c.plain);
        QVERIFY(!result.keyWord.has_value());
        QCOMPARE(result.keyWordsTested, std::uint64_t(0));
    }

    void aLongTextOnAKeySquareIsNamedToo()
    {
        const testing::CipherCase c = testing::cipherCaseOn("en", 20000, 200, keyedSquare("WINDOW"));
        const SolverResult result = solve(c.cipher, classroom(3));
        QCOMPARE(result.plaintext, c.plain);
        QCOMPARE(result.keyWord.value_or(""), std::string("WINDOW"));
        QCOMPARE(result.squareText, keyedSquare("WINDOW"));
    }

    // The book's opening is its table of contents, which reads unlike prose:
    // on so long a text it is trusted all the same, and the search settles.
    void aLongTextThatReadsUnlikeProseSettles()
    {
        const testing::CipherCase c = testing::cipherCaseOn("en", 0, 2000, keyedSquare("WINDOW"));
        const SolverResult result = solve(c.cipher, classroom(2));
        QCOMPARE(result.plaintext, c.plain);
        QCOMPARE(result.stopped, StopReason::Confident);
        QCOMPARE(result.keyWord.value_or(""), std::string("WINDOW"));
        QVERIFY(result.words.rfind("THE TIME MACHINE", 0) == 0);
    }

    // A crib far into a long text: the key-word search scores as far as the
    // crib's place, past the letters it scores on its own.
    void keepsToACribFarIntoALongText()
    {
        const testing::CipherCase c = testing::cipherCaseOn("en", 9000, 600, keyedSquare("WINDOW"));
        SolverOptions options = classroom(6);
        options.crib = c.plain.substr(500, 8);
        options.cribPosition = 500;
        const SolverResult result = solve(c.cipher, options);
        QCOMPARE(result.plaintext, c.plain);
        QCOMPARE(result.keyWord.value_or(""), std::string("WINDOW"));
    }

    void aClassListComesFirst()
    {
        const testing::CipherCase c = testing::cipherCaseOn("en", 7000, 20, keyedSquare("ZOGRAFSKI"));
        SolverOptions options = classroom(5, SquareKind::KeyWord);
        options.wordLists.push_back(KeyWordList::fromLines("Зографски\n"));
        const SolverResult result = solve(c.cipher, options);
        QCOMPARE(result.plaintext, c.plain);
        QCOMPARE(result.keyWord.value_or(""), std::string("ZOGRAFSKI"));
    }

    // A key in no list must explain the text far better than a list word to
    // win: a 16-letter key in no list is one of 10^19, a list word one of
    // 10^5.
    void aLongKeyInNoListPaysForItsOdds()
    {
        const KeyPriors priors = KeyPriors::forKind(SquareKind::Any, KeyWordSearch::phraseCount());
        QVERIFY(priors.keyOfLength[6] > priors.keyOfLength[16] + 10);
        QVERIFY(priors.phrase > priors.keyOfLength[10]);
        QVERIFY(priors.keyOfLength[12] > priors.randomSquare);
        const KeyPriors random = KeyPriors::forKind(SquareKind::Random, 1);
        QVERIFY(random.listWord < -100);
        QCOMPARE(random.randomSquare, priors.randomSquare - std::log10(0.2));
    }

    // The search's own pool of letters builds each key's square as the
    // program's construction does, a phrase placed word by word included.
    void buildsTheProgramsOwnSquare_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("route");

        QTest::newRow("a word") << "PLAYFAIR" << "" << "rows";
        QTest::newRow("a word with J, read as I") << "JIGSAW" << "" << "rows";
        QTest::newRow("a word of repeated letters") << "BOOKKEEPER" << "" << "rows";
        QTest::newRow("a phrase whose second word repeats the first's letters") << "SILVER" << "MOONLIGHT" << "rows";
        QTest::newRow("a second word of letters the first placed") << "SILVER" << "LIVES" << "rows";
        QTest::newRow("the whole alphabet backwards") << "ZYXWVUTSRQPONMLKIHGFEDCBA" << "" << "rows";
        QTest::newRow("the last letter first") << "Z" << "A" << "rows";
        QTest::newRow("no key") << "" << "" << "rows";
        QTest::newRow("by columns") << "GARDEN" << "PARTY" << "columns";
        QTest::newRow("by rows, snaking") << "GARDEN" << "" << "row-snake";
        QTest::newRow("by columns, snaking") << "GARDEN" << "" << "column-snake";
        QTest::newRow("in a spiral") << "GARDEN" << "" << "spiral";
        QTest::newRow("by diagonals") << "GARDEN" << "" << "diagonals";
    }

    void buildsTheProgramsOwnSquare()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, route);
        const std::optional<SquareRoute> way = routeFromCode(route.toStdString());
        QVERIFY(way.has_value());
        KeySquareBuilder builder = KeySquareBuilder::start();
        builder.place(first.toStdString());
        builder.place(second.toStdString());
        const QString cleaned = QString(first + second).replace(QLatin1Char('J'), QLatin1Char('I'));
        const std::string square = keyedSquare(cleaned.toStdString(), *way);
        QCOMPARE(QString::fromStdString(squareToText(squareWrittenIn(builder.finish(), *way))),
                 QString::fromStdString(square));
        QCOMPARE(QString::fromStdString(squareToText(keySquareOf((first + " " + second).toStdString(), *way))),
                 QString::fromStdString(square));
    }

    // A phrase is given up once it cannot come near the best key found so
    // far; the right one, tried after thousands that raise that best, still
    // reaches the pool with its whole score.
    void theEarlyStopKeepsTheRightPhrase_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("second"); // an entry of the language's built-in words
        QTest::addColumn<int>("letters");

        QTest::newRow("an English phrase, 20 letters") << "en" << "SILVER" << 3000 << 20;
        QTest::newRow("an English phrase, 30 letters") << "en" << "HUMAN" << 20000 << 30;
        QTest::newRow("a Bulgarian phrase, 40 letters") << "bg" << "MLADOST" << 8000 << 40;
    }

    void theEarlyStopKeepsTheRightPhrase()
    {
        QFETCH(QString, language);
        QFETCH(QString, first);
        QFETCH(int, second);
        QFETCH(int, letters);
        const Language of = language == QLatin1String("bg") ? Language::Bulgarian : Language::English;
        const KeyWordList &words = KeyWordSearch::builtInList(of);
        const std::string key = first.toStdString() + std::string(words.at(std::size_t(second)));
        const testing::CipherCase c
            = testing::cipherCaseOn(language.toStdString(), 9000, std::size_t(letters), keyedSquare(key));
        const KeyPriors priors = KeyPriors::forKind(SquareKind::Any, KeyWordSearch::phraseCount());
        KeyWordSearch search(c.cipher, std::nullopt, priors, nullptr);
        CandidatePool pool(32);
        const std::atomic<bool> stop{false};
        search.tryCompletions(first.toStdString(), of, 0, words.size(), -9, 2, pool, stop);
        const Square square = keySquareOf(key);
        const auto found = std::find_if(pool.candidates().begin(), pool.candidates().end(),
                                        [&square](const Candidate &candidate) { return candidate.square == square; });
        QVERIFY(found != pool.candidates().end());
        QCOMPARE(found->score, search.scoreOf(square, -9 + priors.route[int(SquareRoute::Rows)]));
    }

    // An entry that places the letters a commoner one does (a letter's
    // repeats once, J as I, what is not a letter skipped) builds the same
    // square after any first word, and is marked to be skipped; the order
    // of the letters counts.
    void marksEntriesThatPlaceACommonerEntrysLetters_data()
    {
        QTest::addColumn<QStringList>("entries"); // the commonest first
        QTest::addColumn<QList<bool>>("repeats");

        QTest::newRow("a letter repeated") << QStringList{"DECAY", "DECAYED"} << QList<bool>{false, true};
        QTest::newRow("the commoner is the longer") << QStringList{"SOON", "SON"} << QList<bool>{false, true};
        QTest::newRow("J as I") << QStringList{"JAM", "IAM"} << QList<bool>{false, true};
        QTest::newRow("the space of a phrase") << QStringList{"HUMAN DECAY", "HUMANDECAY"} << QList<bool>{false, true};
        QTest::newRow("the same letters in another order") << QStringList{"NOTE", "TONE", "ETON"}
                                                           << QList<bool>{false, false, false};
        QTest::newRow("letters more") << QStringList{"HORSE", "HORSEMAN", "HORSESHOE", "HORSEMEN"}
                                      << QList<bool>{false, false, true, false};
    }

    void marksEntriesThatPlaceACommonerEntrysLetters()
    {
        QFETCH(QStringList, entries);
        QFETCH(QList<bool>, repeats);
        KeyWordList list;
        for (const QString &entry : entries)
            list.append(entry.toStdString());
        const std::vector<bool> marked = KeyWordSearch::repeatedPlacings(list);
        QCOMPARE(QList<bool>(marked.begin(), marked.end()), repeats);
        // Each marked entry builds a commoner entry's square after a first word.
        for (std::size_t i = 0; i < marked.size(); ++i) {
            if (!marked[i])
                continue;
            bool built = false;
            for (std::size_t j = 0; j < i; ++j)
                built = built || keySquareOf("THE" + std::string(list.at(j))) == keySquareOf("THE" + std::string(list.at(i)));
            QVERIFY2(built, list.at(i).data());
        }
    }

    // An entry of the system's lists the search skips builds the square of
    // a built-in word it tries, or of an earlier entry of its list it does
    // not skip: no key of the lists is lost.
    void skipsOnlySystemWordsWhoseSquaresAreTriedElsewhere()
    {
        const std::vector<KeyWordList> &lists = SystemWordLists::instance().lists();
        if (lists.empty())
            QSKIP("No word list is installed in /usr/share/dict.");
        const std::vector<std::vector<bool>> &repeats = SystemWordLists::instance().placingRepeats();
        QCOMPARE(repeats.size(), lists.size());
        std::set<Square> builtIn;
        for (Language language : {Language::English, Language::Bulgarian}) {
            const KeyWordList &words = KeyWordSearch::builtInList(language);
            for (std::size_t i = 0; i < words.size(); ++i)
                builtIn.insert(keySquareOf(words.at(i)));
        }
        for (std::size_t l = 0; l < lists.size(); ++l) {
            const KeyWordList &list = lists[l];
            QCOMPARE(repeats[l].size(), list.size());
            std::set<Square> tried = builtIn;
            std::size_t skipped = 0;
            // The first 100,000 entries: the check's cost grows with them.
            for (std::size_t i = 0; i < std::min<std::size_t>(list.size(), 100000); ++i) {
                const Square square = keySquareOf(list.at(i));
                if (repeats[l][i]) {
                    QVERIFY2(tried.count(square), list.at(i).data());
                    ++skipped;
                } else {
                    tried.insert(square);
                }
            }
            QVERIFY(skipped > 0);
        }
    }

    // A phrase whose second word places what a commoner word does is tried
    // once, as the commoner phrase: its key is still found, and named by it.
    void aPhraseOfARepeatedPlacingIsFoundAsTheCommonerPhrase_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("commoner");
        QTest::addColumn<QString>("rarer"); // the key's second word

        QTest::newRow("English, a plural of a letter placed") << "en" << "WHITE" << "HORSE" << "HORSES";
        QTest::newRow("Bulgarian, the article's repeated letters") << "bg" << "NOVA" << "RABOTA" << "RABOTATA";
    }

    void aPhraseOfARepeatedPlacingIsFoundAsTheCommonerPhrase()
    {
        QFETCH(QString, language);
        QFETCH(QString, first);
        QFETCH(QString, commoner);
        QFETCH(QString, rarer);
        const Language of = language == QLatin1String("bg") ? Language::Bulgarian : Language::English;
        const KeyWordList &words = KeyWordSearch::phraseWordList(of);
        const auto rankOf = [&words](const QString &word) {
            for (std::size_t i = 0; i < words.size(); ++i) {
                if (words.at(i) == word.toStdString())
                    return i + 1;
            }
            return std::size_t(0);
        };
        const std::size_t firstRank = rankOf(first);
        const std::size_t commonerRank = rankOf(commoner);
        const std::size_t rarerRank = rankOf(rarer);
        QVERIFY(firstRank > 0 && firstRank <= KeyWordSearch::phraseWords);
        QVERIFY(commonerRank > 0 && commonerRank < rarerRank);
        QVERIFY(KeyWordSearch::phraseWordRepeats(of)[rarerRank - 1]);

        const std::string key = (first + rarer).toStdString();
        const testing::CipherCase c = testing::cipherCaseOn(language.toStdString(), 4000, 30, keyedSquare(key));
        KeyWordSearch search(c.cipher, std::nullopt, KeyPriors::forKind(SquareKind::Any, KeyWordSearch::phraseCount()),
                             nullptr);
        CandidatePool pool(32);
        const std::atomic<bool> stop{false};
        // The bands from the commoner phrase's product to the rarer's.
        search.tryPhrases(of, firstRank * commonerRank, firstRank * rarerRank + 1, pool, stop);
        const Square square = keySquareOf(key);
        QCOMPARE(keySquareOf((first + commoner).toStdString()), square);
        const auto found = std::find_if(pool.candidates().begin(), pool.candidates().end(),
                                        [&square](const Candidate &candidate) { return candidate.square == square; });
        QVERIFY(found != pool.candidates().end());
        QCOMPARE(std::size_t(found->entry), firstRank - 1);
        QCOMPARE(std::size_t(found->second), commonerRank - 1);
    }
};

QTEST_GUILESS_MAIN(TestKeyWords)
#include "tst_keywords.moc"
