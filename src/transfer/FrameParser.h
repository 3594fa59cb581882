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
    FrameParser(uint8_t* buffer, size_t capacity) : m_buffer(buffer), m_capacity(capacity) {}

    State Feed(uint8_t byte);
    State CurrentState() const { return m_state; }
    // Bytes of the current frame stored so far.
    size_t Size() const { return m_position; }
    bool Finished() const {
        return m_state == State::Complete || m_state == State::BadChecksum || m_state == State::Error;
    }

private:
    bool Store(uint8_t byte);

    uint8_t* m_buffer;
    size_t m_capacity;
    size_t m_position = 0;
    size_t m_length = 0;
    State m_state = State::Hunt;
};

} // namespace caldo
