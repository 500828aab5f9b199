#pragma once
// Internal error type of the decoding library. Everything below the C interface
// reports a refusal or fault by throwing Failure with the code the caller will read
// from BASS_ErrorGetCode; bass_api.cpp catches it at the boundary. A refusal may also
// say why, and what the file was found to be, for BASS_ErrorGetDetail.

#include "platform/bass/bass.h"

#include <exception>
#include <string>

namespace trevisto::bass {

class Failure : public std::exception {
public:
    explicit Failure(int code, DWORD reason = BASS_REASON_NONE, std::string found = {})
        : code_(code), reason_(reason), found_(std::move(found))
    {
    }
    int code() const noexcept { return code_; }
    DWORD reason() const noexcept { return reason_; }
    const std::string &found() const noexcept { return found_; }
    const char *what() const noexcept override { return "decoding library failure"; }

private:
    int code_;
    DWORD reason_;
    std::string found_;
};

} // namespace trevisto::bass
