#pragma once
// Internal error type of the decoding library. Everything below the C interface
// reports a refusal or fault by throwing Failure with the code the caller will read
// from BASS_ErrorGetCode; bass_api.cpp catches it at the boundary.

#include "platform/bass/bass.h"

#include <exception>

namespace trevisto::bass {

class Failure : public std::exception {
public:
    explicit Failure(int code) : code_(code) {}
    int code() const noexcept { return code_; }
    const char *what() const noexcept override { return "decoding library failure"; }

private:
    int code_;
};

} // namespace trevisto::bass
