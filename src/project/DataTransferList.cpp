#include "project/DataTransferList.h"

#include "base/Archive.h"
#include "base/MessageSink.h"
#include "elements/CompileContext.h"
#include "elements/FindingStrings.h"
#include "plc/AddressText.h"
#include "project/SettingsStrings.h"

namespace balsar {

namespace {

// Compiles a source or destination address with its count field replaced
// by the number of values transferred.
void CompileTransferAddress(const CAddr& address, uint16_t count, CompileContext& context) {
    const size_t at = context.image.size();
    address.Compile(context.image, context.portProtocols, context.sink);
    const uint32_t units = address.width == WIDTH_DWORD ? (static_cast<uint32_t>(count) + 1) / 2 : count;
    WriteAt(context.image, at + 6, units, 2);
}

} // namespace

void DataTransferItem::Serialize(Archive& ar) {
    int32_t version = 1;
    ar.Value(version);
    ar.Value(timed);
    ar.Value(triggerType);
    ar.Value(period);
    ar.Value(validWindow);
    ar.Value(executions);
    ar.Value(count);
    triggerAddress.Serialize(ar);
    sourceAddress.Serialize(ar);
    destinationAddress.Serialize(ar);
}

uint32_t DataTransferItem::CompiledFlags() const {
    uint32_t flags = timed != 0 ? kFlagTimed : 0;
    flags |= (static_cast<uint32_t>(triggerType) & 0x3) << 1;
    if (validWindow != 0) {
        flags |= kFlagWindow;
    }
    if (executions != 0) {
        flags |= kFlagExecutions;
    }
    return flags;
}

void DataTransferItem::Compile(CompileContext& context) const {
    AppendBytes(context.image, CompiledFlags(), 4);
    CompileTransferAddress(sourceAddress, count, context);
    CompileTransferAddress(destinationAddress, count, context);
    triggerAddress.Compile(context.image, context.portProtocols, context.sink);
    AppendBytes(context.image, static_cast<uint32_t>(period), 4);
    AppendBytes(context.image, validWindow, 2);
    AppendBytes(context.image, executions, 2);
}

bool DataTransferItem::SameAs(const DataTransferItem& other, const PortProtocols* protocols) const {
    if (timed != other.timed || triggerType != other.triggerType || period != other.period ||
        validWindow != other.validWindow || executions != other.executions || count != other.count) {
        return false;
    }
    // Comparing is not compiling: messages of unknown names stay here.
    RecordingMessageSink quiet;
    for (auto member : {&DataTransferItem::triggerAddress, &DataTransferItem::sourceAddress,
                        &DataTransferItem::destinationAddress}) {
        Image mine;
        Image theirs;
        (this->*member).Compile(mine, protocols, quiet);
        (other.*member).Compile(theirs, protocols, quiet);
        if (mine != theirs) {
            return false;
        }
    }
    return true;
}

std::string TriggerColumnText(const DataTransferItem& item) {
    if (item.timed != 0) {
        return texts::kTimedTrigger;
    }
    return item.triggerType != 0 ? texts::kRegisterTrigger : std::string();
}

std::string AddressColumnText(CAddr& address, const PortProtocols* protocols) {
    return address.regType + AddressValueText(address, protocols);
}

void DataTransferList::Serialize(Archive& ar) {
    int32_t version = 2;
    ar.Value(version);
    int32_t n = static_cast<int32_t>(items.size());
    ar.Value(n);
    if (ar.IsLoading()) {
        // Each item takes well over 100 bytes; a larger count cannot be real.
        if (n < 0 || static_cast<size_t>(n) > ar.Remaining() / 100) {
            throw ArchiveError("data-transfer count beyond end of file");
        }
        items.assign(static_cast<size_t>(n), DataTransferItem{});
    }
    for (DataTransferItem& item : items) {
        item.Serialize(ar);
    }
}

void DataTransferList::Compile(CompileContext& context) const {
    Image& image = context.image;
    AppendBytes(image, static_cast<uint32_t>(items.size()), 4);
    size_t slot = image.size();
    AppendRepeated(image, 0, 4, items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        const DataTransferItem& item = items[i];
        context.place = FindingPlace::OfListItem(strings::kListTransfers, static_cast<int32_t>(i + 1));
        PadTo4(image);
        WriteAt(image, slot, static_cast<uint32_t>(image.size()), 4);
        slot += 4;
        item.Compile(context);
    }
}

int DataTransferList::AddItem(const DataTransferItem& item, const PortProtocols* protocols) {
    for (const DataTransferItem& existing : items) {
        if (existing.SameAs(item, protocols)) {
            return 0;
        }
    }
    items.push_back(item);
    return 1;
}

void DataTransferList::ResetAddresses() {
    for (DataTransferItem& item : items) {
        for (CAddr* address : {&item.triggerAddress, &item.sourceAddress, &item.destinationAddress}) {
            address->ResetIfPortChanged();
        }
    }
}

void DataTransferList::ResetAddressesOnPorts(const std::array<bool, 4>& portChanged) {
    for (DataTransferItem& item : items) {
        for (CAddr* address : {&item.triggerAddress, &item.sourceAddress, &item.destinationAddress}) {
            address->ResetIfPortChanged(portChanged);
        }
    }
}

void DataTransferList::SwapPort(int32_t a, int32_t b) {
    for (DataTransferItem& item : items) {
        for (CAddr* address : {&item.triggerAddress, &item.sourceAddress, &item.destinationAddress}) {
            address->SwapPorts(a, b);
        }
    }
}

} // namespace balsar
