// Byte-by-byte frame finder of the serial link. Noise before a frame is
// dropped; the length field is read high byte first (the panel's reply order).
#pragma once

#include <cstddef>
#include <cstdint>

namespace caldo {

class FrameParser {
public:
    enum class State { Hunt, Sync, Length1, Length2, Body, Complete, BadChecksum, Error };

    // The parser stores the frame from buffer[0] and never writes past capacity.
    FrameParser(uint8_t* buffer, size_t capacity) : buffer_(buffer), capacity_(capacity) {}

    State Feed(uint8_t byte);
    State state() const { return state_; }
    // Bytes of the current frame stored so far.
    size_t size() const { return position_; }
    bool Finished() const {
        return state_ == State::Complete || state_ == State::BadChecksum || state_ == State::Error;
    }

private:
    bool Store(uint8_t byte);

    uint8_t* buffer_;
    size_t capacity_;
    size_t position_ = 0;
    size_t length_ = 0;
    State state_ = State::Hunt;
};

} // namespace caldo
