#include "breaksessionhelpers.h"
#include "helpers.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace playfair;
using namespace playfair::testing;
using analysis::Language;

// What the break session is given: demonstrations, the main window's
// pairs and files, without a window.
class TestBreakInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A demonstration encrypts the text the textbook way on the key word's
    // square or a random one and makes it the input with its key; Cyrillic
    // in the text or the key word is written in Latin letters first, as the
    // Bulgarian statistics are, and the status says so. One with nothing to
    // encrypt is refused and leaves the input as it was.
    void demonstration_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("keyWord");   // "-": a random square
        QTest::addColumn<QString>("encrypted"); // the text in Latin letters, when it is not
        QTest::addColumn<QString>("latinKey");  // the key word in Latin letters, when it is not
        QTest::addColumn<QString>("cipher");
        QTest::addColumn<QString>("status");

        QTest::newRow("a doubled letter split by X: the textbook example")
            << "Hide the gold in the tree stump!" << "Playfair example" << "" << "" << "BM OD ZB XD NA BE KU DM UI XM MO UV IF"
            << pressStart + "\nШифърът има само 26 букви: на толкова кратък текст пасват много квадрати. Ако знаете "
                            "дума от текста, напишете я в „Известна дума“.";
        QTest::newRow("an odd length evened by X, J as I") << "Jumbo" << "playfair example" << "" << "" << "RT IH QE" << "";
        QTest::newRow("a final X evened by Q") << "box" << "PLAYFAIR EXAMPLE" << "" << "" << "DK GW" << "";
        QTest::newRow("XX split by Q") << "x x" << "PLAYFAIR EXAMPLE" << "" << "" << "GW GW" << "";
        QTest::newRow("a random square") << "Attack at dawn" << "-" << "" << "" << "" << "";
        QTest::newRow("Cyrillic among Latin letters is transliterated, and the status says so")
            << "Attack при зори" << "playfair example" << "Attack PRI ZORI" << "" << ""
            << "Кирилицата в текста е написана с латински букви по официалната транслитерация, на която е и "
               "статистиката на българския: „ATTACK PRI ZORI“.";
        QTest::newRow("a Cyrillic text, quoted at its start")
            << "Утре сутринта ще се срещнем на гарата в Пловдив." << "-"
            << "UTRE SUTRINTA SHTE SE SRESHTNEM NA GARATA V PLOVDIV." << "" << ""
            << "Кирилицата в текста е написана с латински букви по официалната транслитерация, на която е и "
               "статистиката на българския: „UTRE SUTRINTA SHTE SE SRESHTNEM NA…“.";
        QTest::newRow("a key word in Cyrillic") << "attack at dawn" << "Родина" << "" << "RODINA" << ""
                                                << "Ключовата дума РОДИНА е написана с латински букви: RODINA.";
        QTest::newRow("a key word with Cyrillic, and a Cyrillic text")
            << "Среща на гарата" << "ключ X" << "SRESHTA NA GARATA" << "KLYUCH X" << ""
            << "Кирилицата в текста е написана с латински букви по официалната транслитерация, на която е и "
               "статистиката на българския: „SRESHTA NA GARATA“.\nКлючовата дума КЛЮЧ X е написана с латински "
               "букви: KLYUCH X.";
        QTest::newRow("refused: no letters") << "12 + 30 = 42" << "-" << "" << "" << "-"
                                             << "Текстът за демонстрация няма нито една буква.";
        QTest::newRow("refused: a key word of spaces") << "attack at dawn" << "  " << "" << "" << "-"
                                                       << "Напишете ключова дума или изберете „случаен квадрат“.";
        QTest::newRow("refused: a key word without letters") << "attack at dawn" << "1234" << "" << "" << "-"
                                                             << "Ключовата дума няма нито една буква.";
    }

    void demonstration()
    {
        QFETCH(QString, text);
        QFETCH(QString, keyWord);
        QFETCH(QString, encrypted);
        QFETCH(QString, latinKey);
        QFETCH(QString, cipher);
        QFETCH(QString, status);

        BreakSession session;
        session.setCiphertext(QStringLiteral("BM OD"));
        QRandomGenerator random(11);
        const std::optional<QString> word = keyWord == QStringLiteral("-") ? std::nullopt : std::optional(keyWord);
        session.demonstrate(text, word, random);

        if (cipher == QStringLiteral("-")) {
            QCOMPARE(session.state(), State::Refused);
            QCOMPARE(session.status(), status);
            QCOMPARE(session.ciphertext(), QStringLiteral("BM OD"));
            QCOMPARE(session.knownSquare(), QString());
            return;
        }
        QCOMPARE(session.state(), State::Idle);
        QRandomGenerator again(11);
        const QString square = word ? Demonstration::keySquare(latinKey.isEmpty() ? *word : latinKey)
                                    : Demonstration::randomSquare(again);
        QCOMPARE(session.knownSquare(), square);
        const Demonstration made = *Demonstration::make(encrypted.isEmpty() ? text : encrypted, square);
        QCOMPARE(session.ciphertext(), pairsOf(made.ciphertext));
        if (!cipher.isEmpty())
            QCOMPARE(session.ciphertext(), cipher);
        if (!status.isEmpty())
            QCOMPARE(session.status(), status);
        QCOMPARE(session.inPlaceNote(), keyKnown);

        // A demonstration waits while a search runs.
        session.setSearchOptions(1, 1);
        QVERIFY(session.start());
        session.demonstrate(QStringLiteral("another text"), std::nullopt, random);
        QCOMPARE(session.ciphertext(), pairsOf(made.ciphertext));
        QCOMPARE(session.state(), State::Searching);
    }

    // The main window's cipher pairs and square, after an Encrypt only, and
    // its key word while the box still holds the one that built the square.
    void fromWorkspace_data()
    {
        QTest::addColumn<bool>("encrypt");
        QTest::addColumn<QString>("keyBox"); // typed after the Encrypt, unless "-"
        QTest::addColumn<QString>("keyWord");
        QTest::newRow("after an Encrypt") << true << "-" << "RODINA";
        QTest::newRow("the key word box edited after it") << true << "monarchy" << "";
        QTest::newRow("edited to a key word of the same square") << true << "rodin" << "rodin";
        QTest::newRow("the box edited to another spelling of the key") << true << "RODINA!" << "RODINA!";
        QTest::newRow("before one") << false << "-" << "";
    }

    void fromWorkspace()
    {
        QFETCH(bool, encrypt);
        QFETCH(QString, keyBox);
        QFETCH(QString, keyWord);
        Workspace ws;
        ws.Form_Load();
        if (encrypt)
            ws = encrypted(QStringLiteral("rodina"), QStringLiteral("send help to the north gate"));
        if (keyBox != QStringLiteral("-"))
            ws.Text2[0] = keyBox;
        const BreakInput input = BreakInput::fromWorkspace(ws);
        QCOMPARE(input.ciphertext, encrypt ? itemsOf(ws.List1[1]) : QString());
        QCOMPARE(input.trueSquare, encrypt ? QStringLiteral("RODINABCEFGHKLMPQSTUVWXYZ") : QString());
        QCOMPARE(input.keyWord, keyWord);
        QVERIFY(input.note.isEmpty());
    }

    // playfair --break FILE: the file's text, or a word on why there is
    // none, which the status line shows first.
    void fromFile_data()
    {
        QTest::addColumn<QString>("name"); // in a scratch folder
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("ciphertext");
        QTest::addColumn<QString>("note");

        QTest::newRow("a ciphertext in groups of five")
            << "cipher.txt" << QByteArray("BMODZ BXDNA\nBEKUD MUIXM\n") << "BMODZ BXDNA\nBEKUD MUIXM\n" << "";
        QTest::newRow("a file that is not there") << "missing.txt" << QByteArray() << ""
                                                  << "Файлът „%1“ не съществува.";
        QTest::newRow("a folder") << "." << QByteArray() << "" << "„%1“ е папка, а не файл с шифрован текст.";
        QTest::newRow("more than 1 MiB") << "big.txt" << QByteArray((1 << 20) + 10, 'A') << QString(1 << 20, u'A')
                                         << "Файлът „%1“ е по-дълъг от 1 MiB: прочетено е само началото му.";
    }

    void fromFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, ciphertext);
        QFETCH(QString, note);

        QTemporaryDir folder;
        const QString path = name == QStringLiteral(".") ? folder.path() : folder.filePath(name);
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const BreakInput input = BreakInput::fromFile(path);
        QCOMPARE(input.ciphertext, ciphertext);
        QCOMPARE(input.note.text(), note.isEmpty() ? QString() : note.arg(path));
        QVERIFY(input.trueSquare.isEmpty());

        BreakSession session;
        session.setInput(input);
        QCOMPARE(session.ciphertext(), ciphertext);
        if (!note.isEmpty())
            QCOMPARE(session.status(), note.arg(path));
        // The note gives way to the prompt once the box is edited.
        session.setCiphertext(QStringLiteral("BM OD ZB XD NA BE KU DM UI XM MO UV IF QR ST UV WX YZ AB CD"));
        QCOMPARE(session.status(), pressStart);
    }
};

QTEST_GUILESS_MAIN(TestBreakInput)
#include "tst_breakinput.moc"
