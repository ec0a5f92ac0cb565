// Feeds any bytes to the chat and news file readers: they must never crash, and what
// they read must survive a write and a fresh read unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "online/chat/chat_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavik::online;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    chatFileProblems(bytes);
    newsFileProblems(bytes);
    const ChatFileState chat = parseChatFile(bytes);
    if (chat.ChatSeen < 0) std::abort();
    if (parseChatFile(formatChatFile(chat.ChatSeen, chat.ChatBottom, chat.ChatAutoOpen)) != chat)
        std::abort();
    const int news = parseNewsFile(bytes);
    if (news < 0 || parseNewsFile(formatNewsFile(news)) != news) std::abort();
    return 0;
}
