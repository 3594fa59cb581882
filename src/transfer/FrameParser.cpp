#include "transfer/FrameParser.h"

#include "transfer/Frame.h"

namespace caldo {

bool FrameParser::Store(uint8_t byte) {
    if (position_ >= capacity_) {
        state_ = State::Error;
        return false;
    }
    buffer_[position_++] = byte;
    return true;
}

FrameParser::State FrameParser::Feed(uint8_t byte) {
    switch (state_) {
    case State::Hunt:
        if (byte == kFrameSync0) {
            position_ = 0;
            if (Store(byte))
                state_ = State::Sync;
        }
        break;
    case State::Sync:
        if (byte == kFrameSync1) {
            if (Store(byte))
                state_ = State::Length1;
        } else {
            position_ = 0;
            state_ = State::Hunt;
        }
        break;
    case State::Length1:
        if (Store(byte))
            state_ = State::Length2;
        break;
    case State::Length2:
        if (!Store(byte))
            break;
        length_ = ReplyLengthField(buffer_, LengthOrder::HighFirst);
        // A frame longer than the buffer cannot be taken; one shorter than the
        // header plus its checksum could never complete and would run on forever.
        if (length_ > capacity_ || length_ < kFrameHeaderSize + 1)
            state_ = State::Error;
        else
            state_ = State::Body;
        break;
    case State::Body:
        if (!Store(byte))
            break;
        if (position_ == length_) {
            const uint8_t sum = [&] {
                uint8_t s = 0;
                for (size_t i = 0; i + 1 < length_; ++i)
                    s = static_cast<uint8_t>(s + buffer_[i]);
                return s;
            }();
            state_ = sum == buffer_[length_ - 1] ? State::Complete : State::BadChecksum;
        }
        break;
    case State::Complete:
    case State::BadChecksum:
    case State::Error:
        state_ = State::Error;
        break;
    }
    return state_;
}

} // namespace caldo
