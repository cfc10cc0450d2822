#include "helpers.h"
#include "workspace/uilanguage.h"
#include "workspace/workspace.h"

#include <QTest>

using namespace playfair;
using namespace playfair::testing;

Q_DECLARE_METATYPE(UiLanguage)

class TestUiLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The language the program starts in, from what the user's environment
    // says: LANGUAGE (a list), LC_ALL, LC_MESSAGES, LANG.
    void fromTheEnvironment_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcMessages");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<UiLanguage>("expected");

        const auto bg = UiLanguage::Bulgarian;
        const auto en = UiLanguage::English;
        QTest::newRow("nothing set") << "" << "" << "" << "" << bg;
        QTest::newRow("C") << "" << "" << "" << "C" << bg;
        QTest::newRow("POSIX") << "" << "POSIX" << "" << "" << bg;
        QTest::newRow("C.UTF-8") << "" << "C.UTF-8" << "" << "" << bg;
        QTest::newRow("an English locale") << "" << "" << "" << "en_US.UTF-8" << en;
        QTest::newRow("a British locale with a modifier") << "" << "" << "" << "en_GB.ISO-8859-15@euro" << en;
        QTest::newRow("a Bulgarian locale") << "" << "" << "" << "bg_BG.UTF-8" << bg;
        QTest::newRow("another language") << "" << "" << "" << "de_DE.UTF-8" << bg;
        QTest::newRow("LC_ALL before LANG") << "" << "en_US.UTF-8" << "" << "bg_BG.UTF-8" << en;
        QTest::newRow("LC_MESSAGES before LANG") << "" << "" << "bg_BG.UTF-8" << "en_US.UTF-8" << bg;
        QTest::newRow("LC_ALL before LC_MESSAGES") << "" << "bg_BG.UTF-8" << "en_GB.UTF-8" << "" << bg;
        QTest::newRow("LANGUAGE English under C.UTF-8") << "en" << "C.UTF-8" << "" << "" << en;
        QTest::newRow("LANGUAGE before the locale") << "en_GB:en" << "" << "" << "bg_BG.UTF-8" << en;
        QTest::newRow("LANGUAGE Bulgarian before English") << "bg:en" << "" << "" << "en_US.UTF-8" << bg;
        QTest::newRow("languages we lack are passed over") << "de:fr:en" << "" << "" << "de_DE.UTF-8" << en;
        QTest::newRow("then the locale decides") << "de:fr" << "" << "" << "en_US.UTF-8" << en;
        QTest::newRow("empty entries in LANGUAGE") << "::en:" << "" << "" << "de_DE.UTF-8" << en;
        QTest::newRow("LANGUAGE left aside under C") << "en" << "C" << "" << "" << bg;
        QTest::newRow("LANGUAGE left aside without a locale") << "en" << "" << "" << "" << bg;
    }

    void fromTheEnvironment()
    {
        QFETCH(QString, language);
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        QFETCH(UiLanguage, expected);
        QCOMPARE(languageOf({language, lcAll, lcMessages, lang}), expected);
    }

    // Showing the explanation in the other language keeps what the Encrypts
    // added after it (the key's length, a line each).
    void theExplanationInTheOtherLanguage_data()
    {
        QTest::addColumn<UiLanguage>("from");
        QTest::addColumn<UiLanguage>("to");
        QTest::addColumn<QString>("after"); // what follows the explanation

        const auto bg = UiLanguage::Bulgarian;
        const auto en = UiLanguage::English;
        QTest::newRow("Bulgarian to English") << bg << en << "";
        QTest::newRow("English to Bulgarian") << en << bg << "";
        QTest::newRow("after two Encrypts") << bg << en << "16\r\n12\r\n";
        QTest::newRow("back, after an Encrypt") << en << bg << "7\r\n";
        QTest::newRow("to the language shown") << en << en << "7\r\n";
    }

    void theExplanationInTheOtherLanguage()
    {
        QFETCH(UiLanguage, from);
        QFETCH(UiLanguage, to);
        QFETCH(QString, after);

        Workspace ws = encrypted(QStringLiteral("RODINA"), QStringLiteral("SEGA"));
        ws.Text1[0] = Workspace::explanation(from) + after;
        Workspace expected = ws;
        expected.Text1[0] = Workspace::explanation(to) + after;
        ws.translateExplanation(to);
        QVERIFY(ws == expected);
    }

    // A text the window did not start with stays as it is.
    void aForeignTextStays()
    {
        Workspace ws;
        ws.Text1[0] = QStringLiteral("16\r\n") + Workspace::explanation(UiLanguage::Bulgarian);
        const QString before = ws.Text1[0];
        ws.translateExplanation(UiLanguage::English);
        QCOMPARE(ws.Text1[0], before);
    }

    // Each explanation is its own text, whole lines with CR LF, and a new
    // workspace starts with the one of the language shown.
    void theExplanations()
    {
        const QString bulgarian = Workspace::explanation(UiLanguage::Bulgarian);
        const QString english = Workspace::explanation(UiLanguage::English);
        QVERIFY(!english.isEmpty() && english != bulgarian);
        QCOMPARE(english.count(QStringLiteral("\r\n")), bulgarian.count(QStringLiteral("\r\n")));
        QVERIFY(english.endsWith(QStringLiteral("\r\n")));
        QVERIFY(!QString(english).remove(QStringLiteral("\r\n")).contains(u'\n'));
        setUiLanguage(UiLanguage::English);
        QCOMPARE(Workspace().Text1[0], english);
        setUiLanguage(UiLanguage::Bulgarian);
        QCOMPARE(Workspace().Text1[0], bulgarian);
    }
};

QTEST_GUILESS_MAIN(TestUiLanguage)
#include "tst_uilanguage.moc"
