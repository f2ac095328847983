#include "storage/RecordKey.h"

#include <mutex>
#include <random>

#include "platform/sys/Clock.h"
#include "storage/Coding.h"

namespace {

// The generator's state lives for the run, as the key layout requires.
struct KeyGenerator {
    std::mutex mutex;
    bool started = false;
    std::minstd_rand random;
    std::uint16_t runValue = 0;
    std::uint16_t counter = 0;

    std::uint16_t Draw() {
        const auto r = static_cast<std::uint32_t>(random());
        return static_cast<std::uint16_t>((r + r / 65535) % 65536);
    }
};

KeyGenerator& Generator() {
    static KeyGenerator generator;
    return generator;
}

}  // namespace

bool RecordKey::IsNull() const {
    for (std::uint8_t b : bytes) {
        if (b != 0) return false;
    }
    return true;
}

RecordKey NewRecordKey() {
    KeyGenerator& g = Generator();
    std::lock_guard lock(g.mutex);
    if (!g.started) {
        g.started = true;
        g.random.seed(sys::GetTickCount());
        g.counter = g.Draw();
    }
    ++g.counter;
    while (g.runValue == 0) g.runValue = g.Draw();

    RecordKey key;
    coding::EncodeFixed16(&key.bytes[0], g.runValue);
    coding::EncodeFixed16(&key.bytes[2], g.counter);
    coding::EncodeFixed32(&key.bytes[4], sys::GetTickCount());
    return key;
}
