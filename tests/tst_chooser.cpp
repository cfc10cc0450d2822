// The finer score that chooses among the searches' plaintexts: the order-5
// letter model tells held-out English from English-looking noise that the
// four-letter sums prefer, the chooser takes the true plaintext from a pool
// where a wrong one has the higher four-letter score, the pool stays bounded
// and distinct, and a plaintext divides into the words a reader would see.

#include "analysis/search/annealer.h"
#include "analysis/search/candidatepool.h"
#include "analysis/search/chooser.h"
#include "analysis/statistics/languagemodel.h"
#include "analysis/statistics/letterstatistics.h"
#include "analysis/search/pairtables.h"
#include "analysis/statistics/wordstatistics.h"
#include "heldouttext.h"

#include <QTest>

#include <algorithm>
#include <optional>
#include <set>

using namespace playfair;
using namespace playfair::analysis;
using playfair::testing::lettersOf;

namespace {

double groupsMean(const std::string &text, Language language = Language::English)
{
    const std::vector<Letter> letters = lettersOf(text);
    return LetterStatistics::of(language).meanLog10(letters.data(), letters.size());
}

double model5(const std::string &text, Language language = Language::English)
{
    const std::vector<Letter> letters = lettersOf(text);
    return LanguageModel::of(language, 5).log10Probability(letters.data(), letters.size());
}

// The letters of each row (or column) of a square, as sets.
std::vector<std::set<Letter>> lineSets(const Square &square, bool byRows)
{
    std::vector<std::set<Letter>> lines;
    for (int line = 0; line < Annealer::rows; ++line) {
        std::set<Letter> letters;
        for (int i = 0; i < Annealer::columns; ++i)
            letters.insert(square[std::size_t(byRows ? Annealer::columns * line + i : Annealer::columns * i + line)]);
        lines.push_back(letters);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::string divided(const std::string &text, Language language)
{
    const std::vector<Letter> letters = lettersOf(text);
    return WordStatistics::of(language).divide(letters.data(), letters.size()).text();
}

} // namespace

class TestChooser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theModelPrefersTheTextToItsPairsSwapped_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("length");

        QTest::newRow("English, 40 letters") << "en" << 3000 << 40;
        QTest::newRow("English, 100 letters") << "en" << 60000 << 100;
        QTest::newRow("Bulgarian in Latin letters, 60 letters") << "bg" << 20000 << 60;
    }

    void theModelPrefersTheTextToItsPairsSwapped()
    {
        QFETCH(QString, language);
        QFETCH(int, offset);
        QFETCH(int, length);
        const Language lang = language == "bg" ? Language::Bulgarian : Language::English;
        const std::string text = preparedMessage(testing::heldOutText(language.toStdString()).substr(std::size_t(offset), std::size_t(length)));
        // Two pairs trade places, as a square one swap from the key gives.
        std::string swapped = text;
        std::swap_ranges(swapped.begin() + 10, swapped.begin() + 12, swapped.begin() + 24);
        QVERIFY(swapped != text);
        QVERIFY(model5(text, lang) > model5(swapped, lang));
    }

    // Wrong readings that the general search ended on, from a book the
    // statistics never saw: each outscores the truth by four-letter sums,
    // and by the order-5 model scores far below it.
    void theModelSeesThroughEnglishLookingNoise_data()
    {
        QTest::addColumn<QString>("truth");
        QTest::addColumn<QString>("wrong");

        QTest::newRow("a garden") << "DNOWFORTHEGARDENANDSHERANWITHALXLSPEEDBA"
                                  << "ADEALESPEREWETHANDTHEREDONORMEANATESIREX";
        QTest::newRow("a pretext") << "IOUSPRETEXTSTHEYALLMOVEDOFFANDALICEWASSO"
                                   << "HORTHINYOULACEADTHANDINDITELXLTHEINTTERD";
        QTest::newRow("a little feeble") << "UTELLUSALXLABOUTITLASTCAMEALITTLEFEXEBLE"
                                         << "HEPRESTHEMINGSHEREINFRENTENIREXENORTHARP";
        QTest::newRow("this morning, but for two pairs")
            << "UPTHISMORNINGBUTITHINKIMUSTHAVEBEXENCHAN" << "UPTHISMORNINGOUTITHINHIMUSTHAVEBEXENTLAN";
    }

