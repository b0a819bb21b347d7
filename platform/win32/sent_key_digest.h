// Under Wine a program receives the keys queued for it only when it reads
// them, and the keys still unread when it loses the focus are dropped. Before
// the foreground is moved away, the window in front is given the time
// (bounded) to read the keys this program sent it.
#pragma once

#include <cstdint>

namespace tavrix {

// Called for every key the program synthesises.
void NoteKeyAboutToBeSent(std::uint8_t vk, bool up);

// When keys were sent since the last call, waits (at most `maxMs`) until the
// thread of the window in front has read them: a marker key sent after them
// shows read in its key state. Nothing on Windows, which delivers the keys
// as sent, nor when the window in front does not respond.
void LetFrontWindowReadSentKeys(std::uint32_t maxMs);

}  // namespace tavrix
