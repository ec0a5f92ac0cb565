#pragma once
// The compiled word tables, defined by the source that the build generates from
// words.tsv. Only word_table.cpp reads them.

#include <cstddef>

#include "config/words/word_table.h"

namespace tavik::words::detail {

extern const WordEntry kEntries[];  // sorted by key
extern const std::size_t kEntryCount;

}  // namespace tavik::words::detail