    void theModelSeesThroughEnglishLookingNoise()
    {
        QFETCH(QString, truth);
        QFETCH(QString, wrong);
        QVERIFY(groupsMean(wrong.toStdString()) > groupsMean(truth.toStdString()));
        QVERIFY(model5(truth.toStdString()) > model5(wrong.toStdString()) + 3);
    }

    // Every move of the search leaves a square of the 25 letters, each once,
    // changes the cells it is for and keeps what it must: which letters
    // share a row, or a column. A new order is never the old one.
    void everyMoveKeepsTheSquareAPermutation_data()
    {
        QTest::addColumn<int>("move");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<bool>("keepsRows");    // the letters of each row stay together in a row
        QTest::addColumn<bool>("keepsColumns"); // and those of each column in a column
        QTest::addColumn<int>("leastChanged");
        QTest::addColumn<int>("mostChanged");
        QTest::addColumn<int>("onlyRow");       // the one row that may change, or -1

        using M = Annealer::Move;
        QTest::newRow("two letters") << int(M::SwapCells) << 3 << 17 << false << false << 2 << 2 << -1;
        QTest::newRow("two rows") << int(M::SwapRows) << 1 << 3 << true << true << 10 << 10 << -1;
        QTest::newRow("two columns") << int(M::SwapColumns) << 0 << 4 << true << true << 10 << 10 << -1;
        QTest::newRow("transposed") << int(M::Transpose) << 0 << 0 << false << false << 20 << 20 << -1;
        QTest::newRow("top to bottom") << int(M::FlipRows) << 0 << 0 << true << true << 20 << 20 << -1;
        QTest::newRow("left to right") << int(M::FlipColumns) << 0 << 0 << true << true << 20 << 20 << -1;
        QTest::newRow("reversed") << int(M::Reverse) << 0 << 0 << true << true << 24 << 24 << -1;
        QTest::newRow("rows in a new order") << int(M::OrderRows) << 0 << 0 << true << true << 10 << 25 << -1;
        QTest::newRow("columns in a new order") << int(M::OrderColumns) << 0 << 0 << true << true << 10 << 25 << -1;
        QTest::newRow("one row's cells in a new order") << int(M::OrderInRow) << 2 << 0 << true << false << 2 << 5 << 2;
        QTest::newRow("one column's cells in a new order") << int(M::OrderInColumn) << 4 << 0 << false << true << 2 << 5 << -1;
    }

    void everyMoveKeepsTheSquareAPermutation()
    {
        QFETCH(int, move);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(bool, keepsRows);
        QFETCH(bool, keepsColumns);
        QFETCH(int, leastChanged);
        QFETCH(int, mostChanged);
        QFETCH(int, onlyRow);

        Random random(99);
        Square square;
        QVERIFY(squareFromText("PLAYFIREXMBCDGHKNOQSTUVWZ", square));
        // Many times over, since the new orders are drawn at random.
        for (int round = 0; round < 200; ++round) {
            const Square before = square;
            Annealer::applyMove(square, Annealer::Move(move), a, b, random);
            Square sorted = square;
            std::sort(sorted.begin(), sorted.end());
            for (int cell = 0; cell < Annealer::cells; ++cell)
                QCOMPARE(int(sorted[std::size_t(cell)]), cell);
            int changed = 0;
            for (int cell = 0; cell < Annealer::cells; ++cell) {
                if (square[std::size_t(cell)] != before[std::size_t(cell)]) {
                    ++changed;
                    if (onlyRow >= 0)
                        QCOMPARE(cell / Annealer::columns, onlyRow);
                }
            }
            QVERIFY2(changed >= leastChanged && changed <= mostChanged, qPrintable(QString::number(changed)));
            if (keepsRows)
                QVERIFY(lineSets(square, true) == lineSets(before, true));
            if (keepsColumns)
                QVERIFY(lineSets(square, false) == lineSets(before, false));
        }
    }

