#include "alphabetnames.h"

#include <QComboBox>

namespace playfair {

namespace {

QString codeOf(const Alphabet &alphabet)
{
    return QString::fromLatin1(alphabet.code().data(), qsizetype(alphabet.code().size()));
}

} // namespace

QString AlphabetNames::name(const Alphabet &alphabet)
{
    switch (alphabet.id()) {
    case Alphabet::Id::LatinIJ:
        break;
    case Alphabet::Id::LatinQ:
        return tr("латиница без Q (5 × 5)");
    case Alphabet::Id::LatinDigits:
        return tr("латиница и цифри (6 × 6)");
    case Alphabet::Id::Cyrillic:
        return tr("кирилица, 30 букви (5 × 6)");
    }
    return tr("латиница, J като I (5 × 5)");
}

QString AlphabetNames::line(const Alphabet &alphabet)
{
    return tr("Азбука: %1.").arg(name(alphabet));
}

QString AlphabetNames::droppedNote(const Alphabet &alphabet, const QString &dropped)
{
    if (dropped.isEmpty())
        return {};
    switch (alphabet.id()) {
    case Alphabet::Id::LatinQ:
        if (dropped.count(u'Q') == dropped.size())
            return tr("Буквата Q е изпусната от текста: тази азбука е без Q.");
        break;
    case Alphabet::Id::Cyrillic:
        return tr("Латинските букви в текста са пропуснати: квадратът е на кирилица (%1).").arg(dropped);
    case Alphabet::Id::LatinIJ:
    case Alphabet::Id::LatinDigits:
        break;
    }
    return tr("Буквите извън азбуката са пропуснати: %1.").arg(dropped);
}

void AlphabetNames::fill(QComboBox *box)
{
    const auto &all = Alphabet::all();
    if (box->count() != int(all.size())) {
        box->clear();
        for (const Alphabet *alphabet : all)
            box->addItem(name(*alphabet), codeOf(*alphabet));
        return;
    }
    for (int i = 0; i < box->count(); ++i)
        box->setItemText(i, name(*all[std::size_t(i)]));
}

const Alphabet &AlphabetNames::chosenIn(const QComboBox *box)
{
    const QByteArray code = box->currentData().toString().toLatin1();
    const Alphabet *alphabet = Alphabet::byCode(std::string_view(code.constData(), std::size_t(code.size())));
    return alphabet ? *alphabet : Alphabet::classic();
}

void AlphabetNames::choose(QComboBox *box, const Alphabet &alphabet)
{
    const int index = box->findData(codeOf(alphabet));
    if (index >= 0 && index != box->currentIndex())
        box->setCurrentIndex(index);
}

} // namespace playfair
