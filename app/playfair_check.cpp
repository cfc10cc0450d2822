// playfair-check: marks a message a pupil encrypted (or a ciphertext a pupil
// decrypted) on paper, pair by pair, naming the slip behind every wrong pair
// and the slips of the message's preparation, for a teacher marking typed
// homework. The marking is engine/textcheck.h's, as the exercise window's
// "Check a text" does it.
//
// Exit status: 0 when every pair is right and the preparation too, 1 when
// something is wrong, 2 for a wrong command line or an input that cannot be
// marked.

#include "app/breakinput.h"
#include "app/jsontext.h"
#include "app/version.h"
#include "engine/keyedsquare.h"
#include "engine/textcheck.h"

#include <QCommandLineParser>
#include <QStringList>

#include <chrono>
#include <iostream>
#include <sstream>
#include <string>

using namespace playfair;
using playfair::breakcommand::readInput;

namespace {

const char program[] = "playfair-check";

// A person typing a text in gets all the time they need; a pipe or a file
// that does not end within this is given up.
constexpr std::chrono::seconds patience{30};

int fail(const std::string &message)
{
    std::cerr << program << ": " << message << '\n';
    return 2;
}

// The letters that count: A..Z whatever the case, J as I unless `keepJ`.
std::string letters(const std::string &text, bool keepJ)
{
    std::string kept;
    for (char c : text) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        if (c >= 'A' && c <= 'Z')
            kept += c == 'J' && !keepJ ? 'I' : c;
    }
    return kept;
}

std::string slipPhrase(Slip slip)
{
    switch (slip) {
    case Slip::Unchanged:
        return "the given pair copied unchanged";
    case Slip::Order:
        return "the right letters in the wrong order";
    case Slip::Direction:
        return "moved the wrong way along the row or column";
    case Slip::OtherDirection:
        return "worked in the other direction";
    case Slip::NoWrap:
        return "not carried round the edge of the square";
    case Slip::WrongRule:
        return "worked by the wrong rule";
    case Slip::TwoSteps:
        return "moved two cells instead of one";
    case Slip::OtherSquare:
        return "worked on the plain alphabet square";
    case Slip::OneLetter:
        return "one letter right";
    case Slip::Unknown:
        break;
    }
    return "wrong";
}

std::string markOf(const CheckedPair &pair)
{
    if (!pair.slip)
        return "right";
    const SlipFinding &slip = *pair.slip;
    std::string mark = std::string(slipCode(slip.slip)) + ": " + slipPhrase(slip.slip);
    if (slip.slip == Slip::OneLetter) {
        mark += std::string(" (the ") + (slip.rightLetter == 0 ? "first" : "second") + ")";
        if (slip.letterSlip != Slip::Unknown)
            mark += "; the other " + slipPhrase(slip.letterSlip);
    }
    if (pair.answer.empty())
        mark = "unknown: nothing in the answer for it";
    else if (pair.expected.empty() && pair.given.size() == 2)
        mark = "unknown: two equal letters, which no rule takes";
    else if (pair.expected.empty())
        mark = "unknown: answer letters for no pair of the text";
    return mark;
}

std::string notePhrase(const PreparationNote &note, const CheckedPair *pair)
{
    const std::string letter(1, note.letter ? note.letter : '?');
    const std::string given = pair ? pair->given : std::string();
    const std::string textbook = pair && !pair->textbook.empty() ? pair->textbook : std::string("?");
    switch (note.slip) {
    case PreparationSlip::MissingFiller:
        return "the doubled " + letter + " needs an X between its letters: the pair is " + textbook + ".";
    case PreparationSlip::NeedlessFiller:
        return "the filler " + letter + " in " + given + " is needed nowhere here: the pair is " + textbook + ".";
    case PreparationSlip::WrongFiller:
        return "the filler is " + letter + ", where the textbook writes X (Q after an X): the pair is " + textbook + ".";
    case PreparationSlip::OddEndAlone:
        return "the last letter " + letter + " is left alone: an X makes it a pair.";
    case PreparationSlip::JKept:
        return "J written: the square has no J, and it counts as I.";
    case PreparationSlip::MissingPair:
        return "the answer has nothing for the pair " + given + ".";
    case PreparationSlip::ExtraPair:
        return "these letters of the answer belong to no pair of the text.";
    case PreparationSlip::FillerLeftOut:
        break;
    }
    return "the filler " + letter + " left out in reading, as is usual: no mistake.";
}