    // A search that makes only one kind of move ends on a square of the 25
    // letters whose score is the one it reports: a move undone wrongly
    // would leave the square, its letters' cells and the plaintext out of
    // step. A search that climbs the order-5 model for some of its moves
    // still reports, and offers its pool, four-letter scores of the
    // squares it names; so does a tempering run, whose replicas trade
    // squares and scores.
    void aSearchOfEachKindOfMoveEndsWhereItSays_data()
    {
        QTest::addColumn<int>("swapPercent");
        QTest::addColumn<int>("lineOrderPercent");
        QTest::addColumn<int>("inLinePercent");
        QTest::addColumn<int>("modelPercent"); // -1: no finer score at all
        QTest::addColumn<int>("replicas");     // > 0: parallel tempering runs

        QTest::newRow("swaps of two letters only") << 100 << 0 << 0 << -1 << 0;
        QTest::newRow("rows and columns in new orders only") << 0 << 100 << 0 << -1 << 0;
        QTest::newRow("cells of a row or column in new orders only") << 0 << 0 << 100 << -1 << 0;
        QTest::newRow("swaps of rows and columns, flips only") << 0 << 0 << 0 << -1 << 0;
        QTest::newRow("the solver's mix") << -1 << -1 << -1 << -1 << 0;
        QTest::newRow("the mix, ending on the model") << -1 << -1 << -1 << 0 << 0;
        QTest::newRow("the mix, its last half on the model") << -1 << -1 << -1 << 50 << 0;
        QTest::newRow("the mix, all on the model") << -1 << -1 << -1 << 100 << 0;
        QTest::newRow("swaps only, all on the model") << 100 << 0 << 0 << 100 << 0;
        QTest::newRow("tempering of four squares, ending on the model") << -1 << -1 << -1 << 0 << 4;
        QTest::newRow("tempering of three squares, no finer score") << -1 << -1 << -1 << -1 << 3;
    }

    void aSearchOfEachKindOfMoveEndsWhereItSays()
    {
        QFETCH(int, swapPercent);
        QFETCH(int, lineOrderPercent);
        QFETCH(int, inLinePercent);
        QFETCH(int, modelPercent);
        QFETCH(int, replicas);

        const testing::CipherCase c = testing::cipherCase("en", 15000, 60, 6);
        SearchPlan plan = SearchPlan::forLength(60);
        if (swapPercent >= 0) {
            plan.swapPercent = swapPercent;
            plan.lineOrderPercent = lineOrderPercent;
            plan.inLinePercent = inLinePercent;
        }
        plan.movesPerRestart = 20000;
        plan.modelPercent = std::max(modelPercent, 0);
        plan.replicas = replicas;
        plan.exchangeMoves = 1500;
        const GroupScore groups = GroupScore::of(LetterStatistics::of(Language::English));
        const GroupScore model = GroupScore::of(Chooser::model(Language::English));
        Annealer annealer(groups, c.cipher, nullptr, 5);
        if (modelPercent >= 0)
            annealer.setFinish(&model);
        std::atomic<bool> stop{false};
        std::atomic<std::uint64_t> keys{0};
        std::optional<Square> best;
        CandidatePool pool(16);
        for (int restart = 0; restart < 4; ++restart) {
            pool.clear();
            const Annealer::Outcome outcome = replicas > 0 ? annealer.temper(plan, stop, keys, &pool)
                                                           : annealer.restart(plan, best ? &*best : nullptr, stop, keys, &pool);
            QVERIFY(pool.size() > 0);
            for (const Candidate &candidate : pool.candidates())
                QCOMPARE(candidate.score, double(annealer.scoreOf(candidate.square)));
            Square sorted = outcome.square;
            std::sort(sorted.begin(), sorted.end());
            for (int cell = 0; cell < Annealer::cells; ++cell)
                QCOMPARE(int(sorted[std::size_t(cell)]), cell);
            QCOMPARE(annealer.scoreOf(outcome.square), outcome.score);
            best = outcome.square;
        }
        QVERIFY(keys.load() >= 4 * 20000);
    }

