#include "project/DataTransferList.h"

#include "base/Archive.h"

namespace balsar {

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

void DataTransferList::Compile(CompileContext&) {}

void DataTransferList::ResetAddresses() {
    for (DataTransferItem& item : items) {
        for (CAddr* address : {&item.triggerAddress, &item.sourceAddress, &item.destinationAddress}) {
            address->Reset(address->width);
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
