// tavik_words_gen: turns words.tsv into the C++ source of the word tables and the header
// of their keys. A malformed line stops the build with its line number.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "config/words/word_table_format.h"

namespace {

bool readAll(const char* path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Writes only when the content changed, so that an unchanged table rebuilds nothing.
bool writeIfChanged(const char* path, const std::string& content) {
    std::string old;
    if (readAll(path, old) && old == content) return true;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: tavik_words_gen WORDS.tsv OUT.cpp OUT_KEYS.h\n");
        return 2;
    }
    std::string text;
    if (!readAll(argv[1], text)) {
        std::fprintf(stderr, "%s: cannot read the word tables\n", argv[1]);
        return 1;
    }
    const tavik::words::ParseResult parsed = tavik::words::parseWordTable(text, argv[1]);
    if (!parsed.ok()) {
        std::fprintf(stderr, "%s\n", parsed.error.c_str());
        return 1;
    }
    if (!writeIfChanged(argv[2], tavik::words::generateWordSource(parsed.entries)) ||
        !writeIfChanged(argv[3], tavik::words::generateKeyHeader(parsed.entries))) {
        std::fprintf(stderr, "tavik_words_gen: cannot write %s or %s\n", argv[2], argv[3]);
        return 1;
    }
    return 0;
}