    // The general search's own optimum on a 40-letter text outscores the
    // truth by four-letter sums; given both, the chooser takes the truth.
    void theChooserTakesTheTruthFromAPoolOfEnglishLookingNoise()
    {
        const testing::CipherCase c = testing::cipherCase("en", 15000, 40, 6);
        Square truth;
        QVERIFY(squareFromText(c.square, truth));
        const GroupScore groups = GroupScore::of(LetterStatistics::of(Language::English));
        Annealer annealer(groups, c.cipher, nullptr, 3);
        CandidatePool pool(16);
        std::atomic<bool> stop{false};
        std::atomic<std::uint64_t> keys{0};
        Square best{};
        int bestScore = 0;
        for (int restart = 0; restart < 20; ++restart) {
            const Annealer::Outcome outcome = annealer.restart(SearchPlan::forLength(40), nullptr, stop, keys, &pool);
            if (restart == 0 || outcome.score > bestScore) {
                best = outcome.square;
                bestScore = outcome.score;
            }
        }
        std::vector<Letter> plain(40);
        decryptLetters(best, c.cipher.data(), 40, plain.data());
        const std::string wrong = lettersToText(plain.data(), 40);
        QVERIFY2(wrong != c.plain, "the search found the truth: pick a harder text");
        QVERIFY(groupsMean(wrong) > groupsMean(c.plain)); // the four-letter trap

        Candidate right;
        right.square = truth;
        right.plainHash = 1;
        QVERIFY(pool.offer(right) || pool.full());
        const Chooser chooser(Language::English, c.cipher);
        const auto total = [&](const Square &square) { return chooser.judge(square, 0).total; };
        const Candidate *chosen = &pool.candidates().front();
        for (const Candidate &candidate : pool.candidates()) {
            if (total(candidate.square) > total(chosen->square))
                chosen = &candidate;
        }
        if (total(truth) > total(chosen->square))
            chosen = &right;
        decryptLetters(chosen->square, c.cipher.data(), 40, plain.data());
        QCOMPARE(lettersToText(plain.data(), 40), c.plain);
        QVERIFY(total(truth) > total(best));
    }

    void thePoolIsBoundedAndHoldsNoPlaintextTwice()
    {
        const testing::CipherCase c = testing::cipherCase("en", 4000, 60, 9);
        Square square;
        QVERIFY(squareFromText(c.square, square));
        CandidatePool pool(8);
        Random random(4);
        std::vector<Letter> plain(c.cipher.size());
        for (int i = 0; i < 400; ++i) {
            Square offered = square;
            if (i % 3 == 0) // the 25 shifts of a square decrypt alike
                offered = shiftedSquare(square, int(random.below(5)), int(random.below(5)));
            else
                std::swap(offered[random.below(25)], offered[random.below(25)]);
            decryptLetters(offered, c.cipher.data(), c.cipher.size(), plain.data());
            Candidate candidate;
            candidate.square = offered;
            candidate.score = double(random.below(1000));
            candidate.plainHash = plainHash(plain.data(), plain.size());
            pool.offer(candidate);
            QVERIFY(pool.size() <= 8);
        }
        QCOMPARE(pool.size(), std::size_t(8));
        std::vector<std::uint64_t> hashes;
        for (const Candidate &held : pool.candidates())
            hashes.push_back(held.plainHash);
        std::sort(hashes.begin(), hashes.end());
        QVERIFY(std::adjacent_find(hashes.begin(), hashes.end()) == hashes.end());
        // What it keeps is the best it was offered.
        for (const Candidate &held : pool.candidates())
            QVERIFY(held.score >= pool.threshold());
        Candidate low;
        low.score = pool.threshold() - 1;
        low.plainHash = 12345;
        QVERIFY(!pool.offer(low));
    }

