// The English translation against the program's texts. lupdate reads the
// sources as scripts/update-translations has it do (into a file of the
// test's own), and every text it finds must have its English, finished, in
// translations/playfair_en.ts; and every Bulgarian text in the sources must
// be one lupdate finds, that is, passed to tr() or marked for it. A new
// Bulgarian text cannot slip past either.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

struct Message
{
    QString context;
    QString source;
    QString comment; // the disambiguation, which tells equal sources apart
    QString type;    // "unfinished", "obsolete", "vanished" or empty
    QStringList translations; // one, or one per plural form
    QStringList files;        // where it is used, when lupdate was asked
};

QString keyOf(const Message &m)
{
    return m.context + u'\x1f' + m.source + u'\x1f' + m.comment;
}

// The messages of a Qt Linguist file, by context, source and disambiguation.
QMap<QString, Message> readTs(const QString &path)
{
    QMap<QString, Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Cannot read %s", qPrintable(path));
    const QDir folder = QFileInfo(path).absoluteDir();
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == u"name")
                context = xml.readElementText();
            else if (name == u"message")
                message = Message{context, {}, {}, {}, {}, {}};
            else if (name == u"source")
                message.source = xml.readElementText();
            else if (name == u"comment")
                message.comment = xml.readElementText();
            else if (name == u"location")
                message.files << QFileInfo(folder.absoluteFilePath(xml.attributes().value(QLatin1String("filename")).toString()))
                                     .canonicalFilePath();
            else if (name == u"translation")
                message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (name == u"translation" && xml.readNext() == QXmlStreamReader::Characters && !xml.isWhitespace())
                message.translations << xml.text().toString();
            else if (name == u"numerusform")
                message.translations << xml.readElementText();
        } else if (xml.isEndElement() && xml.name() == u"message") {
            messages.insert(keyOf(message), message);
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return messages;
}

// The program's texts as lupdate finds them, with the files they are in.
const QMap<QString, Message> &usedTexts()
{
    static const QMap<QString, Message> used = [] {
        QTemporaryDir folder;
        const QString ts = folder.filePath(QStringLiteral("used.ts"));
        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(PLAYFAIR_SOURCE_DIR));
        lupdate.start(QStringLiteral(PLAYFAIR_LUPDATE),
                      QStringList{QStringLiteral("-locations"), QStringLiteral("absolute"), QStringLiteral("-I"),
                                  QStringLiteral(PLAYFAIR_SOURCE_DIR)}
                          + QStringLiteral(PLAYFAIR_TRANSLATED_FOLDERS).split(u',')
                          + QStringList{QStringLiteral("-ts"), ts});
        if (!lupdate.waitForFinished(120'000) || lupdate.exitCode() != 0)
            qFatal("lupdate failed: %s", lupdate.readAllStandardError().constData());
        return readTs(ts);
    }();
    return used;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%L?(\\d+|n)"));
    QStringList found;
    for (const QRegularExpressionMatch &match : marker.globalMatch(text))
        found << match.captured(1);
    found.sort();
    return found;
}

bool hasCyrillic(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x400 && c.unicode() < 0x530; });
}

struct Literal
{
    int line = 0;
    QString text;
};

// The string literals of a C++ source, comments and character literals left
// out, with the simple escapes undone.
QList<Literal> literalsOf(const QString &code)
{
    QList<Literal> literals;
    int line = 1;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == u'\n') {
            ++line;
        } else if (code.mid(i, 2) == u"//") {
            i = code.indexOf(u'\n', i) - 1;
            if (i < 0)
                break;
        } else if (code.mid(i, 2) == u"/*") {
            const qsizetype end = code.indexOf(QStringLiteral("*/"), i + 2);
            line += int(code.mid(i, end - i).count(u'\n'));
            i = end + 1;
        } else if (c == u'"' || c == u'\'') {
            Literal literal{line, {}};
            for (++i; i < code.size() && code[i] != c; ++i) {
                if (code[i] == u'\\' && i + 1 < code.size()) {
                    const QChar escaped = code[++i];
                    literal.text += escaped == u'n' ? QChar(u'\n') : escaped;
                } else {
                    literal.text += code[i];
                }
            }
            if (c == u'"')
                literals << literal;
        }
    }
    return literals;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

    QMap<QString, Message> m_english;

private Q_SLOTS:
    void initTestCase()
    {
        m_english = readTs(QStringLiteral(PLAYFAIR_SOURCE_DIR "/translations/playfair_en.ts"));
        QVERIFY(!usedTexts().isEmpty());
    }

    // Each text the program passes to tr() or marks for it, by context.
    void everyTextHasItsEnglish_data()
    {
        QTest::addColumn<QString>("key");
        for (const Message &m : usedTexts())
            QTest::newRow(qPrintable(m.context + QStringLiteral(": ") + m.source.left(60).replace(u'\n', u' '))) << keyOf(m);
    }

    void everyTextHasItsEnglish()
    {
        QFETCH(QString, key);
        const Message used = usedTexts().value(key);
        QVERIFY2(m_english.contains(key), "not in translations/playfair_en.ts: run scripts/update-translations");
        const Message english = m_english.value(key);
        QVERIFY2(english.type.isEmpty(), qPrintable(QStringLiteral("marked %1 in the English file").arg(english.type)));
        QVERIFY(!english.translations.isEmpty());
        for (const QString &translation : english.translations) {
            QVERIFY2(!translation.trimmed().isEmpty(), "an empty translation");
            QVERIFY2(!hasCyrillic(translation), qPrintable(translation));
            QCOMPARE(placeholders(translation), placeholders(used.source));
        }
    }

    // Each Bulgarian string literal of the translated folders, by place.
    void everyBulgarianTextIsTranslated_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("text");
        const QDir root(QStringLiteral(PLAYFAIR_SOURCE_DIR));
        for (const QString &folder : QStringLiteral(PLAYFAIR_TRANSLATED_FOLDERS).split(u',')) {
            QDirIterator files(root.filePath(folder), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                               QDirIterator::Subdirectories);
            while (files.hasNext()) {
                QFile file(files.next());
                QVERIFY(file.open(QIODevice::ReadOnly));
                for (const Literal &literal : literalsOf(QString::fromUtf8(file.readAll()))) {
                    if (hasCyrillic(literal.text))
                        QTest::addRow("%s:%d", qPrintable(root.relativeFilePath(file.fileName())), literal.line)
                            << QFileInfo(file).canonicalFilePath() << literal.text;
                }
            }
        }
    }

    void everyBulgarianTextIsTranslated()
    {
        QFETCH(QString, file);
        QFETCH(QString, text);
        const bool marked = std::any_of(usedTexts().begin(), usedTexts().end(), [&](const Message &m) {
            return m.files.contains(file) && m.source.contains(text);
        });
        QVERIFY2(marked, qPrintable(QStringLiteral("\"%1\" is not passed to tr() or marked for it").arg(text)));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