bool isMistake(const PreparationNote &note)
{
    return note.slip != PreparationSlip::FillerLeftOut && note.slip != PreparationSlip::JKept;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Marks a Playfair message worked on paper, pair by pair, and names the slip behind every wrong\n"
        "pair. Only letters count (J as I); all else is skipped. Exit status 0 when all is right, 1 when\n"
        "something is wrong, 2 for bad input."));
    const QCommandLineOption key(QStringLiteral("key"), QStringLiteral("The key word that makes the square."),
                                 QStringLiteral("KEY"));
    const QCommandLineOption message(QStringLiteral("message"),
                                     QStringLiteral("The message from FILE (- for standard input); with --decrypt, "
                                                    "the ciphertext."),
                                     QStringLiteral("FILE"));
    const QCommandLineOption answer(QStringLiteral("answer"),
                                    QStringLiteral("The pupil's ciphertext from FILE (- for standard input); with "
                                                   "--decrypt, the pupil's plaintext."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption decrypt(QStringLiteral("decrypt"),
                                     QStringLiteral("The pupil decrypted the message instead of encrypting it."));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print the result as one JSON object."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Display this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Display the version and exit."));
    parser.addOptions({key, message, answer, decrypt, json, help, version});

    QString helpText = parser.helpText();
    helpText.replace(0, helpText.indexOf(QLatin1String(" [options]")), QStringLiteral("Usage: ") + QLatin1String(program));

    if (!parser.parse(arguments)) {
        std::cerr << program << ": " << parser.errorText().toStdString() << '\n' << helpText.toStdString();
        return 2;
    }
    if (parser.isSet(help)) {
        std::cout << helpText.toStdString();
        return 0;
    }
    if (parser.isSet(version)) {
        std::cout << versionText(program);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail("give the texts with --message and --answer, not as '"
                    + parser.positionalArguments().first().toStdString() + "'.");
    for (const QCommandLineOption *needed : {&key, &message, &answer}) {
        if (!parser.isSet(*needed))
            return fail("--" + needed->names().first().toStdString() + " is needed.");
    }
    const bool decrypting = parser.isSet(decrypt);
    const std::string keyText = parser.value(key).toStdString();
    const std::string cleanedKey = letters(keyText, false);
    if (cleanedKey.empty())
        return fail("--key '" + keyText + "': the key has no letters (A to Z).");
    const std::string messagePath = parser.value(message).toLocal8Bit().toStdString();
    const std::string answerPath = parser.value(answer).toLocal8Bit().toStdString();
    if (messagePath == "-" && answerPath == "-")
        return fail("only one of --message and --answer can be read from standard input.");

    std::string texts[2];
    const std::string paths[2] = {messagePath, answerPath};
    const char *const names[2] = {"--message", "--answer"};
    const char *const whats[2] = {decrypting ? "ciphertext" : "message", decrypting ? "plaintext" : "ciphertext"};
    for (int i = 0; i < 2; ++i) {
        if (const std::optional<std::string> error = readInput(program, paths[i], patience, texts[i], whats[i]))
            return fail(std::string(names[i]) + ": " + *error);
        if (texts[i].find('\0') != std::string::npos)
            return fail(std::string(names[i]) + ": the input is binary, not a text.");
    }
    const std::string text = letters(texts[0], false);
    const std::string pupil = letters(texts[1], true);
    if (text.empty() || (decrypting && text.size() < 2))
        return fail(std::string("--message: the ") + whats[0] + " has no " + (decrypting ? "pair of letters" : "letters")
                    + " (A to Z).");
    if (pupil.empty())
        return fail(std::string("--answer: the ") + whats[1] + " has no letters (A to Z).");

    const std::string square = keyedSquare(cleanedKey);
    const TextCheck check = checkText(square, text, pupil, decrypting ? -1 : +1);
    bool mistakes = check.right != check.total;
    for (const PreparationNote &note : check.preparation)
        mistakes = mistakes || isMistake(note);

    std::ostringstream out;
    if (parser.isSet(json)) {
        out << "{\"pairs\": [";
        bool first = true;
        for (const CheckedPair &pair : check.pairs) {
            if (!pair.counted)
                continue;
            out << (first ? "" : ", ") << "{\"given\": " << jsonString(pair.given)
                << ", \"expected\": " << jsonString(pair.expected) << ", \"answer\": " << jsonString(pair.answer)
                << ", \"right\": " << (pair.right() ? "true" : "false") << ", \"mistake\": "
                << (pair.slip ? jsonString(std::string(slipCode(pair.slip->slip))) : std::string("null")) << "}";
            first = false;
        }
        out << "], \"preparation\": [";
        first = true;
        for (const PreparationNote &note : check.preparation) {
            const CheckedPair *pair = note.pair >= 0 ? &check.pairs[std::size_t(note.pair)] : nullptr;
            const bool numbered = pair && pair->counted;
            out << (first ? "" : ", ") << "{\"kind\": " << jsonString(std::string(preparationCode(note.slip)))
                << ", \"pair\": " << (numbered ? std::to_string(note.pair + 1) : std::string("null"))
                << ", \"wrong\": " << (isMistake(note) ? "true" : "false")
                << ", \"note\": " << jsonString(notePhrase(note, pair)) << "}";
            first = false;
        }
        out << "], \"right\": " << check.right << ", \"total\": " << check.total << "}\n";
    } else {
        out << "Key word: " << cleanedKey << "\nSquare:";
        for (int row = 0; row < 5; ++row)
            out << ' ' << square.substr(std::size_t(5 * row), 5);
        out << "\n\n" << (decrypting ? "Pair  Cipher  Plain  Answer  Mark\n" : "Pair  Given  Cipher  Answer  Mark\n");
        for (std::size_t i = 0; i < check.pairs.size(); ++i) {
            const CheckedPair &pair = check.pairs[i];
            std::string number = std::to_string(i + 1);
            const auto column = [](const std::string &s, std::size_t width) {
                const std::string shown = s.empty() ? std::string("-") : s;
                return shown + std::string(width > shown.size() ? width - shown.size() : 1, ' ');
            };
            out << column(number, 6) << column(pair.given, decrypting ? 8 : 7)
                << column(pair.expected, decrypting ? 7 : 8) << column(pair.answer, 8)
                << (pair.counted ? markOf(pair) : std::string("not counted: a single letter")) << '\n';
        }
        if (!check.preparation.empty()) {
            out << "\nPreparation:\n";
            for (const PreparationNote &note : check.preparation) {
                const CheckedPair *pair = note.pair >= 0 ? &check.pairs[std::size_t(note.pair)] : nullptr;
                out << "  " << (pair ? "pair " + std::to_string(note.pair + 1) + ": " : std::string())
                    << notePhrase(note, pair) << '\n';
            }
        }
        out << "\nScore: " << check.right << " of " << check.total << " pairs right\n";
    }
    std::cout << out.str();
    return mistakes ? 1 : 0;
}