    void dividesAPlaintextIntoWords_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("plaintext");
        QTest::addColumn<QString>("words");

        QTest::newRow("the X between doubled letters dropped")
            << "en" << "MEETMEATTHEOLDMILXLAFTERDARK" << "MEET ME AT THE OLD MILL AFTER DARK";
        QTest::newRow("the X that evens a message dropped") << "en" << "MEETMEATTENX" << "MEET ME AT TEN";
        QTest::newRow("J restored where the word has it") << "en" << "IUSTASHEWASABOUTTOGO" << "JUST AS HE WAS ABOUT TO GO";
        QTest::newRow("a book's opening")
            << "en" << "THETIMETRAVELLERFORSOITWILLBECONVENIENTTOSPEAKOFHIM"
            << "THE TIME TRAVELLER FOR SO IT WILL BE CONVENIENT TO SPEAK OF HIM";
        QTest::newRow("letters of no word kept as they stand")
            << "en" << "THEQZXVKWASHERE" << "THE QZXVK WAS HERE";
        QTest::newRow("Bulgarian in Latin letters") << "bg" << "DOBROUTRODETSAKAKSTE" << "DOBRO UTRO DETSA KAK STE";
        QTest::newRow("Bulgarian, a doubled letter split")
            << "bg" << "TOYSEVARNAVKASHTIVECHERTA" << "TOY SE VARNA V KASHTI VECHERTA";
    }

    void dividesAPlaintextIntoWords()
    {
        QFETCH(QString, language);
        QFETCH(QString, plaintext);
        QFETCH(QString, words);
        QCOMPARE(QString::fromStdString(divided(plaintext.toStdString(),
                                                language == "bg" ? Language::Bulgarian : Language::English)),
                 words);
    }

    void wordsScoreATextAboveNoise()
    {
        const WordStatistics &words = WordStatistics::of(Language::English);
        const std::vector<Letter> text = lettersOf("NDERTHEWINDOWSHESUDXDENLYSPREADOUTHERHAN");
        const std::vector<Letter> noise = lettersOf("NFLEDINTHESOMBERAGEOVETOONTHEASOFTERLIST");
        QVERIFY(words.divide(text.data(), text.size()).log10Probability
                > words.divide(noise.data(), noise.size()).log10Probability + 5);
        QVERIFY(words.log10Of("THE").has_value());
        QVERIFY(!words.log10Of("QZXVK").has_value());
    }

    // The models' levels are measured on books they never saw, so that
    // "reads like the language" means what it says.
    void theLevelsStandWhereHeldOutTextStands()
    {
        for (const char *language : {"en", "bg"}) {
            const Language lang = std::string(language) == "bg" ? Language::Bulgarian : Language::English;
            const LanguageModel &model = LanguageModel::of(lang, 5);
            const std::string text = preparedMessage(testing::heldOutText(language).substr(1000, 20000));
            const std::vector<Letter> letters = lettersOf(text);
            const double mean = model.meanLog10(letters.data(), letters.size());
            QVERIFY2(std::abs(mean - model.typicalLog10()) < 0.12, language);
            QVERIFY(model.randomLog10() < model.typicalLog10() - 1);
            const Chooser chooser(lang, letters);
            QVERIFY(chooser.readsLikeTheLanguage(40, lang) < chooser.readsWell(40, lang));
            QVERIFY(chooser.readsWell(40, lang) < model.typicalLog10());
        }
    }
};

QTEST_GUILESS_MAIN(TestChooser)
#include "tst_chooser.moc"
