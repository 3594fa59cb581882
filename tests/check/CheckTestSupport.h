#pragma once
// A project the check tests start from: model 1 (128 x 64), COM0 on the
// shipped Modbus protocol, screens 1 and 2 whose keys lead to each other,
// and a session activated for it with the shipped fonts.
#include <memory>
#include <string>

#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "check/ProjectCheck.h"
#include "project/CMirloProject.h"
#include "project/DesignerSession.h"

namespace balsar::test {

std::unique_ptr<CMirloProject> CleanProject();
// A session over the shipped library and fonts.
std::unique_ptr<DesignerSession> ShippedSession(MessageSink& sink, Prompt& prompt);
// A COM0 address of a register type the protocol defines ("0X" bits,
// "4X" words).
CAddr Com0(int32_t width, int32_t address);
// The findings of one code.
FindingList WithCode(const FindingList& findings, const std::string& code);

} // namespace balsar::test
