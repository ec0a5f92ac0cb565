// The stream splitter: messages cut out of reads however TCP joins or splits them.
#include <gtest/gtest.h>

#include "net/peer_codec.h"
#include "net/stream_splitter.h"

namespace tavik::net {
namespace {
}  // namespace
}  // namespace tavik::net
