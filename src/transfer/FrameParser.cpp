#include "transfer/FrameParser.h"

#include "transfer/Frame.h"

namespace caldo {

bool FrameParser::Store(uint8_t byte) {
    if (m_position >= m_capacity) {
        m_state = State::Error;
        return false;
    }
    m_buffer[m_position++] = byte;
    return true;
}

FrameParser::State FrameParser::Feed(uint8_t byte) {
    switch (m_state) {
    case State::Hunt:
        if (byte == kFrameSync0) {
            m_position = 0;
            if (Store(byte)) {
                m_state = State::Sync;
            }
        }
        break;
    case State::Sync:
        if (byte == kFrameSync1) {
            if (Store(byte)) {
                m_state = State::Length1;
            }
        } else {
            m_position = 0;
            m_state = State::Hunt;
        }
        break;
    case State::Length1:
        if (Store(byte)) {
            m_state = State::Length2;
        }
        break;
    case State::Length2:
        if (!Store(byte)) {
            break;
        }
        m_length = ReplyLengthField(m_buffer, LengthOrder::HighFirst);
        // A frame longer than the buffer cannot be taken; one shorter than the
        // header plus its checksum could never complete and would run on forever.
        if (m_length > m_capacity || m_length < kFrameHeaderSize + 1) {
            m_state = State::Error;
        } else {
            m_state = State::Body;
        }
        break;
    case State::Body:
        if (!Store(byte)) {
            break;
        }
        if (m_position == m_length) {
            const uint8_t sum = Checksum8({m_buffer, m_length - 1});
            m_state = sum == m_buffer[m_length - 1] ? State::Complete : State::BadChecksum;
        }
        break;
    case State::Complete:
    case State::BadChecksum:
    case State::Error:
        m_state = State::Error;
        break;
    }
    return m_state;
}

} // namespace caldo
