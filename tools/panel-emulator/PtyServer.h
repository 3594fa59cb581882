// The serial transport of panel-emulator: a pseudo-terminal, optionally paced
// like a real line and with replies cut in two as a USB serial adapter does.
#pragma once

#include "Responder.h"

namespace panelsim {

struct PtyLine {
    int baudRate = 0;     // bytes cross the line no faster than this (8N1); 0: at once
    int splitReplyMs = 0; // each reply goes out in two pieces this far apart; 0: whole
};

// Serves a pseudo-terminal; prints "pty /dev/pts/N" first. Returns only on an error.
int ServePty(const PtyLine& line, const Responder& respond);

} // namespace panelsim
