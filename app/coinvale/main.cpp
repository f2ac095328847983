#include <cstdio>

#include "Version.h"
#include "platform/sys/Clock.h"

int main() {
    if (sys::LoadTestTimeFromEnvironment() != 0) {
        std::fprintf(stderr,
                     "coinvale: COINVALE_NOW must be a date and time such as 2026-12-06 or "
                     "2026-12-06T09:30:00.\n");
        return 2;
    }
    std::printf("Coinvale %s\n", COINVALE_VERSION);
    return 0;
}
