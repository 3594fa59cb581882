#pragma once
// Protocol descriptions shared by the PLC tests.
#include <string>

#include "base/MessageSink.h"
#include "plc/PortProtocols.h"
#include "plc/ProtocolDescription.h"

namespace balsar::test {

// A Modbus-like master: a plain bit type "0X", word types "4X" (big-endian)
// and "3X", a bit-in-word type "4X.B" with a 4-bit hexadecimal sub-address
// and an ID above 255, a double-word type "4D", an indexed word type "N" and
// an indexed bit-in-word type "NB".
inline const char* kSampleProtocolXml = R"(<?xml version="1.0"?>
<PLC ID="7" PLCName="Sample Master">
  <SupportPLC><PLC>Model A</PLC><PLC>Model B</PLC></SupportPLC>
  <StationNumber><Max>247</Max><Min>1</Min><Default>3</Default></StationNumber>
  <Droit Position="slave"/>
  <SerialPort>
    <DefaultParam><Type>rs485-2</Type><Baud>19200</Baud><ByteSize>8</ByteSize><Parity>2</Parity><StopBits>1</StopBits></DefaultParam>
    <PLCResponceTimeout>500</PLCResponceTimeout>
    <ProtocolTimeout1>3</ProtocolTimeout1>
    <ProtocolTimeout2>5</ProtocolTimeout2>
    <PackegMaxWord>64</PackegMaxWord>
    <PackegMaxBit>256</PackegMaxBit>
    <WordsBrokeInterval>8</WordsBrokeInterval>
    <BitsBrokeInterval>16</BitsBrokeInterval>
    <CommunicationInterval>10</CommunicationInterval>
  </SerialPort>
  <REG_ADDRs>
    <REG_ADDR ID="1" Name="0X" AddressWidth="BIT" BigEndian="0">
      <MinAddress>1</MinAddress><MaxAddress>65535</MaxAddress>
      <Mask><Master Type="DEC" Mode="BIT"/><Slave Type="NONE"/></Mask>
    </REG_ADDR>
    <REG_ADDR ID="4" Name="4X" AddressWidth="WORD" BigEndian="1">
      <MinAddress>1</MinAddress><MaxAddress>65535</MaxAddress>
      <Mask><Master Type="DEC" Mode="WORD"/><Slave Type="NONE"/></Mask>
    </REG_ADDR>
    <REG_ADDR ID="3" Name="3X" AddressWidth="WORD" BigEndian="0">
      <MinAddress>1</MinAddress><MaxAddress>65535</MaxAddress>
      <Mask><Master Type="DEC" Mode="WORD"/><Slave Type="none"/></Mask>
    </REG_ADDR>
    <REG_ADDR ID="260" Name="4X.B" AddressWidth="BIT" BigEndian="1">
      <MinAddress>1</MinAddress><MaxAddress>65535</MaxAddress>
      <Mask><Master Type="DEC" Mode="WORD"/><Slave Type="HEX" Length="4"/></Mask>
    </REG_ADDR>
    <REG_ADDR ID="5" Name="4D" AddressWidth="dword" BigEndian="1">
      <MinAddress>1</MinAddress><MaxAddress>65534</MaxAddress>
      <Mask><Master Type="DEC" Mode="WORD"/><Slave Type="NONE"/></Mask>
    </REG_ADDR>
    <REG_ADDR ID="9" Name="N" AddressWidth="WORD" SubIndexType="DEC" SubIndexMin="0" SubIndexMax="255">
      <MinAddress>0</MinAddress><MaxAddress>255</MaxAddress>
      <Mask><Master Type="DEC" Mode="WORD"/><Slave Type="NONE"/></Mask>
    </REG_ADDR>
    <REG_ADDR ID="10" Name="NB" AddressWidth="BIT" SubIndexType="DEC" SubIndexMin="0" SubIndexMax="255">
      <MinAddress>0</MinAddress><MaxAddress>255</MaxAddress>
      <Mask><Master Type="DEC" Mode="WORD"/><Slave Type="DEC" Length="4"/></Mask>
    </REG_ADDR>
  </REG_ADDRs>
</PLC>
)";

// Loads the sample protocol into the given ports of a PortProtocols.
inline void LoadSample(PortProtocols& protocols, std::initializer_list<int> ports) {
    RecordingMessageSink sink;
    for (int port : ports) {
        protocols.PortProtocol(port)->LoadXml(kSampleProtocolXml, "sample.CFG", sink);
    }
}

} // namespace balsar::test
