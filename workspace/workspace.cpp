#include "workspace.h"

#include "engine/playfair.h"

#include <QFile>

namespace playfair {

Workspace::Workspace()
    : Text2{QStringLiteral("PLAYFAIR EXAMPLE"), QStringLiteral("HITHEGOLDINTHETRESRXLN")}
    , Text1{explanation()}
{
}

namespace {

QString embeddedText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("The embedded explanation text %s is missing from the build.", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

} // namespace

QString Workspace::explanation()
{
    return explanation(uiLanguage());
}

QString Workspace::explanation(UiLanguage language)
{
    // Embedded at build time from workspace/explanation.txt and
    // workspace/explanation.en.txt (UTF-8, CR LF), each read when first shown.
    if (language == UiLanguage::English) {
        static const QString english = embeddedText(QStringLiteral(":/playfair/explanation.en.txt"));
        return english;
    }
    static const QString bulgarian = embeddedText(QStringLiteral(":/playfair/explanation.txt"));
    return bulgarian;
}

void Workspace::translateExplanation(UiLanguage language)
{
    for (const UiLanguage from : {UiLanguage::Bulgarian, UiLanguage::English}) {
        const QString old = explanation(from);
        if (Text1[0].startsWith(old)) {
            Text1[0].replace(0, old.size(), explanation(language));
            return;
        }
    }
}

void Workspace::ResetWorkspace()
{
    quint8 cell = 0;
    for (int code = 1; code <= 26; ++code) {
        const QChar letter(64 + code);
        if (letter != u'J')
            Label3[cell++] = letter;
    }
    List1[0].Clear();
    List1[1].Clear();
}

void Workspace::Form_Load()
{
    ResetWorkspace();
}

void Workspace::Command1_Click(qint16 index)
{
    switch (index) {
    case 0:
        SplitDigraphs(*this);
        EncryptDigraphs(*this);
        DecryptDigraphs(*this);
        break;
    case 1:
        ResetWorkspace();
        for (qint16 box = 0; box <= 1; ++box)
            Text2[box].clear();
        break;
    default:
        break;
    }
}

void Workspace::List1_Click(qint16 index)
{
    if (index < 0 || index >= qint16(List1.size()))
        return;
    const qint16 selection = List1[index].ListIndex();
    // Only selections below a list's count are set, so a list with too few
    // items keeps its own, and -1 clears every list. Setting a selection from
    // here never runs List1_Click again, so there is no cascade to end.
    for (ItemList &list : List1) {
        if (selection < list.ListCount())
            list.SetListIndex(selection);
    }
}

void Workspace::SelectItem(qint16 index, qint16 row)
{
    if (index < 0 || index >= qint16(List1.size()))
        return;
    if (row < -1 || row >= List1[index].ListCount())
        return;
    List1[index].SetListIndex(row);
    List1_Click(index);
}

} // namespace playfair
