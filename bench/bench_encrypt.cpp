// The Encrypt chain on the workspace alone, without a window: Form_Load, a key
// word and a 40-letter message in Text2, then Command1_Click(0), timed one
// Encrypt at a time. Each Encrypt starts from a fresh copy of the prepared
// workspace, because every Encrypt appends a trace line to Text1[0] and the
// copy keeps the figures at the steady state of one press.
//
//     bench_encrypt [--header] [iterations]      (default 20000)
//
// Prints Markdown table rows (with --header, the table head first).

#include "benchutil.h"

#include "engine/playfair.h"
#include "workspace/workspace.h"

#include <cstring>

namespace {

using namespace playfair::bench;

constexpr char keyWord[] = "PLAYFAIR EXAMPLE";
constexpr char message[] = "HIDETHEGOLDINTHETREESTUMPNEARTHEOLDMILLS";
static_assert(sizeof message - 1 == 40, "a 40-letter message, as long as the message box takes");

} // namespace

int main(int argc, char **argv)
{
    const bool header = argc > 1 && std::strcmp(argv[1], "--header") == 0;
    const int iterations = header ? iterationsFrom(argc - 1, argv + 1, 20000) : iterationsFrom(argc, argv, 20000);

    playfair::Workspace prepared;
    prepared.Form_Load();
    prepared.Text2[0] = QString::fromLatin1(keyWord);
    prepared.Text2[1] = QString::fromLatin1(message);

    // One Encrypt to check that the chain does its work at all.
    {
        playfair::Workspace ws = prepared;
        ws.Command1_Click(0);
        if (ws.List1[0].ListCount() != 20 || ws.List1[1].ListCount() == 0 || ws.List1[2].ListCount() == 0) {
            std::fprintf(stderr, "bench_encrypt: the Encrypt chain gave no digraphs\n");
            return 1;
        }
    }

    std::vector<double> chain, split, encrypt, decrypt;
    chain.reserve(std::size_t(iterations));
    for (int warm = 0; warm < iterations / 10; ++warm) {
        playfair::Workspace ws = prepared;
        ws.Command1_Click(0);
    }
    for (int i = 0; i < iterations; ++i) {
        playfair::Workspace ws = prepared;
        const auto t0 = Clock::now();
        ws.Command1_Click(0);
        const auto t1 = Clock::now();
        chain.push_back(secondsBetween(t0, t1));
    }
    // The same chain step by step: where an Encrypt spends its time.
    for (int i = 0; i < iterations; ++i) {
        playfair::Workspace ws = prepared;
        const auto t0 = Clock::now();
        playfair::SplitDigraphs(ws);
        const auto t1 = Clock::now();
        playfair::EncryptDigraphs(ws);
        const auto t2 = Clock::now();
        playfair::DecryptDigraphs(ws);
        const auto t3 = Clock::now();
        split.push_back(secondsBetween(t0, t1));
        encrypt.push_back(secondsBetween(t1, t2));
        decrypt.push_back(secondsBetween(t2, t3));
    }

    if (header)
        printTimingHeader();
    printTimingRow("Encrypt on the workspace (40-letter message)", "none", summarise(chain));
    printTimingRow("… of which SplitDigraphs (cleaning, key square, split)", "none", summarise(split));
    printTimingRow("… of which EncryptDigraphs", "none", summarise(encrypt));
    printTimingRow("… of which DecryptDigraphs", "none", summarise(decrypt));
    return 0;
}
