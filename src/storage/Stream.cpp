#include "storage/Stream.h"

#include "storage/Text.h"

Stream::~Stream() = default;

char* Stream::CopyString(const char* source, char* destination, std::size_t size) {
    CopyBounded(destination, source, size);
    return destination;
}
