#pragma once

// The error codes of the machine's services, numbered as their Windows namesakes so that callers
// written against those keep their meanings.
namespace sys {

constexpr long ERROR_SUCCESS = 0;
constexpr long ERROR_FILE_NOT_FOUND = 2;  // no such file, key or value
constexpr long ERROR_PATH_NOT_FOUND = 3;
constexpr long ERROR_ACCESS_DENIED = 5;
constexpr long ERROR_GEN_FAILURE = 31;    // any other failure (an I/O error)
constexpr long ERROR_DISK_FULL = 112;
constexpr long ERROR_INVALID_NAME = 123;
constexpr long ERROR_ALREADY_EXISTS = 183;

// The code of a failed POSIX call's errno.
long ErrorFromErrno(int error);

}  // namespace sys
